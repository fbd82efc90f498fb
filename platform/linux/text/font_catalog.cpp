#include "font_catalog.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <tuple>

namespace platform_linux {

namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

TFaceFile FromPattern(FcPattern* p, bool bold, bool italic) {
  TFaceFile f;
  FcChar8* file = nullptr;
  if (FcPatternGetString(p, FC_FILE, 0, &file) == FcResultMatch && file != nullptr) {
    f.Path = reinterpret_cast<const char*>(file);
  }
  int index = 0;
  if (FcPatternGetInteger(p, FC_INDEX, 0, &index) == FcResultMatch) {
    f.Index = index;
  }
  int weight = FC_WEIGHT_REGULAR;
  FcPatternGetInteger(p, FC_WEIGHT, 0, &weight);
  int slant = FC_SLANT_ROMAN;
  FcPatternGetInteger(p, FC_SLANT, 0, &slant);
  f.SynthBold = bold && weight < FC_WEIGHT_DEMIBOLD;
  f.SynthItalic = italic && slant == FC_SLANT_ROMAN;
  return f;
}

FcPattern* Request(const std::string& family, bool bold, bool italic) {
  FcPattern* p = FcPatternCreate();
  FcPatternAddString(p, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(p, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(p, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(p, FC_SCALABLE, FcTrue);
  return p;
}

}  // namespace

std::string SubstituteFamily(const std::string& family) {
  static const std::map<std::string, std::string> kTable = {
      {"arial", "Liberation Sans"},
      {"helvetica", "Liberation Sans"},
      {"ms sans serif", "Liberation Sans"},
      {"microsoft sans serif", "Liberation Sans"},
      {"ms shell dlg", "Liberation Sans"},
      {"ms shell dlg 2", "Liberation Sans"},
      {"tahoma", "DejaVu Sans"},
      {"verdana", "DejaVu Sans"},
      {"times new roman", "Liberation Serif"},
      {"courier new", "Liberation Mono"},
      {"simsun", "WenQuanYi Micro Hei"},
      {"\xE5\xAE\x8B\xE4\xBD\x93", "WenQuanYi Micro Hei"},  // 宋体
      {"microsoft yahei", "WenQuanYi Micro Hei"},
  };
  auto it = kTable.find(Lower(family));
  return it != kTable.end() ? it->second : family;
}

struct TFontCatalog::TImpl {
  FcConfig* config = nullptr;
  std::map<std::tuple<std::string, bool, bool>, TFaceFile> matches;
  // Sorted fallback candidates per style, with their character sets.
  struct TCandidate {
    TFaceFile face;
    FcCharSet* charset;  // owned by `set`
  };
  struct TFallbacks {
    FcFontSet* set = nullptr;
    std::vector<TCandidate> candidates;
  };
  std::map<std::pair<bool, bool>, TFallbacks> fallbacks;

  TFallbacks& FallbacksFor(bool bold, bool italic) {
    auto key = std::make_pair(bold, italic);
    auto it = fallbacks.find(key);
    if (it != fallbacks.end()) {
      return it->second;
    }
    TFallbacks& fb = fallbacks[key];
    FcPattern* p = Request("sans-serif", bold, italic);
    FcPatternAddString(p, FC_LANG, reinterpret_cast<const FcChar8*>("zh-cn"));
    FcConfigSubstitute(config, p, FcMatchPattern);
    FcDefaultSubstitute(p);
    FcResult result;
    fb.set = FcFontSort(config, p, FcTrue, nullptr, &result);
    FcPatternDestroy(p);
    if (fb.set != nullptr) {
      for (int i = 0; i < fb.set->nfont; ++i) {
        FcCharSet* cs = nullptr;
        if (FcPatternGetCharSet(fb.set->fonts[i], FC_CHARSET, 0, &cs) != FcResultMatch) {
          continue;
        }
        TFaceFile f = FromPattern(fb.set->fonts[i], bold, italic);
        if (!f.Path.empty()) {
          fb.candidates.push_back({f, cs});
        }
      }
    }
    return fb;
  }
};

TFontCatalog::TFontCatalog() : impl_(new TImpl) {
  impl_->config = FcInitLoadConfigAndFonts();
}

TFontCatalog::~TFontCatalog() {
  for (auto& [key, fb] : impl_->fallbacks) {
    if (fb.set != nullptr) {
      FcFontSetDestroy(fb.set);
    }
  }
  if (impl_->config != nullptr) {
    FcConfigDestroy(impl_->config);
  }
  delete impl_;
}

TFaceFile TFontCatalog::Match(const std::string& family, bool bold, bool italic) {
  auto key = std::make_tuple(family, bold, italic);
  auto it = impl_->matches.find(key);
  if (it != impl_->matches.end()) {
    return it->second;
  }
  FcPattern* p = Request(SubstituteFamily(family), bold, italic);
  FcConfigSubstitute(impl_->config, p, FcMatchPattern);
  FcDefaultSubstitute(p);
  FcResult result;
  FcPattern* match = FcFontMatch(impl_->config, p, &result);
  TFaceFile f;
  if (match != nullptr) {
    f = FromPattern(match, bold, italic);
    FcPatternDestroy(match);
  }
  FcPatternDestroy(p);
  impl_->matches[key] = f;
  return f;
}

TFaceFile TFontCatalog::FallbackFor(char32_t c, bool bold, bool italic) {
  for (const auto& cand : impl_->FallbacksFor(bold, italic).candidates) {
    if (FcCharSetHasChar(cand.charset, static_cast<FcChar32>(c))) {
      return cand.face;
    }
  }
  return {};
}

}  // namespace platform_linux
