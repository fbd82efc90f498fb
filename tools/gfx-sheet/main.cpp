// gfx-sheet [OUTPUT.png]: draws the drawing layer's primitives and text
// samples on one sheet, for a person to look at.
#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "gfx/canvas.h"
#include "gfx/shading.h"
#include "linux_gfx.h"

using namespace gfx;

namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 1000;

TFont Arial(int height, bool bold = false) {
  TFont f;
  f.Name = "Arial";
  f.Height = height;
  f.Bold = bold;
  f.Color = clBlack;
  return f;
}

void Caption(TCanvas& c, int x, int y, const std::string& text) {
  c.Font = Arial(11, true);
  c.Font.Color = clNavy;
  c.DrawTextAt(x, y, text);
}

void Rectangles(TCanvas& c, int x, int y) {
  Caption(c, x, y, "Rectangles: fill, frame, pen 1 and 2, no pen, focus");
  y += 18;
  c.FillRect({x, y, x + 40, y + 30}, clSkyBlue);
  c.FrameRect({x + 50, y, x + 90, y + 30}, clMaroon);
  c.Pen = {clBlack, 1, psSolid, pmCopy};
  c.Brush = {clYellow, bsSolid};
  c.Rectangle(x + 100, y, x + 140, y + 30);
  c.Pen.Width = 2;
  c.Rectangle(x + 150, y, x + 190, y + 30);
  c.Pen.Style = psClear;
  c.Brush.Color = clGreen;
  c.Rectangle(x + 200, y, x + 240, y + 30);
  c.Pen = TPen{};
  c.DrawFocusRect({x + 250, y, x + 290, y + 30});
  c.Pen.Style = psDot;
  c.Brush.Style = bsClear;
  c.Rectangle(x + 300, y, x + 340, y + 30);
  c.Pen = TPen{};
  c.Brush = TBrush{};
}

void Lines(TCanvas& c, int x, int y) {
  Caption(c, x, y, "Lines: fan, width 2, polyline, polygon");
  y += 18;
  for (int i = 0; i <= 8; ++i) {
    c.Line(x, y + 60, x + 60, y + 60 - i * 60 / 8);
  }
  c.Pen.Width = 2;
  c.Pen.Color = clRed;
  c.Line(x + 80, y + 10, x + 140, y + 10);
  c.Line(x + 80, y + 20, x + 80, y + 60);
  c.Line(x + 90, y + 20, x + 140, y + 60);
  c.Pen = TPen{};
  const std::vector<TPoint> zig = {
      {x + 160, y + 60}, {x + 175, y}, {x + 190, y + 60}, {x + 205, y}, {x + 220, y + 60}};
  c.Pen.Color = clBlue;
  c.Polyline(zig);
  const std::vector<TPoint> star = {
      {x + 270, y}, {x + 285, y + 60}, {x + 240, y + 20}, {x + 300, y + 20}, {x + 255, y + 60}};
  c.Pen.Color = clBlack;
  c.Brush.Color = clFuchsia;
  c.Polygon(star);
  c.Polygon(std::vector<TPoint>{{x + 320, y}, {x + 380, y}, {x + 350, y + 60}});
  c.Brush = TBrush{};
}

