#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum TChartListOrder { loNone, loAscending, loDescending };

// One list of values of a series (X, Y, ...). Storage grows in steps of 1000
// values; the statistics are computed lazily after a change.
class TChartValueList {
 public:
  TChartValueList(std::string name, TChartListOrder order)
      : name_(std::move(name)), order_(order) {}

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  TChartListOrder Order() const { return order_; }
  // Whether the values are dates (days since 1899-12-30).
  bool DateTime() const { return dateTime_; }
  void SetDateTime(bool on) { dateTime_ = on; }

  int32_t Count() const { return count_; }
  int32_t Capacity() const { return static_cast<int32_t>(values_.size()); }
  double ValueAt(int32_t index) const { return values_[static_cast<size_t>(index)]; }

  // Inserts value where Order puts it (after equal ones) and returns its index.
  int32_t InsertOrdered(double value);
  void InsertAt(int32_t index, double value);
  void RemoveAll();

  double Lowest() const;
  double Highest() const;
  double Sum() const;
  double AbsSum() const;

 private:
  void Grow();
  void Recalc() const;

  std::string name_;
  TChartListOrder order_;
  bool dateTime_ = false;
  std::vector<double> values_;  // its size is the capacity
  int32_t count_ = 0;
  mutable bool modified_ = true;
  mutable double lowest_ = 0, highest_ = 0, sum_ = 0, absSum_ = 0;
};
