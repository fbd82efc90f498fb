#include "ui/memo.h"

#include <algorithm>
#include <string>

#include "gfx/canvas.h"
#include "gfx/edge.h"
#include "gfx/scale.h"
#include "gfx/text.h"
#include "ui/application.h"
#include "ui/table_text.h"

TMemo::TMemo() : TScrollingControl(kBorder) {
  SetBounds(0, 0, 185, 89);
  TabStop = true;
  SetColor(gfx::clWindow);
  Cursor = crIBeam;
}

void TMemo::SetLines(std::vector<std::string> lines) {
  if (lines.empty()) {
    lines.emplace_back();
  }
  lines_ = std::move(lines);
  layoutValid_ = false;
  anchor_ = caret_ = {};
  goalX_ = -1;
  topRow_ = 0;
  ResetScrollX();
  Invalidate();
  NotifyAccessible(TAccEvent::ValueChange);
}

std::string TMemo::Text() const {
  std::string out;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0) {
      out += kLineBreak;
    }
    out += lines_[i];
  }
  return out;
}

void TMemo::SetScrollBars(TScrollStyle style) {
  if (style == scrollBars_) {
    return;
  }
  scrollBars_ = style;
  layoutValid_ = false;
  Invalidate();
}

void TMemo::SetWordWrap(bool wrap) {
  if (wrap == wordWrap_) {
    return;
  }
  wordWrap_ = wrap;
  layoutValid_ = false;
  ResetScrollX();
  Invalidate();
}

// ---- selection

int TMemo::TextOffset(TMemoPos pos) const {
  int offset = pos.Offset;
  for (int i = 0; i < pos.Line && i < static_cast<int>(lines_.size()); ++i) {
    offset += static_cast<int>(lines_[i].size() + std::char_traits<char>::length(kLineBreak));
  }
  return offset;
}

void TMemo::SetSelection(TMemoPos anchor, TMemoPos caret) {
  auto clampPos = [this](TMemoPos p) {
    p.Line = std::clamp(p.Line, 0, static_cast<int>(lines_.size()) - 1);
    p.Offset = std::clamp(p.Offset, 0, static_cast<int>(lines_[p.Line].size()));
    return p;
  };
  anchor = clampPos(anchor);
  caret = clampPos(caret);
  if (anchor == anchor_ && caret == caret_) {
    return;
  }
  anchor_ = anchor;
  caret_ = caret;
  Invalidate();
  NotifyAccessible(TAccEvent::TextSelectionChange);
}

void TMemo::SelectAll() {
  SetSelection({}, LineEnd(static_cast<int>(lines_.size()) - 1));
}

std::string TMemo::SelText() const {
  TMemoPos a = std::min(anchor_, caret_), b = std::max(anchor_, caret_);
  if (a == b) {
    return {};
  }
  if (a.Line == b.Line) {
    return lines_[a.Line].substr(a.Offset, b.Offset - a.Offset);
  }
  std::string out = lines_[a.Line].substr(a.Offset);
  for (int l = a.Line + 1; l < b.Line; ++l) {
    out += kLineBreak;
    out += lines_[l];
  }
  out += kLineBreak;
  out += lines_[b.Line].substr(0, b.Offset);
  return out;
}

void TMemo::CopyToClipboard() {
  if (!HasSelection()) {
    return;
  }
  if (TApplication* app = Application()) {
    app->Platform().SetClipboardText(SelText());
  }
}

// ---- geometry and scrolling

const TMemoLayout& TMemo::Layout() const {
  const int width = wordWrap_ ? ViewRect().Width() - 2 * kMargin : 0;
  gfx::TTextEngine& engine = TextEngine();
  if (!layoutValid_ || !(layoutFont_ == Font()) || layoutWidth_ != width ||
      layoutEngine_ != &engine) {
    layout_.Build(lines_, engine, Font(), width > 0 || !wordWrap_ ? width : 1);
    layoutValid_ = true;
    layoutEngine_ = &engine;
    layoutFont_ = Font();
    layoutWidth_ = width;
  }
  return layout_;
}

int TMemo::RowHeight() const {
  return std::max(TextEngine().Metrics(Font()).Height, 1);
}

int TMemo::VisibleRows() const {
  return std::max(ViewRect().Height() / RowHeight(), 1);
}

int TMemo::MaxTopRow() const {
  return std::max(Layout().RowCount() - VisibleRows(), 0);
}

void TMemo::SetTopRow(int row) {
  ScrollField(topRow_, row, MaxTopRow());
}

int TMemo::ContentWidth() const {
  return Layout().MaxWidth() + 2 * kMargin;
}

bool TMemo::ScrollBarShown(bool vertical) const {
  return scrollBars_ == ssBoth || scrollBars_ == (vertical ? ssVertical : ssHorizontal);
}

