#include "platform/win32/gdi_text_engine.h"

#include <algorithm>
#include <cmath>

#include "bootlog/utf8.h"
#include "gfx/utf8.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

namespace platform_win32 {

namespace {

HDC D(void* p) {
  return static_cast<HDC>(p);
}

std::u16string UnitsOf(char32_t c) {
  std::string utf8;
  AppendUtf8(utf8, c);
  return Utf16FromUtf8(utf8);
}

}  // namespace

TGdiTextEngine::TGdiTextEngine() {
  dc_ = CreateCompatibleDC(nullptr);
}

TGdiTextEngine::~TGdiTextEngine() {
  if (dc_ != nullptr) {
    // Deselected before they are deleted.
    SelectObject(D(dc_), GetStockObject(SYSTEM_FONT));
    if (oldBitmap_ != nullptr) {
      SelectObject(D(dc_), static_cast<HGDIOBJ>(oldBitmap_));
    }
    DeleteDC(D(dc_));
  }
  for (auto& [key, entry] : fonts_) {
    if (entry->Font != nullptr) {
      DeleteObject(static_cast<HFONT>(entry->Font));
    }
  }
  if (surface_ != nullptr) {
    DeleteObject(static_cast<HBITMAP>(surface_));
  }
}

bool TGdiTextEngine::EnsureSurface(int width, int height) {
  if (bits_ != nullptr && width <= surfaceWidth_ && height <= surfaceHeight_) {
    return true;
  }
  width = std::max(width, surfaceWidth_);
  height = std::max(height, surfaceHeight_);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(D(dc_), &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bmp == nullptr) {
    return false;
  }
  HGDIOBJ old = SelectObject(D(dc_), bmp);
  if (oldBitmap_ == nullptr) {
    oldBitmap_ = old;
  }
  if (surface_ != nullptr) {
    DeleteObject(static_cast<HBITMAP>(surface_));
  }
  surface_ = bmp;
  bits_ = static_cast<std::uint32_t*>(bits);
  surfaceWidth_ = width;
  surfaceHeight_ = height;
  return true;
}

TGdiTextEngine::TFontEntry& TGdiTextEngine::EntryFor(const gfx::TFont& font) {
  // Underline and rotation are drawn by the canvas, so they are not part of the font.
  auto& slot = fonts_[{font.Name, std::max(font.Height, 1), font.Bold, font.Italic, font.Charset}];
  if (slot) {
    return *slot;
  }
  slot = std::make_unique<TFontEntry>();
  LOGFONTW lf{};
  lf.lfHeight = -std::max(font.Height, 1);  // negative: the character (em) height
  lf.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = font.Italic ? TRUE : FALSE;
  lf.lfCharSet = static_cast<BYTE>(font.Charset);
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  // Grey smoothing, which coverage can carry; ClearType's colour fringes it cannot.
  lf.lfQuality = ANTIALIASED_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::u16string face = Utf16FromUtf8(font.Name);
  const std::size_t n = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
  std::copy(face.begin(), face.begin() + static_cast<std::ptrdiff_t>(n), lf.lfFaceName);
  HFONT hfont = CreateFontIndirectW(&lf);
  slot->Font = hfont;

  gfx::TFontMetrics& m = slot->Metrics;
  SelectObject(D(dc_), hfont);
  TEXTMETRICW tm{};
  if (GetTextMetricsW(D(dc_), &tm)) {
    m.Ascent = tm.tmAscent;
    m.Descent = tm.tmDescent;
    m.AveCharWidth = tm.tmAveCharWidth;
  } else {
    m.Ascent = font.Height - font.Height / 4;
    m.Descent = font.Height / 4;
  }
  m.Height = m.Ascent + m.Descent;
  OUTLINETEXTMETRICW otm{};
  otm.otmSize = sizeof(otm);
  if (GetOutlineTextMetricsW(D(dc_), sizeof(otm), &otm) != 0) {
    const int thick = std::max<int>(1, otm.otmsUnderscoreSize);
    m.UnderlineThickness = thick;
    // The position is the top of the underline above the baseline (negative below).
    const double centre = -static_cast<double>(otm.otmsUnderscorePosition);
    m.UnderlinePosition = std::max(0, static_cast<int>(std::lround(centre - thick / 2.0)));
  }
  if (m.AveCharWidth <= 0) {
    m.AveCharWidth = std::max(1, font.Height / 2);
  }
  return *slot;
}

const TGdiTextEngine::TGlyph& TGdiTextEngine::GlyphFor(TFontEntry& entry, char32_t c) {
  auto& slot = entry.Glyphs[c];
  if (slot) {
    return *slot;
  }
  slot = std::make_unique<TGlyph>();
  const std::u16string units = UnitsOf(c);
  const auto* text = reinterpret_cast<const wchar_t*>(units.c_str());
  const int count = static_cast<int>(units.size());
  HDC dc = D(dc_);
  SelectObject(dc, static_cast<HFONT>(entry.Font));
  SIZE size{};
  if (GetTextExtentPoint32W(dc, text, count, &size)) {
    slot->Advance = size.cx;
  }

  // Room around the cell for overhangs (italics, a substituted face's taller glyphs).
  const gfx::TFontMetrics& m = entry.Metrics;
  const int margin = std::max(m.Height, 4);
  const int width = slot->Advance + 2 * margin;
  const int height = m.Height + 2 * margin;
  if (!EnsureSurface(width, height)) {
    return *slot;
  }
  GdiFlush();
  for (int y = 0; y < height; ++y) {
    std::fill_n(bits_ + static_cast<std::size_t>(y) * surfaceWidth_, width, 0u);
  }
  SetTextColor(dc, RGB(255, 255, 255));
  SetBkMode(dc, TRANSPARENT);
  SetTextAlign(dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
  const int baseline = margin + m.Ascent;
  ExtTextOutW(dc, margin, baseline, 0, nullptr, text, static_cast<UINT>(count), nullptr);
  GdiFlush();

  int minX = width, minY = height, maxX = -1, maxY = -1;
  auto coverage = [&](int x, int y) {
    const std::uint32_t p = bits_[static_cast<std::size_t>(y) * surfaceWidth_ + x];
    return std::max({p & 0xFF, (p >> 8) & 0xFF, (p >> 16) & 0xFF});
  };
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (coverage(x, y) != 0) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
      }
    }
  }
  if (maxX < 0) {
    return *slot;  // a blank
  }
  gfx::TGlyphImage& img = slot->Image;
  img.Left = minX - margin;
  img.Top = baseline - minY;
  img.Width = maxX - minX + 1;
  img.Height = maxY - minY + 1;
  img.Coverage.resize(static_cast<std::size_t>(img.Width) * img.Height);
  for (int y = 0; y < img.Height; ++y) {
    for (int x = 0; x < img.Width; ++x) {
      img.Coverage[static_cast<std::size_t>(y) * img.Width + x] =
          static_cast<std::uint8_t>(coverage(minX + x, minY + y));
    }
  }
  return *slot;
}

