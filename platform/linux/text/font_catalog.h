// Finds font files for a font request through fontconfig, and the fallback
// faces for characters the requested face lacks.
#pragma once

#include <string>
#include <vector>

namespace platform_linux {

struct TFaceFile {
  std::string Path;
  int Index = 0;
  bool SynthBold = false;    // bold asked for, face is not bold
  bool SynthItalic = false;  // italic asked for, face is upright
  friend bool operator==(const TFaceFile&, const TFaceFile&) = default;
};

// The family asked for after the Windows substitutions: "Arial" and
// "MS Sans Serif" become Liberation Sans, "Verdana" DejaVu Sans, and so on.
std::string SubstituteFamily(const std::string& family);

class TFontCatalog {
 public:
  TFontCatalog();
  ~TFontCatalog();
  TFontCatalog(const TFontCatalog&) = delete;
  TFontCatalog& operator=(const TFontCatalog&) = delete;

  // Best face for the request (after substitution); empty Path when
  // fontconfig knows no font at all.
  TFaceFile Match(const std::string& family, bool bold, bool italic);

  // Faces that have character `c`, best first for a Chinese user (the
  // language of this program's texts); empty when none has it.
  TFaceFile FallbackFor(char32_t c, bool bold, bool italic);

 private:
  struct TImpl;
  TImpl* impl_;
};

}  // namespace platform_linux