// Tabs with cut corners, filled through their outline as a clip region.
void Tabs(TCanvas& c, int x, int y) {
  Caption(c, x, y, "Tab outlines as clip polygons, gradient fill, card shadow");
  y += 18;
  c.FillRect({x, y, x + 300, y + 23}, cl3DLight);
  const int widths[] = {60, 60};
  int left = x + 2;
  TRect tabs[2];
  for (int i = 0; i < 2; ++i) {
    tabs[i] = {left, y + 3, left + widths[i], y + 23};
    left += widths[i] + 2;
  }
  c.Font = Arial(11, true);
  const char* captions[] = {"\xE6\x97\xA5\xE5\xBF\x97", "\xE5\x9B\xBE\xE8\xA1\xA8"};
  for (int i = 1; i >= 0; --i) {
    TRect r = tabs[i];
    if (i == 0) {
      r = {r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom};  // selected: grown
    }
    const std::vector<TPoint> outline = {{r.Left, r.Bottom},   {r.Left, r.Top + 2},
                                         {r.Left + 2, r.Top},  {r.Right - 2, r.Top},
                                         {r.Right, r.Top + 2}, {r.Right, r.Bottom}};
    std::string error;
    if (!c.PushClipPolygon(outline, &error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      continue;
    }
    if (i == 0) {
      c.FillRect(r, clWindow);
    } else {
      FillGradient(c, r, clWindow, clBtnFace);
    }
    c.PopClip();
    c.Pen = {clBtnShadow, 1, psSolid, pmCopy};
    c.Polyline(outline);
    c.Font.Color = i == 0 ? clBlue : clBtnText;
    TRect text = {r.Left + 5, r.Top + 3, r.Right - 5, r.Bottom - 3};
    c.DrawTextIn(captions[i], text, dtCenter | dtSingleLine);
  }
  const TRect card = {x, y + 23, x + 298, y + 80};
  c.FillRect(card, clWindow);
  c.FrameRect(card, clBtnShadow);
  c.BlendRect({card.Right, card.Top + 2, card.Right + 1, card.Bottom + 1}, clBlack, 30);
  c.BlendRect({card.Right + 1, card.Top + 3, card.Right + 2, card.Bottom + 2}, clBlack, 15);
  c.BlendRect({card.Left + 2, card.Bottom, card.Right, card.Bottom + 1}, clBlack, 30);
  c.BlendRect({card.Left + 3, card.Bottom + 1, card.Right + 1, card.Bottom + 2}, clBlack, 15);
  c.Pen = TPen{};
}

void Colours(TCanvas& c, int x, int y) {
  Caption(c, x, y, "System colours, lighten 30 / darken 30, blend 77, gradients");
  y += 18;
  const TColor sys[] = {clBtnFace,    clBtnShadow, clBtnHighlight, cl3DLight,
                        cl3DDkShadow, clHighlight, clWindow,       clWindowText};
  for (int i = 0; i < 8; ++i) {
    const int sx = x + i * 40;
    c.FillRect({sx, y, sx + 36, y + 12}, Lighten(sys[i], 30));
    c.FillRect({sx, y + 12, sx + 36, y + 24}, sys[i]);
    c.FillRect({sx, y + 24, sx + 36, y + 36}, Darken(sys[i], 30));
    c.FrameRect({sx, y, sx + 36, y + 36}, clBlack);
  }
  y += 42;
  const TColor tint = Blend(clHighlight, clWindow, 77);
  FillGradient(c, {x, y, x + 80, y + 40}, Lighten(tint, 20), tint);
  c.FrameRect({x, y, x + 80, y + 40}, clHighlight);
  FillGradient(c, {x + 90, y, x + 170, y + 40}, clWindow, Darken(clBtnFace, 10));
  FillGradient(c, {x + 180, y, x + 260, y + 40}, Blend(clWhite, 0x149BF0, 190), 0x149BF0);
  SetFullColor(false);
  FillGradientOrFlat(c, {x + 270, y, x + 310, y + 40}, clWindow, clBtnFace, tint);
  SetFullColor(true);
}

void Texts(TCanvas& c, int x, int y) {
  Caption(c, x, y, "Text");
  y += 18;
  c.Font = Arial(11);
  TRect r = {x, y, x + 80, y + 16};
  c.DrawTextIn("\xE5\x88\xB7\xE6\x96\xB0(&R)", r, dtLeft | dtSingleLine);  // 刷新(&R)
  c.Font = Arial(13, true);
  c.DrawTextAt(x + 90, y,
               "\xE5\xBC\x80\xE6\x9C\xBA/\xE5\x85\xB3\xE6\x9C\xBA\xE6\x97\xA5\xE5\xBF\x97");
  c.Font = Arial(11);
  c.DrawTextAt(x + 220, y, "2009-03-10");
  c.DrawTextAt(x + 300, y, "&& stays: ");
  TRect amp = {x + 360, y, x + 440, y + 16};
  c.DrawTextIn("A&&B &Close", amp, dtSingleLine);
  y += 22;
  for (int h = 11; h <= 19; ++h) {
    c.Font = Arial(h);
    c.DrawTextAt(x, y, std::to_string(h) + " px: Arial Wp 0123 \xE5\x88\xB7\xE6\x96\xB0");
    c.Font.Bold = true;
    c.DrawTextAt(x + 260, y, "Bold Wp");
    y += c.TextHeight("W");
  }
  c.Font = Arial(11);
  c.Font.Name = "MS Sans Serif";
  c.DrawTextAt(x, y + 4, "MS Sans Serif 11: 2009/3/10 8:05:00");
  c.Font.Name = "Verdana";
  c.Font.Underline = true;
  c.Font.Color = clBlue;
  c.DrawTextAt(x + 230, y + 4, "Verdana http://example.com");
}

void Wrapped(TCanvas& c, int x, int y) {
  Caption(c, x, y, "Wrapped and centred in a measured rectangle; rotated title");
  y += 18;
  c.Font = Arial(12);
  const char* text =
      "(1)\xE6\x98\xBE\xE7\xA4\xBA\xE7\x94\xB5\xE8\x84\x91\xE5\x90\xAF\xE5\x8A\xA8\xE6\x97\xB6"
      "\xE9\x97\xB4 word wrap keeps words whole, Chinese breaks anywhere";
  TRect calc = {x, y, x + 150, y};
  c.DrawTextIn(text, calc, dtWordBreak | dtCenter | dtCalcRect);
  const TRect box = {x, y, x + 150, calc.Bottom};
  c.FrameRect(box.Inflate(1), clSilver);
  TRect r = box;
  c.DrawTextIn(text, r, dtWordBreak | dtCenter);
  c.Font = Arial(11);
  c.Font.Orientation = 900;
  const char* title = "(\xE5\xB0\x8F\xE6\x97\xB6)";  // (小时)
  const int w = c.TextWidth(title);
  const int h = c.TextHeight(title);
  const int cx = x + 180;
  const int cy = y + 50;
  c.FrameRect({cx - 1, cy - w / 2 - 1, cx + h + 1, cy - w / 2 + w + 1}, clSilver);
  c.DrawTextAt(cx, cy - w / 2 + w, title);
  c.Font.Orientation = 0;
}

// 4x enlargement of part of the sheet, to judge glyph crispness.
void Magnify(TCanvas& c, const TBitmap& src, const TRect& from, int x, int y,
             const std::string& what) {
  Caption(c, x, y, "4x: " + what);
  y += 18;
  for (int sy = from.Top; sy < from.Bottom; ++sy) {
    for (int sx = from.Left; sx < from.Right; ++sx) {
      const TColor col = ColorOfPixel(src.At(sx, sy));
      c.FillRect(RectFromSize(x + (sx - from.Left) * 4, y + (sy - from.Top) * 4, 4, 4), col);
    }
  }
}

const TProgramUsage kProgram{
    "gfx-sheet",
    "Draws the drawing layer's primitives and text samples on one PNG for a person to look at.",
    "usage: gfx-sheet [OUTPUT.png]\n"};

}  // namespace

