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
  std::string URL;
  gfx::TColor UnvisitedColor = gfx::clHighlight;
  gfx::TColor VisitedColor = gfx::clPurple;
  bool Visited() const { return visited_; }
  void SetVisited(bool visited);
  gfx::TColor TextColor() const override { return visited_ ? VisitedColor : UnvisitedColor; }
  // URL, or else the caption, without surrounding blanks.
  std::string Target() const;

  // The ordinary click notification, then the hand-over to the system.
  void Click() override;

 private:
  bool visited_ = false;
};
