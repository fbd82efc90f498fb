#include "freetype_engine.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_DRIVER_H
#include FT_MODULE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>

#include "gfx/utf8.h"

namespace platform_linux {

struct TFreeTypeEngine::TFace {
  FT_Face Face = nullptr;
  int Id = 0;
  int CurrentSize = 0;
  bool SynthBold = false;
  bool SynthItalic = false;
};

struct TFreeTypeEngine::TStyle {
  TFace* Primary = nullptr;
  bool Bold = false;
  bool Italic = false;
  std::unordered_map<char32_t, std::pair<TFace*, unsigned>> Chars;
  std::map<int, gfx::TFontMetrics> Metrics;  // by pixel size
};

namespace {

int CeilDiv(long num, long den) {
  return static_cast<int>((num + den - 1) / den);
}

}  // namespace

TFreeTypeEngine::TFreeTypeEngine() {
  FT_Library lib = nullptr;
  if (FT_Init_FreeType(&lib) == 0) {
    library_ = lib;
    // The classic interpreter hints both directions, so stems land on whole
    // pixels as in the Windows rendering the layouts were made with.
    FT_UInt version = TT_INTERPRETER_VERSION_35;
    FT_Property_Set(lib, "truetype", "interpreter-version", &version);
  }
}

TFreeTypeEngine::~TFreeTypeEngine() {
  glyphs_.clear();
  styles_.clear();
  for (auto& [key, face] : faces_) {
    if (face->Face != nullptr) {
      FT_Done_Face(face->Face);
    }
  }
  faces_.clear();
  if (library_ != nullptr) {
    FT_Done_FreeType(static_cast<FT_Library>(library_));
  }
}

TFreeTypeEngine::TFace* TFreeTypeEngine::OpenFace(const TFaceFile& file) {
  if (file.Path.empty() || library_ == nullptr) {
    return nullptr;
  }
  // Synthesis flags are part of the key: the same file may serve a regular
  // request and an emboldened one.
  const std::string key = file.Path + (file.SynthBold ? "|b" : "") + (file.SynthItalic ? "|i" : "");
  auto& slot = faces_[{key, file.Index}];
  if (!slot) {
    slot = std::make_unique<TFace>();
    slot->Id = static_cast<int>(faces_.size());
    slot->SynthBold = file.SynthBold;
    slot->SynthItalic = file.SynthItalic;
    FT_Face face = nullptr;
    if (FT_New_Face(static_cast<FT_Library>(library_), file.Path.c_str(), file.Index, &face) == 0) {
      slot->Face = face;
    }
  }
  return slot->Face != nullptr ? slot.get() : nullptr;
}

TFreeTypeEngine::TStyle& TFreeTypeEngine::StyleFor(const gfx::TFont& font) {
  auto& slot = styles_[{font.Name, font.Bold, font.Italic}];
  if (!slot) {
    slot = std::make_unique<TStyle>();
    slot->Bold = font.Bold;
    slot->Italic = font.Italic;
    slot->Primary = OpenFace(catalog_.Match(font.Name, font.Bold, font.Italic));
  }
  return *slot;
}

std::pair<TFreeTypeEngine::TFace*, unsigned> TFreeTypeEngine::Resolve(TStyle& style, char32_t c) {
  if (c < 0x20 || c == 0x7F) {
    return {nullptr, 0};
  }
  auto it = style.Chars.find(c);
  if (it != style.Chars.end()) {
    return it->second;
  }
  std::pair<TFace*, unsigned> r{style.Primary, 0};
  if (style.Primary != nullptr) {
    r.second = FT_Get_Char_Index(style.Primary->Face, c);
  }
  if (r.second == 0) {
    TFace* fb = OpenFace(catalog_.FallbackFor(c, style.Bold, style.Italic));
    if (fb != nullptr) {
      const unsigned gi = FT_Get_Char_Index(fb->Face, c);
      if (gi != 0) {
        r = {fb, gi};
      }
    }
  }
  style.Chars[c] = r;
  return r;
}

void TFreeTypeEngine::SetSize(TFace* face, int size) {
  if (face->CurrentSize != size) {
    FT_Set_Pixel_Sizes(face->Face, 0, static_cast<FT_UInt>(size));
    face->CurrentSize = size;
  }
}

const TFreeTypeEngine::TGlyph& TFreeTypeEngine::GlyphFor(TFace* face, unsigned index, int size) {
  const std::uint64_t key = (static_cast<std::uint64_t>(face->Id) << 44) |
                            (static_cast<std::uint64_t>(size & 0xFFF) << 32) | index;
  auto& slot = glyphs_[key];
  if (slot) {
    return *slot;
  }
  slot = std::make_unique<TGlyph>();
  SetSize(face, size);
  FT_Face f = face->Face;
  if (FT_Load_Glyph(f, index, FT_LOAD_DEFAULT | FT_LOAD_TARGET_NORMAL) != 0) {
    return *slot;
  }
  if (face->SynthBold) {
    FT_GlyphSlot_Embolden(f->glyph);
  }
  if (face->SynthItalic) {
    FT_GlyphSlot_Oblique(f->glyph);
  }
  slot->Advance = static_cast<int>((f->glyph->advance.x + 32) >> 6);
  if (FT_Render_Glyph(f->glyph, FT_RENDER_MODE_NORMAL) != 0) {
    return *slot;
  }
  const FT_Bitmap& bm = f->glyph->bitmap;
  gfx::TGlyphImage& img = slot->Image;
  img.Left = f->glyph->bitmap_left;
  img.Top = f->glyph->bitmap_top;
  img.Width = static_cast<int>(bm.width);
  img.Height = static_cast<int>(bm.rows);
  img.Coverage.assign(static_cast<std::size_t>(img.Width) * img.Height, 0);
  if (bm.pixel_mode == FT_PIXEL_MODE_GRAY) {
    for (int y = 0; y < img.Height; ++y) {
      const unsigned char* src = bm.buffer + static_cast<std::ptrdiff_t>(y) * bm.pitch;
      std::copy(src, src + img.Width,
                img.Coverage.begin() + static_cast<std::ptrdiff_t>(y) * img.Width);
    }
  }
  return *slot;
}

gfx::TFontMetrics TFreeTypeEngine::Metrics(const gfx::TFont& font) {
  TStyle& style = StyleFor(font);
  const int size = std::max(font.Height, 1);
  auto it = style.Metrics.find(size);
  if (it != style.Metrics.end()) {
    return it->second;
  }
  gfx::TFontMetrics m;
  if (style.Primary == nullptr) {
    m.Ascent = size - size / 4;
    m.Descent = size / 4;
  } else {
    FT_Face f = style.Primary->Face;
    const long upem = f->units_per_EM > 0 ? f->units_per_EM : 2048;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(f, FT_SFNT_OS2));
    // The classic interface sizes lines by the Windows ascent and descent.
    const long asc = os2 != nullptr && os2->usWinAscent > 0 ? os2->usWinAscent : f->ascender;
    const long desc = os2 != nullptr && os2->usWinAscent > 0 ? os2->usWinDescent : -f->descender;
    m.Ascent = CeilDiv(asc * size, upem);
    m.Descent = CeilDiv(desc * size, upem);
    const double thick = std::max(1.0, std::round(f->underline_thickness * size / double(upem)));
    m.UnderlineThickness = static_cast<int>(thick);
    // FreeType gives the middle of the stroke. Keep one row clear under the
    // baseline, as the classic rendering does, and stay inside the descent.
    const double centre = -f->underline_position * size / double(upem);
    const int lowest = std::max(m.Descent - m.UnderlineThickness, 0);
    m.UnderlinePosition = std::clamp(static_cast<int>(std::lround(centre)), 1, std::max(lowest, 1));
    if (os2 != nullptr && os2->xAvgCharWidth > 0) {
      m.AveCharWidth = static_cast<int>(std::lround(os2->xAvgCharWidth * size / double(upem)));
    }
  }
  m.Height = m.Ascent + m.Descent;
  if (m.AveCharWidth <= 0) {
    m.AveCharWidth = TextWidth(font, "x");
  }
  style.Metrics[size] = m;
  return m;
}

