#include "platform/x11/x11_window.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstring>

#include "bootlog/utf8.h"
#include "platform/linux/atk/atk_bridge.h"
#include "platform/x11/x11_drop.h"
#include "platform/x11/x11_platform.h"
#include "platform/x11/x11_window_manager.h"

namespace x11 {

namespace {

constexpr long kEventMask = ExposureMask | StructureNotifyMask | KeyPressMask | KeyReleaseMask |
                            ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                            EnterWindowMask | LeaveWindowMask | FocusChangeMask;

// _NET_WM_MOVERESIZE direction for the bottom-right corner.
constexpr long kMoveResizeBottomRight = 4;

uint32_t ServerPixel(uint32_t px) {
  // 0xAABBGGRR to 0x00RRGGBB, the layout of 24- and 32-bit TrueColor visuals.
  return ((px & 0xFF) << 16) | (px & 0xFF00) | ((px >> 16) & 0xFF);
}

}  // namespace

TX11Window::TX11Window(TX11Platform& platform, const TWindowParams& params, TWindowEvents* events)
    : platform_(platform), x_(platform.Display()), params_(params), events_(events) {
  Display* dpy = x_.Dpy;
  size_ = {std::max(params.ClientWidth, 1), std::max(params.ClientHeight, 1)};
  TPoint pos{params.Left, params.Top};
  if (params.Centred) {
    TRect area = platform.DesktopRect();
    if (auto* owner = dynamic_cast<TX11Window*>(params.Owner)) {
      TPoint o = owner->ClientToScreen({0, 0});
      area = Bounds(o.X, o.Y, owner->size_.Width, owner->size_.Height);
    }
    pos = {area.Left + (area.Width() - size_.Width) / 2,
           area.Top + (area.Height() - size_.Height) / 2};
  }
  XSetWindowAttributes attrs{};
  attrs.background_pixmap = None;  // exposed parts come from the kept image
  attrs.bit_gravity = NorthWestGravity;
  attrs.event_mask = kEventMask;
  attrs.override_redirect = params.Kind == wkPopup ? True : False;
  window_ = XCreateWindow(dpy, RootWindow(dpy, x_.Screen), pos.X, pos.Y, size_.Width, size_.Height,
                          0, CopyFromParent, InputOutput, CopyFromParent,
                          CWBackPixmap | CWBitGravity | CWEventMask | CWOverrideRedirect, &attrs);
  gc_ = XCreateGC(dpy, window_, 0, nullptr);
  auto* owner = dynamic_cast<TX11Window*>(params.Owner);
  DescribeWindow(x_, window_, params, owner ? owner->window_ : 0);
  ApplySizeHints();
  SetTitle(params.Title);
  if (params.AcceptsFiles) {
    drop_ = std::make_unique<TXdndTarget>(
        x_, window_, [this] { return inputEnabled_ && events_; },
        [this](const std::vector<std::string>& paths) { events_->WindowFilesDropped(paths); });
  }
  platform_.AddWindow(this);
}

TX11Window::~TX11Window() {
  if (accessibleRoot_ != 0 && platform_.Atk()) {
    platform_.Atk()->WindowClosed(accessibleRoot_);
  }
  platform_.RemoveWindow(this);
  XFreeGC(x_.Dpy, gc_);
  XDestroyWindow(x_.Dpy, window_);
  XFlush(x_.Dpy);
}

void TX11Window::ApplySizeHints() {
  SetSizeHints(x_, window_, params_.Kind, ClientToScreen({0, 0}), size_);
}

void TX11Window::SetTitle(const std::string& utf8) {
  XChangeProperty(x_.Dpy, window_, x_.NetWmName, x_.Utf8String, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(utf8.data()),
                  static_cast<int>(utf8.size()));
  // The legacy name for window managers without UTF-8 titles; ASCII titles read the same.
  XStoreName(x_.Dpy, window_, utf8.c_str());
}

void TX11Window::SetIcon(const gfx::TBitmap& icon) {
  if (icon.IsEmpty()) {
    return;
  }
  // Format-32 properties travel as longs: width, height, then ARGB rows.
  std::vector<long> data;
  data.reserve(2 + static_cast<size_t>(icon.Width()) * icon.Height());
  data.push_back(icon.Width());
  data.push_back(icon.Height());
  for (int y = 0; y < icon.Height(); ++y) {
    for (int x = 0; x < icon.Width(); ++x) {
      uint32_t px = icon.At(x, y);
      uint32_t a = icon.HasAlpha() ? (px >> 24) : 0xFF;
      data.push_back(static_cast<long>((a << 24) | ServerPixel(px)));
    }
  }
  XChangeProperty(x_.Dpy, window_, x_.NetWmIcon, XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(data.data()), static_cast<int>(data.size()));
}

void TX11Window::Show() {
  if (mapped_) {
    return;
  }
  if (params_.Kind != wkPopup) {
    SetUserTime(x_, window_);
  }
  XMapRaised(x_.Dpy, window_);
  if (!everShown_ && params_.Kind != wkPopup) {
    // Some window managers place new windows themselves; ask once more after mapping.
    XWindowAttributes wa{};
    XGetWindowAttributes(x_.Dpy, window_, &wa);
    XMoveWindow(x_.Dpy, window_, wa.x, wa.y);
  }
  everShown_ = true;
  mapped_ = true;
  XFlush(x_.Dpy);
  if (TAccessible* root = AccessibleRoot()) {
    accessibleRoot_ = root->Id();
    platform_.Atk()->WindowShown(*root);
  }
}

TAccessible* TX11Window::AccessibleRoot() const {
  if (!platform_.Atk() || !events_ || params_.Kind == wkPopup) {
    return nullptr;
  }
  return events_->WindowAccessible();
}

void TX11Window::AccessibilityEvent(TAccEvent event, const TAccessible& node) {
  if (accessibleRoot_ != 0 && platform_.Atk()) {
    platform_.Atk()->AccessibilityEvent(event, node);
  }
}

bool TX11Window::KeyTakenByReader(XKeyEvent& key) {
  if (accessibleRoot_ == 0 || !platform_.Atk()) {
    return false;
  }
  char text[16] = {};
  KeySym sym = 0;
  const int length = XLookupString(&key, text, sizeof(text), &sym, nullptr);
  platform_atk::TKeyEvent event;
  event.Press = key.type == KeyPress;
  event.State = key.state;
  event.Keysym = static_cast<unsigned>(sym);
  // Latin-1 from XLookupString; readers take UTF-8.
  for (int i = 0; i < length; ++i) {
    AppendUtf8(event.Text, static_cast<unsigned char>(text[i]));
  }
  event.Keycode = static_cast<uint16_t>(key.keycode);
  event.Time = static_cast<uint32_t>(key.time);
  return platform_.Atk()->Key(event);
}

void TX11Window::Hide() {
  if (!mapped_) {
    return;
  }
  XUnmapWindow(x_.Dpy, window_);
  mapped_ = false;
  focusWanted_ = false;
  XFlush(x_.Dpy);
}

void TX11Window::SetClientSize(int width, int height) {
  size_ = {std::max(width, 1), std::max(height, 1)};
  if (params_.Kind != wkMain) {
    ApplySizeHints();
  }
  XResizeWindow(x_.Dpy, window_, size_.Width, size_.Height);
}

void TX11Window::MoveTo(int screenLeft, int screenTop) {
  XMoveWindow(x_.Dpy, window_, screenLeft, screenTop);
}

void TX11Window::Present(const gfx::TBitmap& image, const TRect& dirty) {
  TRect r = dirty.Intersect(image.BoundsRect());
  if (image.Width() != imageWidth_ || image.Height() != imageHeight_) {
    imageWidth_ = image.Width();
    imageHeight_ = image.Height();
    pixels_.assign(static_cast<size_t>(imageWidth_) * imageHeight_, 0);
    r = image.BoundsRect();
  }
  for (int y = r.Top; y < r.Bottom; ++y) {
    const uint32_t* src = image.Scanline(y);
    uint32_t* dst = pixels_.data() + static_cast<size_t>(y) * imageWidth_;
    for (int x = r.Left; x < r.Right; ++x) {
      dst[x] = ServerPixel(src[x]);
    }
  }
  Blit(r);
  XFlush(x_.Dpy);
}

void TX11Window::Blit(const TRect& area) {
  TRect r = area.Intersect({0, 0, imageWidth_, imageHeight_});
  if (r.IsEmpty()) {
    return;
  }
  Display* dpy = x_.Dpy;
  Visual* visual = DefaultVisual(dpy, x_.Screen);
  int depth = DefaultDepth(dpy, x_.Screen);
  if (depth == 24 || depth == 32) {
    XImage* img =
        XCreateImage(dpy, visual, depth, ZPixmap, 0, reinterpret_cast<char*>(pixels_.data()),
                     imageWidth_, imageHeight_, 32, imageWidth_ * 4);
    if (!img) {
      return;
    }
    XPutImage(dpy, window_, gc_, img, r.Left, r.Top, r.Left, r.Top, r.Width(), r.Height());
    img->data = nullptr;  // the pixels are ours
    XDestroyImage(img);
    return;
  }
  // Other depths: let Xlib convert pixel by pixel through the visual's masks.
  XImage* img = XCreateImage(dpy, visual, depth, ZPixmap, 0, nullptr, r.Width(), r.Height(), 32, 0);
  if (!img) {
    return;
  }
  img->data = static_cast<char*>(std::calloc(static_cast<size_t>(img->bytes_per_line), r.Height()));
  auto shift = [](unsigned long mask) {
    int s = 0;
    while (mask && !(mask & 1)) {
      mask >>= 1;
      ++s;
    }
    return s;
  };
  auto width = [](unsigned long mask, int s) {
    int w = 0;
    for (mask >>= s; mask & 1; mask >>= 1) {
      ++w;
    }
    return w;
  };
  int rs = shift(visual->red_mask), gs = shift(visual->green_mask), bs = shift(visual->blue_mask);
  int rw = width(visual->red_mask, rs), gw = width(visual->green_mask, gs),
      bw = width(visual->blue_mask, bs);
  for (int y = 0; y < r.Height(); ++y) {
    for (int x = 0; x < r.Width(); ++x) {
      uint32_t p = pixels_[static_cast<size_t>(y + r.Top) * imageWidth_ + x + r.Left];
      unsigned long v = (((p >> 16) & 0xFF) >> (8 - rw) << rs) |
                        (((p >> 8) & 0xFF) >> (8 - gw) << gs) | ((p & 0xFF) >> (8 - bw) << bs);
      XPutPixel(img, x, y, v);
    }
  }
  XPutImage(dpy, window_, gc_, img, 0, 0, r.Left, r.Top, r.Width(), r.Height());
  XDestroyImage(img);
}

void TX11Window::SetCursor(TCursor cursor) {
  size_t i = static_cast<size_t>(cursor);
  if (i >= x_.Cursors.size()) {
    i = 0;
  }
  XDefineCursor(x_.Dpy, window_, x_.Cursors[i]);
  XFlush(x_.Dpy);
}

TPoint TX11Window::ClientToScreen(TPoint p) const {
  int rx = 0, ry = 0;
  ::Window child;
  XTranslateCoordinates(x_.Dpy, window_, RootWindow(x_.Dpy, x_.Screen), p.X, p.Y, &rx, &ry, &child);
  return {rx, ry};
}

bool TX11Window::Maximized() const {
  Atom type;
  int format;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(x_.Dpy, window_, x_.NetWmState, 0, 64, False, XA_ATOM, &type, &format,
                         &count, &after, &data) != Success ||
      !data) {
    return false;
  }
  bool vert = false, horz = false;
  auto* atoms = reinterpret_cast<Atom*>(data);
  for (unsigned long i = 0; i < count; ++i) {
    vert |= atoms[i] == x_.NetWmStateMaxVert;
    horz |= atoms[i] == x_.NetWmStateMaxHorz;
  }
  XFree(data);
  return vert && horz;
}

