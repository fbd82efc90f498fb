#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gfx/canvas.h"
#include "gfx/shading.h"
#include "gfx/text_layout.h"
#include "platform/headless/headless_platform.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/link_opener.h"
#ifndef _WIN32
#include "linux_gfx.h"
#endif

// A link opener that accepts or refuses as told and records what it was asked.
class TFakeOpener : public TLinkOpener {
 public:
  bool Accept = true;
  std::vector<std::string> Opened;
  std::vector<std::string> Choosers;
  bool OpenVerb(const std::string& target) override {
    Opened.push_back(target);
    return Accept;
  }
  void StartChooser(const std::string& pattern) override { Choosers.push_back(pattern); }
};

// A headless application with the real text engine where there is one (the
// widgets are measured and checked as the program shows them).
class WidgetTest : public ::testing::Test {
 protected:
  WidgetTest() {
#ifndef _WIN32
    platform_linux::InstallLinuxGfx();
#endif
    app = std::make_unique<TApplication>(platform);
  }
  ~WidgetTest() override {
    SetLinkOpener(nullptr);
    app.reset();
    gfx::SetFullColor(true);
  }

  static TSize Measure(const gfx::TFont& font, const std::string& text) {
    return gfx::MeasureText(gfx::DefaultTextEngine(), font, text);
  }
  static int TextWidth(const gfx::TFont& font, const std::string& text) {
    return Measure(font, text).Width;
  }

  // The colour of a pixel of a control, from its window's image.
  static gfx::TColor PixelOf(const TControl& c, int x, int y) {
    TPoint p = c.ClientToForm({x, y});
    return gfx::ColorOfPixel(c.Form()->Image().At(p.X, p.Y));
  }

  headless::THeadlessPlatform platform;
  std::unique_ptr<TApplication> app;
};