gfx::TFontMetrics TGdiTextEngine::Metrics(const gfx::TFont& font) {
  return EntryFor(font).Metrics;
}

void TGdiTextEngine::Layout(const gfx::TFont& font, std::string_view utf8, gfx::TGlyphRun& out) {
  out.Glyphs.clear();
  out.Width = 0;
  TFontEntry& entry = EntryFor(font);
  int x = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t c = gfx::NextCodePoint(utf8, i);
    if (c == '\t') {
      c = ' ';  // an unexpanded tab takes the room of a space
    }
    if (c < 0x20 || c == 0x7F) {
      continue;
    }
    const TGlyph& g = GlyphFor(entry, c);
    if (g.Image.Width > 0 && g.Image.Height > 0) {
      out.Glyphs.push_back({x, &g.Image});
    }
    x += g.Advance;
  }
  out.Width = x;
}

void TGdiTextEngine::ClearCache() {
  for (auto& [key, entry] : fonts_) {
    entry->Glyphs.clear();
  }
}

std::size_t TGdiTextEngine::CachedGlyphCount() const {
  std::size_t n = 0;
  for (const auto& [key, entry] : fonts_) {
    n += entry->Glyphs.size();
  }
  return n;
}

std::string TGdiTextEngine::FaceName(const gfx::TFont& font) {
  TFontEntry& entry = EntryFor(font);
  SelectObject(D(dc_), static_cast<HFONT>(entry.Font));
  wchar_t name[LF_FACESIZE] = {};
  const int n = GetTextFaceW(D(dc_), LF_FACESIZE, name);
  if (n <= 0) {
    return {};
  }
  return Utf8FromUtf16(std::u16string(name, name + wcsnlen(name, LF_FACESIZE)));
}

}  // namespace platform_win32
