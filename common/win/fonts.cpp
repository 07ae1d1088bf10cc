#include "common/win/fonts.h"

#include <cmath>
#include <cstring>
#include <tuple>

#include "common/twips.h"

namespace glyvane {

bool FontStyle::operator<(const FontStyle& other) const {
  return std::tie(face, size, bold, italic, underline) <
         std::tie(other.face, other.size, other.bold, other.italic, other.underline);
}

int ScreenPixelsPerInch() {
  static const int pixelsPerInch = [] {
    WindowDC screen(nullptr);
    const int value = GetDeviceCaps(screen.get(), LOGPIXELSY);
    return value > 0 ? value : 96;
  }();
  return pixelsPerInch;
}

double ScreenTwipsPerPixel() { return TwipsPerPixel(ScreenPixelsPerInch()); }

UniqueFont CreateScreenFont(const FontStyle& style) {
  LOGFONTA font{};
  font.lfHeight = -static_cast<LONG>(std::lround(style.size * ScreenPixelsPerInch() / 72.0));
  font.lfWeight = style.bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = style.italic ? TRUE : FALSE;
  font.lfUnderline = style.underline ? TRUE : FALSE;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  std::strncpy(font.lfFaceName, style.face.c_str(), LF_FACESIZE - 1);
  return UniqueFont(CreateFontIndirectA(&font));
}

bool HasPostScriptOutlines(HDC dc) {
  constexpr DWORD kCffTag = 'C' | ('F' << 8) | ('F' << 16) | (' ' << 24);
  return GetFontData(dc, kCffTag, 0, nullptr, 0) != GDI_ERROR;
}

SIZE MeasureText(HFONT font, const std::string& text) {
  WindowDC screen(nullptr);
  SelectObjectGuard select(screen.get(), font);
  return MeasureText(screen.get(), text);
}

SIZE MeasureText(HDC dc, const std::string& text) {
  SIZE size{};
  if (text.empty()) {
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    size.cy = metrics.tmHeight;
  } else {
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
  }
  return size;
}

}  // namespace glyvane
