#include "platform/x11/x11_clipboard.h"

#include <X11/Xatom.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>

#include "platform/x11/x11_display.h"

namespace x11 {

namespace {

constexpr int kWaitMs = 300;                  // for another program's answer
constexpr uint64_t kTransferMs = 30000;       // a requestor that stops reading for longer is gone
constexpr size_t kLargestPiece = 256 * 1024;  // bytes of one INCR piece

uint64_t NowMs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<uint64_t>(ts.tv_sec) * 1000 + static_cast<uint64_t>(ts.tv_nsec) / 1000000;
}

}  // namespace

TX11Clipboard::TX11Clipboard(TX11Display& x) : x_(x), text_(std::make_shared<const std::string>()) {
  ::Display* dpy = x_.Dpy;
  owner_ = XCreateSimpleWindow(dpy, RootWindow(dpy, x_.Screen), -10, -10, 1, 1, 0, 0, 0);
  XSelectInput(dpy, owner_, PropertyChangeMask);
  utf8_ = x_.Utf8String;
  targets_ = x_.Targets;
  property_ = x_.SelectionProperty;
  timestamp_ = XInternAtom(dpy, "TIMESTAMP", False);
  incr_ = XInternAtom(dpy, "INCR", False);
}

TX11Clipboard::~TX11Clipboard() {
  for (const TTransfer& t : transfers_) {
    XSelectInput(x_.Dpy, t.Requestor, NoEventMask);
  }
  XDestroyWindow(x_.Dpy, owner_);
}

size_t TX11Clipboard::PieceSize() const {
  // A request's header and the property's name take some of it.
  const long units = XMaxRequestSize(x_.Dpy);
  return std::min(static_cast<size_t>(units) * 4 - 1024, kLargestPiece);
}

Time TX11Clipboard::ServerTime() {
  // A property change is stamped with the server's time, which the selection needs.
  XChangeProperty(x_.Dpy, owner_, property_, XA_STRING, 8, PropModeAppend, nullptr, 0);
  XEvent ev;
  XWindowEvent(x_.Dpy, owner_, PropertyChangeMask, &ev);
  return ev.xproperty.time;
}

void TX11Clipboard::SetText(std::string utf8) {
  text_ = std::make_shared<const std::string>(std::move(utf8));
  owned_ = ServerTime();
  XSetSelectionOwner(x_.Dpy, x_.Clipboard, owner_, owned_);
  XFlush(x_.Dpy);
}

std::string TX11Clipboard::Text() {
  ::Display* dpy = x_.Dpy;
  const ::Window owner = XGetSelectionOwner(dpy, x_.Clipboard);
  if (owner == owner_) {
    return *text_;
  }
  if (owner == None) {
    return {};
  }
  XConvertSelection(dpy, x_.Clipboard, utf8_, property_, owner_, CurrentTime);
  XFlush(dpy);
  // Other events keep their order in the queue.
  XEvent ev;
  for (int waited = 0; waited < kWaitMs; waited += 10) {
    if (!XCheckTypedWindowEvent(dpy, owner_, SelectionNotify, &ev)) {
      usleep(10000);
      continue;
    }
    if (ev.xselection.property == None) {
      return {};
    }
    Atom type;
    int format;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty(dpy, owner_, property_, 0, 1 << 20, True, AnyPropertyType, &type,
                           &format, &count, &after, &data) == Success &&
        data) {
      // A large text of another program's (INCR) is not read.
      if (type == utf8_ || type == XA_STRING) {
        text.assign(reinterpret_cast<char*>(data), count);
      }
      XFree(data);
    }
    return text;
  }
  return {};
}

bool TX11Clipboard::HandleEvent(XEvent& ev) {
  const uint64_t now = NowMs();
  std::erase_if(transfers_, [&](const TTransfer& t) { return now - t.LastRead > kTransferMs; });
  switch (ev.type) {
    case SelectionRequest:
      if (ev.xselectionrequest.owner != owner_) {
        return false;
      }
      Answer(ev.xselectionrequest);
      return true;
    case SelectionClear:
      if (ev.xselectionclear.window != owner_) {
        return false;
      }
      // Another program has the clipboard now: our copy is no longer asked for.
      if (ev.xselectionclear.selection == x_.Clipboard) {
        text_ = std::make_shared<const std::string>();
      }
      return true;
    case PropertyNotify: {
      if (ev.xproperty.window == owner_) {
        return true;
      }
      const auto t = std::find_if(transfers_.begin(), transfers_.end(), [&](const TTransfer& t) {
        return t.Requestor == ev.xproperty.window && t.Property == ev.xproperty.atom;
      });
      if (t == transfers_.end()) {
        return false;
      }
      // The requestor took the last piece: the next one, then an empty one to end.
      if (ev.xproperty.state == PropertyDelete) {
        const bool last = t->Sent == t->Text->size();
        SendPiece(*t);
        if (last) {
          XSelectInput(x_.Dpy, t->Requestor, NoEventMask);
          transfers_.erase(t);
        }
      }
      return true;
    }
    default:
      return false;
  }
}

void TX11Clipboard::Answer(const XSelectionRequestEvent& request) {
  XEvent reply{};
  reply.xselection.type = SelectionNotify;
  reply.xselection.requestor = request.requestor;
  reply.xselection.selection = request.selection;
  reply.xselection.target = request.target;
  reply.xselection.time = request.time;
  reply.xselection.property = None;
  // Clients older than ICCCM 2 name no property: the target is used.
  const Atom property = request.property != None ? request.property : request.target;
  const bool ours =
      request.selection == x_.Clipboard && (request.time == CurrentTime || request.time >= owned_);
  if (ours && Send(request, property)) {
    reply.xselection.property = property;
  }
  XSendEvent(x_.Dpy, request.requestor, False, NoEventMask, &reply);
  XFlush(x_.Dpy);
}

bool TX11Clipboard::Send(const XSelectionRequestEvent& request, Atom property) {
  ::Display* dpy = x_.Dpy;
  if (request.target == targets_) {
    Atom targets[] = {targets_, timestamp_, utf8_};
    XChangeProperty(dpy, request.requestor, property, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(targets), 3);
    return true;
  }
  if (request.target == timestamp_) {
    long time = static_cast<long>(owned_);
    XChangeProperty(dpy, request.requestor, property, XA_INTEGER, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&time), 1);
    return true;
  }
  if (request.target != utf8_) {
    return false;
  }
  if (text_->size() <= PieceSize()) {
    XChangeProperty(dpy, request.requestor, property, utf8_, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(text_->data()),
                    static_cast<int>(text_->size()));
    return true;
  }
  // INCR: the size first; each deletion of the property asks for the next piece.
  XSelectInput(dpy, request.requestor, PropertyChangeMask);
  long size = static_cast<long>(text_->size());
  XChangeProperty(dpy, request.requestor, property, incr_, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(&size), 1);
  transfers_.push_back({request.requestor, property, text_, 0, NowMs()});
  return true;
}

void TX11Clipboard::SendPiece(TTransfer& t) {
  const size_t n = std::min(PieceSize(), t.Text->size() - t.Sent);
  XChangeProperty(x_.Dpy, t.Requestor, t.Property, utf8_, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(t.Text->data() + t.Sent),
                  static_cast<int>(n));
  t.Sent += n;
  t.LastRead = NowMs();
  XFlush(x_.Dpy);
}

}  // namespace x11
