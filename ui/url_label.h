#pragma once

#include <string>

#include "gfx/color.h"
#include "ui/label.h"
#include "ui/push_button.h"

// A text label that opens its target when clicked, drawn in the unvisited colour
// until the system has accepted the target once, then in the visited colour.
class TRzURLLabel : public TPushButton<TLabel> {
 public:
  TRzURLLabel();

  // Target of a click; when empty, the caption is the target.
  const std::string& URL() const { return url_; }
  void SetURL(const std::string& url) { url_ = url; }
  gfx::TColor UnvisitedColor() const { return unvisitedColor_; }
  void SetUnvisitedColor(gfx::TColor c) { Change(unvisitedColor_, c); }
  gfx::TColor VisitedColor() const { return visitedColor_; }
  void SetVisitedColor(gfx::TColor c) { Change(visitedColor_, c); }
  bool Visited() const { return visited_; }
  void SetVisited(bool visited);
  gfx::TColor TextColor() const override { return visited_ ? visitedColor_ : unvisitedColor_; }
  // URL, or else the caption, without surrounding blanks.
  std::string Target() const;

  // The ordinary click notification, then the hand-over to the system.
  void Click() override;
  // Reached with Tab, opened with Enter or Space; a click leaves the focus where it was.
  bool FocusOnClick() const override { return false; }
  void Paint(TCanvas& canvas) override;

 protected:
  std::unique_ptr<TControlAccessible> CreateAccessible() override;

 private:
  std::string url_;
  gfx::TColor unvisitedColor_ = gfx::clHighlight;
  gfx::TColor visitedColor_ = gfx::clPurple;
  bool visited_ = false;
};