int main(int argc, char** argv) {
  const std::string out = argc > 1 ? argv[1] : "gfx-sheet.png";
  if (int status = 0; argc > 1 && AnswersStandardOption(kProgram, out, status)) {
    return status;
  }
  if (out.starts_with("-")) {
    return UsageError(kProgram, "unknown option '" + out + "'");
  }
  if (argc > 2) {
    return UsageError(kProgram, "more than one OUTPUT.png given");
  }
  platform_linux::InstallLinuxGfx();
  TBitmap sheet(kWidth, kHeight, PixelOf(clWhite));
  TCanvas c(sheet);
  Rectangles(c, 10, 10);
  Lines(c, 10, 80);
  Tabs(c, 450, 10);
  Colours(c, 450, 110);
  Texts(c, 10, 180);
  Wrapped(c, 450, 220);
  const TBitmap copy = sheet;
  Magnify(c, copy, {10, 196, 200, 236}, 10, 420, "the 11 px lines");
  Magnify(c, copy, {450, 26, 580, 56}, 10, 620, "tab corners");
  Magnify(c, copy, {620, 262, 660, 312}, 560, 620, "rotated title");
  std::string error;
  if (!SavePng(out, sheet, &error)) {
    std::fprintf(stderr, "gfx-sheet: %s: %s\n", out.c_str(), error.c_str());
    return 1;
  }
  std::printf("%s\n", out.c_str());
  return 0;
}
