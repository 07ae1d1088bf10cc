#pragma once
// A font's style as the windows describe it (face, size in points, bold, italic,
// underline) and the GDI fonts made from it.
#include <windows.h>

#include <string>

#include "common/win/unique.h"

namespace glyvane {

struct FontStyle {
  std::string face;
  double size = 8.25;  // points
  bool bold = false;
  bool italic = false;
  bool underline = false;

  bool operator==(const FontStyle& other) const {
    return face == other.face && size == other.size && bold == other.bold && italic == other.italic &&
           underline == other.underline;
  }
  bool operator!=(const FontStyle& other) const { return !(*this == other); }
  bool operator<(const FontStyle& other) const;  // for caches keyed by style
};

// The screen's pixels per inch (vertical), read once.
int ScreenPixelsPerInch();
double ScreenTwipsPerPixel();

// A GDI font for the screen. The character set is left to the face, so a symbol
// font keeps its own glyphs for every byte code.
UniqueFont CreateScreenFont(const FontStyle& style);

// True when text in the font selected into a printer's DC must go to the printer as
// its filled outlines rather than as text: Wine's PostScript printer driver (Wine 8)
// crashes the process when it sends a font with PostScript (CFF) outlines, which it
// reads as if it had TrueType glyphs.
bool PrintsAsOutlines(HDC printer);

// Size of a text in pixels in the given font, or in the font selected into a DC (the
// height of "" is one line).
SIZE MeasureText(HFONT font, const std::string& text);
SIZE MeasureText(HDC dc, const std::string& text);

// The width, in pixels, that a text drawn on one line in the font really covers
// (DrawTextA with the given format flags, e.g. DT_NOPREFIX): at least its reported
// width, more where the glyphs are drawn wider than the widths the system reports.
int DrawnWidth(HFONT font, const std::string& text, UINT format);

}  // namespace glyvane
