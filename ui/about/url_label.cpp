#include "ui/about/url_label.h"

#include <cctype>

#include "gfx/canvas.h"
#include "ui/about/link_opener.h"

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
  Font.Underline = true;
}

void TRzURLLabel::SetVisited(bool visited) {
  if (visited == visited_) {
    return;
  }
  visited_ = visited;
  Invalidate();
}

std::string TRzURLLabel::Target() const {
  std::string target = TrimBlanks(URL);
  if (target.empty()) {
    target = TrimBlanks(Caption());
  }
  return target;
}

void TRzURLLabel::Paint(TCanvas& canvas) {
  TRect r = ClientRect();
  if (!Transparent()) {
    canvas.FillRect(r, Color);
  }
  canvas.Font = Font;
  canvas.Font.Color = TextColor();
  unsigned flags = gfx::dtSingleLine | gfx::dtExpandTabs;
  if (Alignment == taRightJustify) {
    flags |= gfx::dtRight;
  }
  if (Alignment == taCenter) {
    flags |= gfx::dtCenter;
  }
  canvas.DrawText(Caption(), r, flags);
}

void TRzURLLabel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TLabel::MouseDown(button, shift, x, y);
  if (button == mbLeft) {
    pressed_ = true;
  }
}

void TRzURLLabel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TLabel::MouseUp(button, shift, x, y);
  if (button != mbLeft || !pressed_) {
    return;
  }
  pressed_ = false;
  if (ClientRect().Contains(x, y)) {
    Click();
  }
}

void TRzURLLabel::Click() {
  TLabel::Click();
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
