#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/accessibility.h"
#include "ui/geometry.h"
#include "ui/input.h"

namespace gfx {
class TCanvas;
class TTextEngine;
}  // namespace gfx
using gfx::TCanvas;
class TControlAccessible;
class TForm;
class TPopupMenu;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

using TNotifyEvent = std::function<void()>;
using TMouseEvent = std::function<void(TMouseButton, TShiftState, int x, int y)>;
using TMouseMoveEvent = std::function<void(TShiftState, int x, int y)>;

// A node of a window's control tree. Positions are pixels relative to the parent's
// top-left corner. A control owns its children; the window (TForm) at the root
// owns the whole tree, paints it into one image and routes input into it.
class TControl {
 public:
  TControl();
  virtual ~TControl();
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  std::string Name;

  // ---- tree
  TControl* Parent() const { return parent_; }
  int ControlCount() const { return static_cast<int>(children_.size()); }
  TControl* Control(int index) const { return children_[index].get(); }
  // Takes ownership of a new child, placed last in the z-order (painted on top).
  TControl* InsertControl(std::unique_ptr<TControl> child);
  template <class T, class... Args>
  T* Add(Args&&... args) {
    auto child = std::make_unique<T>(std::forward<Args>(args)...);
    T* raw = child.get();
    InsertControl(std::move(child));
    return raw;
  }
  std::unique_ptr<TControl> RemoveControl(TControl* child);
  // Depth-first search of the subtree (this control included) by Name.
  TControl* FindControl(const std::string& name);
  // The window at the root of the tree, or null while the control is detached.
  TForm* Form();
  const TForm* Form() const;

  // ---- geometry
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
  TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
  // The control's own area in its own coordinates.
  virtual TRect ClientRect() const { return {0, 0, width_, height_}; }
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  // Conversions between own coordinates and those of the root window's client area.
  TPoint ClientToForm(TPoint p) const;
  TPoint FormToClient(TPoint p) const;
  TRect FormRect() const;

