// Runs dorvex-snapshot on the worked example and checks layout rectangles and key
// pixels of both pages (not a whole-image hash, so font changes do not break it).
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/canvas.h"
#include "gfx/scale.h"
#include "gfx/shading.h"
#include "gfx/text_layout.h"
#include "linux_gfx.h"

namespace {

gfx::TBitmap Snapshot(const std::string& args, const std::string& out,
                      const std::string& events = WORKED_EXAMPLE) {
  platform_linux::InstallLinuxGfx();
  std::string cmd = std::string("\"") + DORVEX_SNAPSHOT + "\" --events \"" + events +
                    "\" --now \"2025-01-01 12:00:00\" --out \"" + out + "\" " + args;
  EXPECT_EQ(std::system(cmd.c_str()), 0) << cmd;
  gfx::TBitmap image;
  std::string error;
  EXPECT_TRUE(gfx::LoadPng(out, image, &error)) << error;
  return image;
}

gfx::TColor At(const gfx::TBitmap& img, int x, int y) {
  return gfx::ColorOfPixel(img.At(x, y));
}

bool Greenish(gfx::TColor c) {
  return gfx::GreenOf(c) > gfx::RedOf(c) + 40;
}
bool Orangeish(gfx::TColor c) {
  return gfx::RedOf(c) > 180 && gfx::BlueOf(c) < 120 && gfx::GreenOf(c) < gfx::RedOf(c);
}

TEST(Snapshot, LogPageAfterStartUp) {
  gfx::TBitmap img = Snapshot("--page 0 --uptime 3725", "snapshot_page0.png");
  ASSERT_EQ(img.Width(), 673);
  ASSERT_EQ(img.Height(), 475);
  // Toolbar: grooves and the gradient from white down to the darkened face.
  EXPECT_EQ(At(img, 640, 0), gfx::MakeColor(0xA0, 0xA0, 0xA0));
  EXPECT_EQ(At(img, 640, 1), gfx::MakeColor(0xFF, 0xFF, 0xFF));
  EXPECT_EQ(At(img, 640, 2), gfx::MakeColor(0xFF, 0xFF, 0xFF));
  EXPECT_EQ(At(img, 640, 57), gfx::ColorToRGB(gfx::Darken(gfx::clBtnFace, 10)));
  EXPECT_LT(gfx::RedOf(At(img, 640, 40)), 0xFF);
  // Tab strip and status bar face.
  EXPECT_EQ(At(img, 600, 62), gfx::MakeColor(0xE3, 0xE3, 0xE3));
  EXPECT_EQ(At(img, 665, 458), gfx::MakeColor(0xF0, 0xF0, 0xF0));

  // The state markers down the first column: green, orange, green, then no more rows.
  // Gaps of a few rows inside one marker (its highlight) do not separate markers.
  std::string seen;
  int gap = 100;
  for (int y = 126; y < 450; ++y) {
    gfx::TColor c = At(img, 10, y);
    char k = Greenish(c) ? 'G' : Orangeish(c) ? 'O' : '.';
    if (k == '.') {
      if (++gap == 5) {
        seen += '.';
      }
      continue;
    }
    if (gap >= 5 || seen.empty()) {
      seen += k;
    }
    gap = 0;
  }
  EXPECT_EQ(seen, "G.O.G.");

  // The uptime in maroon inside LabTimeText (416, 16 on the header panel at 1, 84).
  int maroon = 0;
  for (int y = 100; y < 114; ++y) {
    for (int x = 417; x < 650; ++x) {
      gfx::TColor c = At(img, x, y);
      maroon += gfx::RedOf(c) > 90 && gfx::GreenOf(c) < 90 && gfx::BlueOf(c) < 90;
    }
  }
  EXPECT_GT(maroon, 10);
  // The clock pane shows text.
  int ink = 0;
  for (int y = 458; y < 473; ++y) {
    for (int x = 3; x < 148; ++x) {
      ink += gfx::RedOf(At(img, x, y)) < 100;
    }
  }
  EXPECT_GT(ink, 10);
}

TEST(Snapshot, ManyBootsScrollWithArrowsInTheListsScrollBar) {
  char tmpl[] = "/tmp/dorvex-snapshot-XXXXXX";
  ASSERT_NE(mkdtemp(tmpl), nullptr);
  const std::string dir = tmpl;
  {
    // 40 clean boots, a day apart, newest first.
    std::ofstream events(dir + "/boots.events");
    for (int i = 0; i < 40; ++i) {
      const long stop = 1735700000L - i * 86400L;
      events << "6006 " << stop << "\n6005 " << stop - 7200 << "\n";
    }
  }
  gfx::TBitmap img = Snapshot("--page 0", dir + "/page0.png", dir + "/boots.events");
  std::system(("rm -rf " + dir).c_str());
  ASSERT_EQ(img.Width(), 673);
  // The list fills the log page below its 40-pixel panel: 669 by 329 at (1, 124),
  // its vertical bar 17 wide inside the one-pixel frame.
  const gfx::TRect up{652, 125, 669, 142}, down{652, 435, 669, 452};
  auto black = [&](const gfx::TRect& r) {
    std::vector<int> rows;
    for (int y = r.Top; y < r.Bottom; ++y) {
      int n = 0;
      for (int x = r.Left; x < r.Right; ++x) {
        n += At(img, x, y) == gfx::clBlack;
      }
      if (n > 0) {
        rows.push_back(n);
      }
    }
    return rows;
  };
  // Each button holds a solid triangle pointing away from the track.
  const std::vector<int> upRows = black(up), downRows = black(down);
  ASSERT_GE(upRows.size(), 3u);
  EXPECT_LT(upRows.front(), upRows.back());
  EXPECT_EQ(downRows, std::vector<int>(upRows.rbegin(), upRows.rend()));
  // The raised thumb right under the upper button.
  EXPECT_EQ(At(img, 652, 142), gfx::MakeColor(0xE3, 0xE3, 0xE3));
  EXPECT_EQ(At(img, 668, 143), gfx::MakeColor(0x69, 0x69, 0x69));
}

TEST(Snapshot, ChartPageShowsTheBars) {
  gfx::TBitmap img = Snapshot("--page 1", "snapshot_page1.png");
  ASSERT_EQ(img.Width(), 673);
  int coloured = 0;
  for (int y = 130; y < 440; ++y) {
    for (int x = 40; x < 660; ++x) {
      gfx::TColor c = At(img, x, y);
      int r = gfx::RedOf(c), g = gfx::GreenOf(c), b = gfx::BlueOf(c);
      coloured += std::max({r, g, b}) - std::min({r, g, b}) > 80;
    }
  }
  EXPECT_GT(coloured, 1000);  // the 12-hour bar of the clean boot
  EXPECT_EQ(At(img, 640, 0), gfx::MakeColor(0xA0, 0xA0, 0xA0));
}

TEST(Snapshot, SizeAndResolutionOptions) {
  gfx::TBitmap small = Snapshot("--size 500x400", "snapshot_small.png");
  EXPECT_EQ(small.Width(), 500);
  EXPECT_EQ(small.Height(), 400);
  gfx::TBitmap big = Snapshot("--dpi 144", "snapshot_144.png");
  EXPECT_EQ(big.Width(), 1010);
  EXPECT_EQ(big.Height(), 713);
  // The toolbar is 90 pixels high at 144 dpi: its lower groove sits at 88.
  EXPECT_EQ(At(big, 1000, 88), gfx::MakeColor(0xA0, 0xA0, 0xA0));
}

// `text` drawn in the chart font at `height` pixels on white, cropped to its ink.
gfx::TBitmap InkOf(const std::string& text, int height, bool rotated) {
  gfx::TFont font;
  font.Name = "Arial";
  font.Height = height;
  font.Color = gfx::clBlack;
  font.Charset = gfx::kDefaultCharset;
  font.Orientation = rotated ? 900 : 0;
  gfx::TSize size = gfx::MeasureText(gfx::DefaultTextEngine(), font, text);
  int w = size.Width, h = size.Height;
  gfx::TBitmap image(w + h + 8, w + h + 8, gfx::PixelOf(gfx::clWhite));
  gfx::TCanvas canvas(image);
  canvas.Font = font;
  canvas.DrawTextAt(4, rotated ? 4 + w : 4, text);
  gfx::TRect ink{image.Width(), image.Height(), 0, 0};
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      if (At(image, x, y) != gfx::clWhite) {
        ink = {std::min(ink.Left, x), std::min(ink.Top, y), std::max(ink.Right, x + 1),
               std::max(ink.Bottom, y + 1)};
      }
    }
  }
  return image.Crop(ink);
}

