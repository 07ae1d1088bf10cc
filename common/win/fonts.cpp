#include "common/win/fonts.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
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

bool PrintsAsOutlines(HDC printer) {
  static const bool wine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
  constexpr DWORD kCffTag = 'C' | ('F' << 8) | ('F' << 16) | (' ' << 24);
  return wine && GetFontData(printer, kCffTag, 0, nullptr, 0) != GDI_ERROR;
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

// Wine draws some small TrueType faces wider than the widths it reports: Liberation
// Sans at 8 pt, which stands in for a missing "MS Sans Serif", reports 92 pixels
// for "http://www.orvex.fr" and covers 99. What must show whole is therefore
// measured on a drawing of it.
int DrawnWidth(HFONT font, const std::string& text, UINT format) {
  WindowDC screen(nullptr);
  RECT reported{0, 0, 0, 0};
  {
    SelectObjectGuard select(screen.get(), font);
    DrawTextA(screen.get(), text.c_str(), static_cast<int>(text.size()), &reported, DT_CALCRECT | DT_SINGLELINE | format);
  }
  if (text.empty() || reported.bottom <= 0) return reported.right;
  const int width = 2 * reported.right + 32;  // room for ink past the reported width
  const int height = reported.bottom;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const UniqueDC memory(CreateCompatibleDC(screen.get()));
  const UniqueBitmap bitmap(CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!memory || !bitmap || !bits) return reported.right;
  auto* pixels = static_cast<uint32_t*>(bits);
  std::fill(pixels, pixels + static_cast<size_t>(width) * static_cast<size_t>(height), 0x00FFFFFFu);
  SelectObjectGuard selectBitmap(memory.get(), bitmap.get());
  SelectObjectGuard selectFont(memory.get(), font);
  SetTextColor(memory.get(), RGB(0, 0, 0));
  SetBkMode(memory.get(), TRANSPARENT);
  RECT area{0, 0, width, height};
  DrawTextA(memory.get(), text.c_str(), static_cast<int>(text.size()), &area, DT_SINGLELINE | DT_NOCLIP | format);
  GdiFlush();
  int inked = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = width - 1; x >= inked; --x) {
      if ((pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] & 0x00FFFFFFu) !=
          0x00FFFFFFu) {
        inked = x + 1;
        break;
      }
    }
  }
  return std::max<int>(reported.right, inked);
}

}  // namespace glyvane
