#include "common/system/font_file_names.h"

#include <windows.h>

#include <cstdint>

#include "common/glyph_locations.h"
#include "common/win/unique.h"

namespace glyvane {

std::string ToAnsiCodePage(const std::u16string& text, size_t maxBytes) {
  if (text.empty()) return {};
  // UTF-16 units are wchar_t's on Windows.
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int wideLength = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(CP_ACP, 0, wide, wideLength, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string out(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, wideLength, out.data(), length, nullptr, nullptr);
  if (out.size() > maxBytes) {  // only a double-byte code page makes more bytes than units
    size_t end = 0;
    while (end < out.size()) {
      const size_t next = end + (IsDBCSLeadByte(static_cast<BYTE>(out[end])) ? 2 : 1);
      if (next > maxBytes) break;
      end = next;
    }
    out.resize(end);
  }
  return out;
}

std::optional<FontNames> ReadFontNamesForSystem(const std::string& path) {
  const std::optional<Utf16FontNames> names = ReadUtf16FontNames(path, GetUserDefaultLangID());
  if (!names) return std::nullopt;
  return FontNames{ToAnsiCodePage(names->family, kFaceNameLength),
                   ToAnsiCodePage(names->fullName, kFullNameLength),
                   ToAnsiCodePage(names->style, kFaceNameLength)};
}

bool IsDamagedTrueTypeFile(const std::string& path) {
  const UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  uint8_t start[4] = {};
  DWORD got = 0;
  if (!ReadFile(file.get(), start, sizeof start, &got, nullptr)) return false;
  return HasTrueTypeSignature(start, got) && (!ReadFontNamesForSystem(path) || !FileGlyphLocationsFit(path));
}

}  // namespace glyvane