// Whether `part` appears somewhere in `image`, pixel for pixel.
bool Contains(const gfx::TBitmap& image, const gfx::TBitmap& part) {
  for (int top = 0; top + part.Height() <= image.Height(); ++top) {
    for (int left = 0; left + part.Width() <= image.Width(); ++left) {
      bool same = true;
      for (int y = 0; y < part.Height() && same; ++y) {
        for (int x = 0; x < part.Width() && same; ++x) {
          same = image.At(left + x, top + y) == part.At(x, y);
        }
      }
      if (same) {
        return true;
      }
    }
  }
  return false;
}

TEST(Snapshot, ChartTextScalesWithTheResolution) {
  char dir[] = "/tmp/dorvex-snapshot-XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  gfx::TBitmap at96 = Snapshot("--page 1", std::string(dir) + "/96.png");
  gfx::TBitmap at144 = Snapshot("--page 1 --dpi 144", std::string(dir) + "/144.png");
  // Labels and title are 8 pt: 11 pixels at 96 dpi, 1.5 times that at 144.
  const int small = 11, large = gfx::MulDiv(small, 144, 96);
  gfx::TBitmap title96 = InkOf("(小时)", small, true), title144 = InkOf("(小时)", large, true);
  gfx::TBitmap label96 = InkOf("12", small, false), label144 = InkOf("12", large, false);
  EXPECT_GT(title144.Height(), title96.Height() * 4 / 3);
  EXPECT_GT(label144.Height(), label96.Height() * 4 / 3);
  EXPECT_TRUE(Contains(at96, title96));
  EXPECT_TRUE(Contains(at96, label96));
  EXPECT_TRUE(Contains(at144, title144));
  EXPECT_TRUE(Contains(at144, label144));
  EXPECT_FALSE(Contains(at144, title96));
  EXPECT_FALSE(Contains(at144, label96));
  std::remove((std::string(dir) + "/96.png").c_str());
  std::remove((std::string(dir) + "/144.png").c_str());
  rmdir(dir);
}

TEST(Snapshot, BadOptionsAreRefused) {
  std::string cmd = std::string("\"") + DORVEX_SNAPSHOT + "\" --page 7 --out /dev/null 2>/dev/null";
  int rc = std::system(cmd.c_str());
  EXPECT_TRUE(WIFEXITED(rc));
  EXPECT_EQ(WEXITSTATUS(rc), 2);
}

}  // namespace
