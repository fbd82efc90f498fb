#include "platform/win32/icon_file.h"

namespace platform_win32 {

namespace {

void Put16(std::vector<std::uint8_t>& out, unsigned v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

bool Opaque(std::uint32_t px) {
  return gfx::AlphaOf(px) >= 128;
}

// One entry's bitmap: header, palette (4-bit only), colour rows, AND mask.
std::vector<std::uint8_t> EntryBitmap(const TIconImage& image) {
  const gfx::TBitmap& pic = image.Picture;
  const int w = pic.Width(), h = pic.Height();
  const bool paletted = image.BitsPerPixel == 4;
  std::vector<std::uint8_t> out;
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(w));
  Put32(out, static_cast<std::uint32_t>(2 * h));
  Put16(out, 1);
  Put16(out, paletted ? 4 : 32);
  Put32(out, 0);  // BI_RGB
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, paletted ? 16 : 0);
  Put32(out, 0);
  const auto& palette = SixteenColorPalette();
  if (paletted) {
    for (gfx::TColor c : palette) {
      out.push_back(static_cast<std::uint8_t>(gfx::BlueOf(c)));
      out.push_back(static_cast<std::uint8_t>(gfx::GreenOf(c)));
      out.push_back(static_cast<std::uint8_t>(gfx::RedOf(c)));
      out.push_back(0);
    }
  }
  for (int y = h - 1; y >= 0; --y) {
    if (paletted) {
      const int rowBytes = ((w * 4 + 31) / 32) * 4;
      std::vector<std::uint8_t> row(static_cast<std::size_t>(rowBytes), 0);
      for (int x = 0; x < w; ++x) {
        const std::uint32_t px = pic.At(x, y);
        // Transparent pixels are black in the colour rows, so the AND mask shows through.
        const int index = Opaque(px) ? NearestPaletteIndex(gfx::ColorOfPixel(px), palette) : 0;
        row[static_cast<std::size_t>(x / 2)] |=
            static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
      }
      out.insert(out.end(), row.begin(), row.end());
    } else {
      for (int x = 0; x < w; ++x) {
        const std::uint32_t px = pic.At(x, y);
        out.push_back(static_cast<std::uint8_t>(gfx::BlueOf(px)));
        out.push_back(static_cast<std::uint8_t>(gfx::GreenOf(px)));
        out.push_back(static_cast<std::uint8_t>(gfx::RedOf(px)));
        out.push_back(static_cast<std::uint8_t>(gfx::AlphaOf(px)));
      }
    }
  }
  const int maskBytes = ((w + 31) / 32) * 4;
  for (int y = h - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(static_cast<std::size_t>(maskBytes), 0);
    for (int x = 0; x < w; ++x) {
      if (!Opaque(pic.At(x, y))) {
        row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      }
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace

const std::vector<gfx::TColor>& SixteenColorPalette() {
  static const std::vector<gfx::TColor> palette = {
      gfx::clBlack, gfx::clMaroon,  gfx::clGreen, gfx::clOlive, gfx::clNavy, gfx::clPurple,
      gfx::clTeal,  gfx::clSilver,  gfx::clGray,  gfx::clRed,   gfx::clLime, gfx::clYellow,
      gfx::clBlue,  gfx::clFuchsia, gfx::clAqua,  gfx::clWhite};
  return palette;
}

int NearestPaletteIndex(gfx::TColor c, const std::vector<gfx::TColor>& palette) {
  int best = 0;
  long bestDistance = -1;
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const long dr = gfx::RedOf(c) - gfx::RedOf(palette[i]);
    const long dg = gfx::GreenOf(c) - gfx::GreenOf(palette[i]);
    const long db = gfx::BlueOf(c) - gfx::BlueOf(palette[i]);
    const long d = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || d < bestDistance) {
      bestDistance = d;
      best = static_cast<int>(i);
    }
  }
  return best;
}

std::vector<std::uint8_t> BuildIconFile(const std::vector<TIconImage>& images) {
  std::vector<std::vector<std::uint8_t>> bitmaps;
  for (const TIconImage& image : images) {
    bitmaps.push_back(EntryBitmap(image));
  }
  std::vector<std::uint8_t> out;
  Put16(out, 0);
  Put16(out, 1);  // icon
  Put16(out, static_cast<unsigned>(images.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    const gfx::TBitmap& pic = images[i].Picture;
    // 256 pixels is written as 0 in the one-byte size fields.
    out.push_back(static_cast<std::uint8_t>(pic.Width() >= 256 ? 0 : pic.Width()));
    out.push_back(static_cast<std::uint8_t>(pic.Height() >= 256 ? 0 : pic.Height()));
    out.push_back(images[i].BitsPerPixel == 4 ? 16 : 0);
    out.push_back(0);
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(images[i].BitsPerPixel == 4 ? 4 : 32));
    Put32(out, static_cast<std::uint32_t>(bitmaps[i].size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(bitmaps[i].size());
  }
  for (const auto& b : bitmaps) {
    out.insert(out.end(), b.begin(), b.end());
  }
  return out;
}

}  // namespace platform_win32
