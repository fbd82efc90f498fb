#pragma once

#include <string>

#include "gfx/font.h"
#include "ui/control.h"
#include "ui/label.h"

// Building blocks of the window layouts: a named control at its design
// position, a font requested with the ANSI character set, a transparent label.
template <class T>
T* Place(TControl* parent, const char* name, int left, int top, int width, int height) {
  T* c = parent->Add<T>();
  c->Name = name;
  c->SetBounds(left, top, width, height);
  return c;
}

inline gfx::TFont LayoutFont(const char* name, int height, bool bold, gfx::TColor color) {
  gfx::TFont f;
  f.Name = name;
  f.Height = height;
  f.Bold = bold;
  f.Color = color;
  f.Charset = gfx::kAnsiCharset;
  return f;
}

inline TLabel* PlaceLabel(TControl* parent, const char* name, int left, int top, int width,
                          int height, const std::string& caption, const gfx::TFont& font,
                          gfx::TColor background) {
  auto* l = Place<TLabel>(parent, name, left, top, width, height);
  l->SetCaption(caption);
  l->SetFont(font);
  l->SetColor(background);
  l->SetTransparent(true);
  return l;
}
