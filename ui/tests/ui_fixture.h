#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "gfx/canvas.h"
#include "gfx/text_layout.h"
#include "platform/headless/headless_platform.h"
#include "ui/application.h"
#include "ui/form.h"

// A headless application for one test: fake clock, recorded windows and boxes.
class UiTest : public ::testing::Test {
 protected:
  UiTest() : app(std::make_unique<TApplication>(platform)) {}

  // Moves the fake clock on, running timers as the message loop would.
  void Advance(uint64_t ms) { platform.Advance(*app, ms); }

  // Text size in a font, as the canvases measure it.
  static TSize Measure(const gfx::TFont& font, const std::string& text) {
    return gfx::MeasureText(gfx::DefaultTextEngine(), font, text);
  }

  static gfx::TColor PixelAt(const gfx::TBitmap& image, int x, int y) {
    return gfx::ColorOfPixel(image.At(x, y));
  }

  headless::THeadlessPlatform platform;
  std::unique_ptr<TApplication> app;
};
