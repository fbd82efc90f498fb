#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace x11 {

struct TX11Display;

// The program's CLIPBOARD selection (ICCCM): the text it copied, offered as
// UTF8_STRING (with TARGETS and TIMESTAMP) for as long as it runs, or until
// another program takes the clipboard. Texts larger than one request go by
// the INCR protocol, a piece each time the requestor has read the last one.
// A window of its own, never shown, owns the selection, so that no window of
// the program has to stay open for it.
class TX11Clipboard {
 public:
  explicit TX11Clipboard(TX11Display& x);
  ~TX11Clipboard();
  TX11Clipboard(const TX11Clipboard&) = delete;
  TX11Clipboard& operator=(const TX11Clipboard&) = delete;

  void SetText(std::string utf8);
  // What the clipboard holds: ours, or what its owner answers within a short wait.
  std::string Text();
  // Takes the events of the selection: requests, its loss, and the reads of
  // a transfer under way. True when the event was one of them.
  bool HandleEvent(XEvent& event);

 private:
  struct TTransfer {
    ::Window Requestor = 0;
    Atom Property = 0;
    std::shared_ptr<const std::string> Text;  // as it was asked for
    size_t Sent = 0;
    uint64_t LastRead = 0;  // ms; a requestor that stops reading is given up
  };
  void Answer(const XSelectionRequestEvent& request);
  // Puts the requested text (or its first piece) on the requestor's property.
  bool Send(const XSelectionRequestEvent& request, Atom property);
  void SendPiece(TTransfer& transfer);
  Time ServerTime();
  size_t PieceSize() const;

  TX11Display& x_;
  ::Window owner_ = 0;
  Atom utf8_ = 0, targets_ = 0, timestamp_ = 0, incr_ = 0, property_ = 0;
  std::shared_ptr<const std::string> text_;
  Time owned_ = CurrentTime;
  std::vector<TTransfer> transfers_;
};

}  // namespace x11
