// The classic two-pixel 3D edges: raised for buttons and scroll bar parts,
// sunken for edit boxes, in the system colours.
#pragma once

#include "gfx/geometry.h"

namespace gfx {

class TCanvas;

enum TEdgeStyle { esRaised, esSunken };

// Draws the edge on the outer two pixels of `r`; the inside is left alone.
void DrawEdge(TCanvas& canvas, const TRect& r, TEdgeStyle style);

}  // namespace gfx
