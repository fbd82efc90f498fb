#include "chart/value_list.h"

#include <cmath>

namespace {
constexpr int32_t kGrowStep = 1000;
}

void TChartValueList::Grow() {
  if (Capacity() < count_ + 1) {
    values_.resize(values_.size() + kGrowStep);
  }
}

int32_t TChartValueList::InsertOrdered(double v) {
  int32_t index = count_;
  if (order_ == loAscending && count_ > 0 && v < values_[count_ - 1]) {
    int32_t i = count_ - 1;
    while (i >= 0 && values_[i] > v) {
      --i;
    }
    index = i + 1;
  } else if (order_ == loDescending && count_ > 0 && v > values_[count_ - 1]) {
    int32_t i = count_ - 1;
    while (i >= 0 && values_[i] < v) {
      --i;
    }
    index = i + 1;
  }
  InsertAt(index, v);
  return index;
}

void TChartValueList::InsertAt(int32_t index, double value) {
  Grow();
  for (int32_t i = count_; i > index; --i) {
    values_[i] = values_[i - 1];
  }
  values_[index] = value;
  ++count_;
  modified_ = true;
}

void TChartValueList::RemoveAll() {
  count_ = 0;
  values_.clear();
  values_.shrink_to_fit();
  modified_ = true;
}

void TChartValueList::Recalc() const {
  if (!modified_) {
    return;
  }
  modified_ = false;
  if (count_ <= 0) {
    lowest_ = highest_ = sum_ = absSum_ = 0;
    return;
  }
  lowest_ = highest_ = sum_ = values_[0];
  absSum_ = std::fabs(values_[0]);
  for (int32_t i = 1; i < count_; ++i) {
    double x = values_[i];
    if (x < lowest_) {
      lowest_ = x;
    } else if (x > highest_) {
      highest_ = x;
    }
    sum_ += x;
    absSum_ += std::fabs(x);
  }
}

double TChartValueList::Lowest() const {
  Recalc();
  return lowest_;
}
double TChartValueList::Highest() const {
  Recalc();
  return highest_;
}
double TChartValueList::Sum() const {
  Recalc();
  return sum_;
}
double TChartValueList::AbsSum() const {
  Recalc();
  return absSum_;
}
