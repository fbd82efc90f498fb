#pragma once

#include <string>

#include "gfx/color.h"
#include "ui/label.h"

// A text label that opens its target when clicked, drawn in the unvisited colour
// until the system has accepted the target once, then in the visited colour.
class TRzURLLabel : public TLabel {
 public:
  TRzURLLabel();

  // Target of a click; when empty, the caption is the target.
  std::string URL;
  gfx::TColor UnvisitedColor = gfx::clHighlight;
  gfx::TColor VisitedColor = gfx::clPurple;
  bool Visited() const { return visited_; }
  void SetVisited(bool visited);
  // The colour the caption is drawn in now.
  gfx::TColor TextColor() const { return visited_ ? VisitedColor : UnvisitedColor; }
  // URL, or else the caption, without surrounding blanks.
  std::string Target() const;

  void Paint(TCanvas& canvas) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  // The ordinary click notification, then the hand-over to the system.
  void Click() override;

 private:
  bool visited_ = false;
  bool pressed_ = false;
};
