#include "platform/x11/x11_drop.h"

#include <X11/Xatom.h>
#include <unistd.h>

#include "platform/x11/uri_list.h"
#include "platform/x11/x11_display.h"

namespace x11 {

namespace {

constexpr long kVersion = 5;

std::string HostName() {
  char name[256] = {};
  return gethostname(name, sizeof(name) - 1) == 0 ? name : "";
}

}  // namespace

TXdndTarget::TXdndTarget(TX11Display& x, ::Window window, std::function<bool()> accepting,
                         std::function<void(const std::vector<std::string>&)> dropped)
    : dpy_(x.Dpy), window_(window), accepting_(std::move(accepting)), dropped_(std::move(dropped)) {
  auto atom = [this](const char* name) { return XInternAtom(dpy_, name, False); };
  aware_ = atom("XdndAware");
  enter_ = atom("XdndEnter");
  position_ = atom("XdndPosition");
  status_ = atom("XdndStatus");
  leave_ = atom("XdndLeave");
  drop_ = atom("XdndDrop");
  finished_ = atom("XdndFinished");
  selection_ = atom("XdndSelection");
  typeList_ = atom("XdndTypeList");
  actionCopy_ = atom("XdndActionCopy");
  uriList_ = atom("text/uri-list");
  property_ = atom("DORVEX_DROP");
  long version = kVersion;
  XChangeProperty(dpy_, window_, aware_, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(&version), 1);
}

bool TXdndTarget::OffersUriList(const XClientMessageEvent& enter) const {
  // Up to three types in the message, else the source's list.
  if ((enter.data.l[1] & 1) == 0) {
    for (int i = 2; i < 5; ++i) {
      if (static_cast<Atom>(enter.data.l[i]) == uriList_) {
        return true;
      }
    }
    return false;
  }
  Atom type;
  int format;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  bool found = false;
  if (XGetWindowProperty(dpy_, source_, typeList_, 0, 1024, False, XA_ATOM, &type, &format, &count,
                         &after, &data) == Success &&
      data) {
    const auto* types = reinterpret_cast<const Atom*>(data);
    for (unsigned long i = 0; i < count && !found; ++i) {
      found = types[i] == uriList_;
    }
    XFree(data);
  }
  return found;
}

void TXdndTarget::Reply(Atom type, long flags, long action) {
  XEvent ev{};
  ev.xclient.type = ClientMessage;
  ev.xclient.window = source_;
  ev.xclient.message_type = type;
  ev.xclient.format = 32;
  ev.xclient.data.l[0] = static_cast<long>(window_);
  ev.xclient.data.l[1] = flags;
  ev.xclient.data.l[type == status_ ? 4 : 2] = action;
  XSendEvent(dpy_, source_, False, NoEventMask, &ev);
  XFlush(dpy_);
}

bool TXdndTarget::HandleEvent(XEvent& ev) {
  if (ev.type == SelectionNotify && ev.xselection.selection == selection_) {
    Received(ev.xselection);
    return true;
  }
  if (ev.type != ClientMessage) {
    return false;
  }
  const XClientMessageEvent& m = ev.xclient;
  const auto from = static_cast<::Window>(m.data.l[0]);
  if (m.message_type == enter_) {
    source_ = from;
    offered_ = (m.data.l[1] >> 24) >= 3 && OffersUriList(m);
  } else if (m.message_type == position_ && from == source_) {
    const bool accept = offered_ && accepting_();
    Reply(status_, accept ? 1 : 0, accept ? static_cast<long>(actionCopy_) : None);
  } else if (m.message_type == leave_ && from == source_) {
    source_ = None;
  } else if (m.message_type == drop_ && from == source_) {
    Drop(static_cast<Time>(m.data.l[2]));
  } else {
    return false;
  }
  return true;
}

void TXdndTarget::Drop(Time time) {
  if (!offered_ || !accepting_()) {
    Reply(finished_, 0, None);
    source_ = None;
    return;
  }
  XConvertSelection(dpy_, selection_, uriList_, property_, window_, time);
  XFlush(dpy_);
}

void TXdndTarget::Received(const XSelectionEvent& selection) {
  std::string list;
  if (selection.property != None) {
    Atom type;
    int format;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(dpy_, window_, property_, 0, 1 << 20, True, AnyPropertyType, &type,
                           &format, &count, &after, &data) == Success &&
        data) {
      list.assign(reinterpret_cast<char*>(data), count);
      XFree(data);
    }
  }
  const std::vector<std::string> files = LocalFilesOfUriList(list, HostName());
  if (source_ != None) {
    Reply(finished_, files.empty() ? 0 : 1, files.empty() ? None : static_cast<long>(actionCopy_));
  }
  source_ = None;
  if (!files.empty()) {
    dropped_(files);
  }
}

}  // namespace x11