void TX11Window::BeginResizeDrag(TPoint screenPos) {
  XUngrabPointer(x_.Dpy, CurrentTime);
  XEvent ev{};
  ev.xclient.type = ClientMessage;
  ev.xclient.window = window_;
  ev.xclient.message_type = x_.NetWmMoveResize;
  ev.xclient.format = 32;
  ev.xclient.data.l[0] = screenPos.X;
  ev.xclient.data.l[1] = screenPos.Y;
  ev.xclient.data.l[2] = kMoveResizeBottomRight;
  ev.xclient.data.l[3] = Button1;
  ev.xclient.data.l[4] = 1;  // a normal application asks
  XSendEvent(x_.Dpy, RootWindow(x_.Dpy, x_.Screen), False,
             SubstructureRedirectMask | SubstructureNotifyMask, &ev);
  XFlush(x_.Dpy);
  buttons_ = 0;
}

void TX11Window::GrabFocus() {
  if (params_.Kind == wkPopup) {
    return;
  }
  // Until the window is viewable the request waits for its MapNotify (or Expose).
  focusWanted_ = !Activate(x_, window_);
}

void TX11Window::HandleEvent(XEvent& ev) {
  if (!events_) {
    return;
  }
  switch (ev.type) {
    case Expose:
      Blit(Bounds(ev.xexpose.x, ev.xexpose.y, ev.xexpose.width, ev.xexpose.height));
      if (focusWanted_) {
        focusWanted_ = !Activate(x_, window_);
      }
      break;
    case ConfigureNotify:
      if (ev.xconfigure.width != size_.Width || ev.xconfigure.height != size_.Height) {
        size_ = {ev.xconfigure.width, ev.xconfigure.height};
        events_->WindowResized(size_.Width, size_.Height);
      }
      break;
    case ButtonPress: {
      x_.LastUserTime = ev.xbutton.time;
      if (!inputEnabled_) {
        break;
      }
      TPoint p{ev.xbutton.x, ev.xbutton.y};
      TShiftState shift = ShiftFromX(ev.xbutton.state);
      unsigned b = ev.xbutton.button;
      if (b == Button4 || b == Button5) {
        events_->WindowMouseWheel(shift, b == Button4 ? kWheelDelta : -kWheelDelta, p);
      } else if (b >= Button1 && b <= Button3) {
        TMouseButton mb = b == Button1 ? mbLeft : b == Button2 ? mbMiddle : mbRight;
        events_->WindowMouseDown(mb, shift, p);
      }
      break;
    }
    case ButtonRelease: {
      unsigned b = ev.xbutton.button;
      if (b < Button1 || b > Button3) {
        break;
      }
      TMouseButton mb = b == Button1 ? mbLeft : b == Button2 ? mbMiddle : mbRight;
      // Releases always reach the toolkit, so a press never stays held.
      events_->WindowMouseUp(mb, ShiftFromX(ev.xbutton.state), {ev.xbutton.x, ev.xbutton.y});
      break;
    }
    case MotionNotify: {
      // Only the newest position matters.
      while (XCheckTypedWindowEvent(x_.Dpy, window_, MotionNotify, &ev)) {
      }
      if (!inputEnabled_) {
        break;
      }
      events_->WindowMouseMove(ShiftFromX(ev.xmotion.state), {ev.xmotion.x, ev.xmotion.y});
      break;
    }
    case LeaveNotify:
      if (ev.xcrossing.mode == NotifyNormal) {
        events_->WindowMouseLeave();
      }
      break;
    case KeyPress: {
      x_.LastUserTime = ev.xkey.time;
      if (!inputEnabled_) {
        break;
      }
      char buf[16] = {};
      KeySym sym = 0;
      int n = XLookupString(&ev.xkey, buf, sizeof(buf), &sym, nullptr);
      if (KeyTakenByReader(ev.xkey)) {
        break;
      }
      TShiftState shift = ShiftFromX(ev.xkey.state);
      if (TKey key = KeyFromKeysym(sym)) {
        events_->WindowKeyDown(key, shift);
      }
      if (!(shift & (ssCtrl | ssAlt))) {
        for (int i = 0; i < n; ++i) {
          auto ch = static_cast<unsigned char>(buf[i]);  // Latin-1
          if (ch >= 0x20 && ch != 0x7F) {
            events_->WindowChar(ch);
          }
        }
      }
      break;
    }
    case KeyRelease: {
      if (!inputEnabled_) {
        break;
      }
      if (KeyTakenByReader(ev.xkey)) {
        break;
      }
      KeySym sym = XLookupKeysym(&ev.xkey, 0);
      if (TKey key = KeyFromKeysym(sym)) {
        events_->WindowKeyUp(key, ShiftFromX(ev.xkey.state));
      }
      break;
    }
    case SelectionNotify:
      if (drop_) {
        drop_->HandleEvent(ev);
      }
      break;
    case ClientMessage:
      if (AnswerPing(x_, ev.xclient) || (drop_ && drop_->HandleEvent(ev))) {
        break;
      }
      if (ev.xclient.message_type == x_.WmProtocols &&
          static_cast<Atom>(ev.xclient.data.l[0]) == x_.WmDeleteWindow && inputEnabled_) {
        events_->WindowCloseRequest();
      }
      break;
    case FocusIn:
    case FocusOut: {
      const bool in = ev.type == FocusIn;
      if (in) {
        focusWanted_ = false;
      }
      if (!in && ev.xfocus.mode == NotifyNormal) {
        events_->WindowDeactivated();
      }
      // The pointer's focus is not the window's; a reader hears the window's.
      const int detail = ev.xfocus.detail;
      if (accessibleRoot_ != 0 && detail != NotifyPointer && detail != NotifyPointerRoot &&
          detail != NotifyDetailNone && detail != NotifyInferior) {
        if (TAccessible* root = FindAccessible(accessibleRoot_)) {
          platform_.Atk()->WindowFocused(*root, in);
        }
      }
      break;
    }
    case UnmapNotify:
      mapped_ = false;
      break;
    case MapNotify:
      mapped_ = true;
      if (focusWanted_) {
        focusWanted_ = !Activate(x_, window_);
      }
      break;
    default:
      break;
  }
}

}  // namespace x11
