#pragma once
// Fonts as the windows describe them (face, size in points, bold, italic) and the
// GDI fonts made from them.
#include <windows.h>

#include <string>

#include "common/win/unique.h"

namespace glyvane {

struct FontSpec {
  std::string face;
  double size = 8.25;  // points
  bool bold = false;
  bool italic = false;

  bool operator==(const FontSpec& other) const {
    return face == other.face && size == other.size && bold == other.bold && italic == other.italic;
  }
  bool operator!=(const FontSpec& other) const { return !(*this == other); }
};

// The screen's pixels per inch (vertical), read once.
int ScreenPixelsPerInch();
double ScreenTwipsPerPixel();

// A GDI font for the screen. The character set is left to the face, so a symbol
// font keeps its own glyphs for every byte code.
UniqueFont CreateScreenFont(const FontSpec& spec);

// Size of a text in pixels in the given font (the height of "" is one line).
SIZE MeasureText(HFONT font, const std::string& text);

}  // namespace glyvane
