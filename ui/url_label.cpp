#include "ui/url_label.h"

#include <cctype>

#include "gfx/canvas.h"
#include "ui/link_opener.h"

namespace {

std::string TrimBlanks(const std::string& s) {
  std::size_t b = 0, e = s.size();
  while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) {
    ++b;
  }
  while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) {
    --e;
  }
  return s.substr(b, e - b);
}

bool IsHtmExtension(const std::string& ext) {
  if (ext.size() != 4) {
    return false;
  }
  std::string lower;
  for (char c : ext) {
    lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return lower == ".htm";
}

}  // namespace

TRzURLLabel::TRzURLLabel() {
  Cursor = crHandPoint;
  gfx::TFont font = Font();
  font.Underline = true;
  SetFont(font);
  SetAcceptsFocus(true);
  TabStop = true;
}

void TRzURLLabel::Paint(TCanvas& canvas) {
  TPushButton::Paint(canvas);
  if (Focused()) {
    canvas.DrawFocusRect(ClientRect());
  }
}

std::string TRzURLLabel::Target() const {
  std::string target = TrimBlanks(url_);
  if (target.empty()) {
    target = TrimBlanks(Caption());
  }
  return target;
}

void TRzURLLabel::SetVisited(bool visited) {
  if (visited == visited_) {
    return;
  }
  visited_ = visited;
  Invalidate();
  NotifyAccessible(TAccEvent::StateChange);
}

void TRzURLLabel::Click() {
  TPushButton::Click();
  const std::string target = Target();
  if (target.empty()) {
    return;
  }
  TLinkOpener& opener = LinkOpener();
  if (opener.OpenVerb(target)) {
    SetVisited(true);
    return;
  }
  if (IsHtmExtension(LinkExtension(target))) {
    opener.StartChooser("*.htm");
  }
}
