#pragma once

#include <X11/Xlib.h>

#include <functional>
#include <string>
#include <vector>

namespace x11 {

struct TX11Display;

// Files dropped on a top-level window by the XDND protocol (version 5), as
// file managers drag them: the window says it is aware, accepts a drag that
// offers text/uri-list (as a copy) while `accepting` says so, and on the drop
// reads the list from the XdndSelection and hands over the local files.
class TXdndTarget {
 public:
  TXdndTarget(TX11Display& x, ::Window window, std::function<bool()> accepting,
              std::function<void(const std::vector<std::string>&)> dropped);
  // The XDND client messages and the selection of the drop; true when taken.
  bool HandleEvent(XEvent& event);

 private:
  void Reply(Atom type, long flags, long action);
  bool OffersUriList(const XClientMessageEvent& enter) const;
  void Drop(Time time);
  void Received(const XSelectionEvent& selection);

  ::Display* dpy_;
  ::Window window_;
  std::function<bool()> accepting_;
  std::function<void(const std::vector<std::string>&)> dropped_;
  Atom aware_, enter_, position_, status_, leave_, drop_, finished_, selection_, typeList_,
      actionCopy_, uriList_, property_;
  ::Window source_ = None;  // the drag over the window, None between drags
  bool offered_ = false;    // it offers text/uri-list
};

}  // namespace x11