  TAlign Align() const { return align_; }
  void SetAlign(TAlign a);

  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, and every parent up to the root visible too.
  bool Showing() const;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool e);
  // Enabled, and every parent enabled too.
  bool IsEnabled() const;

  // ---- alignment
  // Places the aligned children inside AlignArea(): top bands in order from the top,
  // bottom bands from the bottom, then left, right, and client fills what remains.
  void Realign();
  void DisableAlign() { ++alignDisabled_; }
  void EnableAlign();
  virtual TRect AlignArea() const { return ClientRect(); }
  // Scales position, size and fonts by m/d (another screen resolution: dpi/96).
  virtual void ChangeScale(int m, int d);

  // ---- painting
  // The engine that measures and draws the control's text: its own when set,
  // else its parent's, else the default one. Painting uses it for the canvas.
  gfx::TTextEngine& TextEngine() const;
  void SetTextEngine(gfx::TTextEngine* engine);
  // Paints the control's own surface; the canvas origin is the control's top-left and
  // the clip is its bounds. Children are painted afterwards, over it.
  virtual void Paint(TCanvas& canvas);
  // Marks the whole control, or a part of it (own coordinates), for repainting.
  void Invalidate();
  void InvalidateRect(const TRect& r);
  // Whether the parent must be repainted under this control (it leaves pixels unpainted).
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool t);
  // Paints every pixel of its bounds itself, so whatever lies under it need not be
  // painted first.
  virtual bool Opaque() const { return false; }

  // ---- mouse (own coordinates)
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  // wheelDelta is a multiple of kWheelDelta, positive away from the user; true if used.
  virtual bool MouseWheel(TShiftState shift, int wheelDelta, TPoint pos);
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void Click();
  // The deepest showing control at p (own coordinates), or null when p is outside.
  virtual TControl* ControlAtPos(TPoint p);
  // Whether a press at p belongs to this control; false lets it through to the parent.
  virtual bool HitTest(int x, int y) const;
  bool MouseInControl() const;
  void SetMouseCapture(bool capture);
  bool MouseCapture() const;

  TCursor Cursor = crDefault;
  // Pointer shape at a point of the control; crDefault defers to the parent.
  virtual TCursor CursorAt(int x, int y) const;

  // The text the control shows (a button's label, a tab's title, a window's
  // title); a new one is repainted and the reader hears of it.
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& text);

  // The menu that a right click, the menu key or Shift+F10 pops up over the
  // control (or over a child without one of its own).
  TPopupMenu* PopupMenu = nullptr;
  // Where that menu appears when a key asks for it (own coordinates).
  virtual TPoint PopupPoint() const { return {0, 0}; }

  // Tooltip text; shown by the application's hint facility when ShowHint is on.
  std::string Hint;
  bool ShowHint = false;

  TNotifyEvent OnClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnResize;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  // ---- keyboard and focus
  // Controls that can hold the keyboard focus take part in the tab order.
  bool TabStop = false;
  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int order);
  bool CanFocus() const;
  // Whether a mouse press moves the keyboard focus here (when it can take it).
  virtual bool FocusOnClick() const { return true; }
  bool Focused() const;
  void SetFocus();
  // Keys go to the focused control first, then up its parents until one returns true.
  virtual bool KeyDown(TKey key, TShiftState shift);
  virtual bool KeyUp(TKey key, TShiftState shift);
  virtual bool KeyChar(char32_t ch);
  // Alt+letter (upper case): a control whose caption marks the letter runs its action.
  virtual bool DialogChar(char32_t letter);
  virtual void DoEnter();
  virtual void DoExit();

  // ---- accessibility
  // The control's node in its window's accessible tree, made on first use; null
  // for a control that shows nothing to read (a spacer, a bare panel).
  TControlAccessible* Accessible();

 protected:
  virtual std::unique_ptr<TControlAccessible> CreateAccessible();
  // Tells the reader of the control's window (if it has one) about a change of
  // the control's node, or of one of its parts. A node no reader has asked for
  // yet is known to none, so only the focus and the selection make one to tell.
  void NotifyAccessible(TAccEvent event);
  void NotifyAccessible(TAccEvent event, TAccessible* part);
  bool HasAccessible() const { return accessible_ != nullptr; }
  // Whether the control's window is up, so that changes are worth telling.
  bool AccessibilityOn() const;
  // The parts (rows, tabs, bars) were replaced: the old ones go now, new ones are
  // made when asked for, and the reader hears of the reorder.
  void AccessiblePartsReplaced();

  // Asks for a repaint of what shows the caption; by default the whole control.
  virtual void CaptionChanged() { Invalidate(); }
  // Sets a field that shows in the picture; a new value asks for a repaint.
  template <class T, class V>
  void Change(T& field, V&& value) {
    if (field == value) {
      return;
    }
    field = std::forward<V>(value);
    Invalidate();
  }
  // Moves a child (own coordinates) without asking for a repaint or a
  // realignment: for a parent that places the child from its own state and
  // repaints itself whole whenever that state moves it.
  static void PlaceChild(TControl& child, const TRect& r);
  // Brings what the control derives from its own state up to date (a
  // scrolling control's bars and positions). Asked for with ArrangeLater
  // after a change: the window runs it before it next paints or routes the
  // pointer, once for however many changes came (a refresh adds rows one by
  // one); a control outside a window is arranged at once.
  virtual void Arrange() {}
  void ArrangeLater();
  // Focusable kinds (windowed controls) set this; labels and spacers do not.
  void SetAcceptsFocus(bool a) { acceptsFocus_ = a; }
  bool AcceptsFocus() const { return acceptsFocus_; }
  // Called after the size changed (and after the children have been realigned).
  virtual void Resize();
  virtual void VisibleChanged() {}
  virtual void EnabledChanged() {}
  // Lays out the children within area; the default implements the alignment model.
  virtual void AlignControls(TRect area);
  // Called on the parent when a child changed its bounds, visibility or alignment.
  virtual void ChildChanged(TControl* child);
  // Forwards a dirty rectangle (in this control's coordinates) towards the root.
  virtual void InvalidateArea(const TRect& r);

 private:
  friend class TForm;
  // A child came or went: the reader hears of the reorder.
  void ChildrenChanged();
  std::unique_ptr<TControlAccessible> accessible_;
  std::string caption_;
  TControl* parent_ = nullptr;
  gfx::TTextEngine* textEngine_ = nullptr;
  std::vector<std::unique_ptr<TControl>> children_;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TAlign align_ = alNone;
  bool visible_ = true;
  bool enabled_ = true;
  bool transparent_ = false;
  bool acceptsFocus_ = false;
  int tabOrder_ = 0;
  int alignDisabled_ = 0;
  bool aligning_ = false;
  bool realignPending_ = false;
  bool arrangeAsked_ = false;
};

// A control that can take the keyboard focus and contain other controls.
class TWinControl : public TControl {
 public:
  TWinControl() { SetAcceptsFocus(true); }
};