TScrollBarState TMemo::RowRange() const {
  TScrollBarState bar;
  bar.Pos = topRow_;
  bar.Max = MaxTopRow();
  bar.Page = VisibleRows();
  bar.PageStep = std::max(VisibleRows() - 1, 1);
  return bar;
}

TMemoPos TMemo::PosAtPoint(TPoint p) const {
  const TMemoLayout& layout = Layout();
  TRect t = ViewRect();
  int dy = p.Y - t.Top;
  int row = topRow_ + (dy < 0 ? -1 - (-dy - 1) / RowHeight() : dy / RowHeight());
  if (row < 0) {
    return {};
  }
  if (row >= layout.RowCount()) {
    return LineEnd(static_cast<int>(lines_.size()) - 1);
  }
  return layout.PosAt(row, p.X - t.Left - kMargin + ScrollX());
}

TPoint TMemo::PointOfPos(TMemoPos pos) const {
  const TMemoLayout& layout = Layout();
  TRect t = ViewRect();
  return {t.Left + kMargin - ScrollX() + layout.XOf(pos),
          t.Top + (layout.RowOf(pos) - topRow_) * RowHeight()};
}

void TMemo::ScrollToCaret() {
  const TMemoLayout& layout = Layout();
  int row = layout.RowOf(caret_);
  if (row < topRow_) {
    SetTopRow(row);
  } else if (row >= topRow_ + VisibleRows()) {
    SetTopRow(row - VisibleRows() + 1);
  }
  const int x = layout.XOf(caret_) + kMargin;
  const int w = ViewRect().Width();
  if (x < ScrollX() + kMargin) {
    SetScrollX(x - kMargin);
  } else if (x >= ScrollX() + w) {
    SetScrollX(x - w + 1);
  }
}

// ---- painting

void TMemo::Paint(TCanvas& canvas) {
  gfx::DrawEdge(canvas, ClientRect(), gfx::esSunken);  // the classic edit box
  canvas.FillRect(ClientRect().Deflate(kBorder), Color());
  PaintRows(canvas);
  PaintScrollBars(canvas);
}

void TMemo::PaintRows(TCanvas& canvas) const {
  const TMemoLayout& layout = Layout();
  const TRect t = ViewRect();
  if (t.IsEmpty()) {
    return;
  }
  canvas.PushClipRect(t);
  const int rh = RowHeight();
  const bool focused = Focused();
  const TMemoPos a = std::min(anchor_, caret_), b = std::max(anchor_, caret_);
  const bool showSelection = focused && a != b;
  canvas.Font = Font();
  for (int r = topRow_; r < layout.RowCount(); ++r) {
    const int y = t.Top + (r - topRow_) * rh;
    if (y >= t.Bottom) {
      break;
    }
    const TMemoRow& row = layout.Rows()[r];
    const std::string& line = lines_[row.Line];
    const int x0 = t.Left + kMargin - ScrollX();
    // The selected part of this row, as indexes into its boundaries.
    std::size_t s0 = 0, s1 = 0;
    if (showSelection && a.Line <= row.Line && b.Line >= row.Line) {
      const int from = a.Line < row.Line ? row.Begin : std::max(a.Offset, row.Begin);
      const int to = b.Line > row.Line ? row.End : std::min(b.Offset, row.End);
      for (std::size_t k = 0; k < row.Offsets.size(); ++k) {
        if (row.Offsets[k] <= from) {
          s0 = k;
        }
        if (row.Offsets[k] <= to) {
          s1 = k;
        }
      }
      if (s1 < s0) {
        s1 = s0;
      }
    }
    auto piece = [&](std::size_t k0, std::size_t k1) {
      return std::string_view(line).substr(row.Offsets[k0], row.Offsets[k1] - row.Offsets[k0]);
    };
    const std::size_t last = row.Offsets.size() - 1;
    canvas.Font.Color = Font().Color;
    canvas.DrawTextAt(x0, y, piece(0, s0));
    if (s1 > s0) {
      canvas.FillRect({x0 + row.Xs[s0], y, x0 + row.Xs[s1], y + rh}, gfx::clHighlight);
      canvas.Font.Color = gfx::clHighlightText;
      canvas.DrawTextAt(x0 + row.Xs[s0], y, piece(s0, s1));
      canvas.Font.Color = Font().Color;
    }
    canvas.DrawTextAt(x0 + row.Xs[s1], y, piece(s1, last));
  }
  if (focused && !HasSelection()) {
    const TPoint c = PointOfPos(caret_);
    canvas.FillRect({c.X, c.Y, c.X + 1, c.Y + rh}, Font().Color);
  }
  canvas.PopClip();
}

void TMemo::DoEnter() {
  Invalidate();
  TScrollingControl::DoEnter();
}

void TMemo::DoExit() {
  selecting_ = false;
  Invalidate();
  TScrollingControl::DoExit();
}
