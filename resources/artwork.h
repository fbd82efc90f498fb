#pragma once

#include "gfx/bitmap.h"
#include "gfx/image_list.h"

// Dorvex's own pictures, drawn by code so that every build carries them.
namespace artwork {

// ImageList1: 32 x 32 with alpha. 0 refresh, 1 help, 2 about, 3 download, 4 home page,
// 5 exit door.
gfx::TImageList ToolbarImages();
// ImageList2: 16 x 16, opaque with a mask. 0 green marker bar, 1 orange marker bar.
gfx::TImageList StateMarkers();
// The header pictures at a given size: a window holding a table, and three bars.
gfx::TBitmap TableWindowIcon(int size);
gfx::TBitmap BarChartIcon(int size);
// The program icon: a multicoloured disc above a grey drive box with a dark red slot.
gfx::TBitmap ProgramIcon(int size);

}  // namespace artwork
