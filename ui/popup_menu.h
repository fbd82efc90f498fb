#pragma once

#include <string>
#include <vector>

#include "ui/styled.h"

// A small menu that pops up over its window (a control's right-click menu):
// its items stacked in a raised frame, the one under the pointer or reached
// with the arrow keys highlighted. While it is up it has the keyboard focus
// and its window sends it every key (TForm); Enter, Space or a click on an
// item closes it and runs the item; Escape, a click outside it or the window
// losing the keyboard only closes it. The focus goes back where it was.
class TPopupMenu : public TStyledWinControl {
 public:
  static constexpr int kFrame = 3;      // the raised edge and a pixel of face
  static constexpr int kTextLeft = 20;  // as far in as a menu's check marks
  static constexpr int kTextRight = 20;

  TPopupMenu();

  void AddItem(std::string caption, TNotifyEvent onClick);
  int ItemCount() const { return static_cast<int>(items_.size()); }
  const std::string& ItemCaption(int i) const { return items_[i].Caption; }

  // Shows the menu with its top-left corner at p (the window's client
  // coordinates), moved as far as it must to lie inside the window.
  void Popup(TPoint formPos);
  void CloseUp();
  bool IsUp() const { return up_; }
  // Closes the menu, then runs the item.
  void ClickItem(int i);

  // The item shown highlighted; -1 none.
  int HighlightIndex() const { return highlight_; }
  void SetHighlightIndex(int i);

  int ItemHeight() const;
  TRect ItemRect(int i) const;
  int ItemAtPos(TPoint p) const;  // -1 outside the items

  void Paint(TCanvas& canvas) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseLeave() override;
  bool KeyDown(TKey key, TShiftState shift) override;
  void DoExit() override;

 protected:
  std::unique_ptr<TControlAccessible> CreateAccessible() override;

 private:
  struct TItem {
    std::string Caption;
    TNotifyEvent OnClick;
  };
  void TellReader(TAccEvent event);
  // The item's node, once a reader has the window.
  TAccessible* ItemAccessible(int i);
  TSize MeasuredSize() const;

  std::vector<TItem> items_;
  int highlight_ = -1;
  bool up_ = false;
  TControl* previousFocus_ = nullptr;
};
