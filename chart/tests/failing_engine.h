#pragma once

#include <stdexcept>
#include <string_view>

#include "gfx/text.h"

// The box engine, failing on every call once it has answered `FailAfter`.
class FailingEngine : public gfx::TTextEngine {
 public:
  int FailAfter = -1;
  gfx::TFontMetrics Metrics(const gfx::TFont& font) override {
    Count();
    return gfx::BoxTextEngine().Metrics(font);
  }
  int TextWidth(const gfx::TFont& font, std::string_view text) override {
    Count();
    return gfx::BoxTextEngine().TextWidth(font, text);
  }
  void Layout(const gfx::TFont& font, std::string_view text, gfx::TGlyphRun& out) override {
    Count();
    gfx::BoxTextEngine().Layout(font, text, out);
  }

 private:
  void Count() {
    if (FailAfter >= 0 && calls_++ >= FailAfter) {
      throw std::runtime_error("Error creating font");
    }
  }
  int calls_ = 0;
};