void TFreeTypeEngine::Layout(const gfx::TFont& font, std::string_view utf8, gfx::TGlyphRun& out) {
  out.Glyphs.clear();
  out.Width = 0;
  TStyle& style = StyleFor(font);
  const int size = std::max(font.Height, 1);
  int x = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t c = gfx::NextCodePoint(utf8, i);
    if (c == '\t') {
      c = ' ';  // an unexpanded tab takes the room of a space
    }
    auto [face, index] = Resolve(style, c);
    if (face == nullptr) {
      continue;
    }
    const TGlyph& g = GlyphFor(face, index, size);
    if (g.Image.Width > 0 && g.Image.Height > 0) {
      out.Glyphs.push_back({x, &g.Image});
    }
    x += g.Advance;
  }
  out.Width = x;
}

void TFreeTypeEngine::ClearCache() {
  glyphs_.clear();
}

std::string TFreeTypeEngine::FaceFileFor(const gfx::TFont& font, char32_t c) {
  TStyle& style = StyleFor(font);
  auto [face, index] = Resolve(style, c);
  if (face == nullptr || index == 0) {
    return {};
  }
  for (const auto& [key, f] : faces_) {
    if (f.get() == face) {
      const std::string& k = key.first;
      return k.substr(0, k.find('|'));
    }
  }
  return {};
}

}  // namespace platform_linux
