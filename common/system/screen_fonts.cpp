#include "common/system/screen_fonts.h"

#include <windows.h>

#include <unordered_set>

#include "common/win/unique.h"

namespace glyvane {

namespace {

struct Collector {
  std::vector<std::string> names;
  std::unordered_set<std::string> seen;
};

int CALLBACK CollectFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM data) {
  auto* collector = reinterpret_cast<Collector*>(data);
  std::string name = font->lfFaceName;
  if (!name.empty() && collector->seen.insert(name).second) collector->names.push_back(std::move(name));
  return 1;
}

}  // namespace

std::vector<std::string> ScreenFontNames() {
  Collector collector;
  WindowDC screen(nullptr);
  // One call per family (a null face name), not one per family and character set.
  EnumFontFamiliesA(screen.get(), nullptr, &CollectFamily, reinterpret_cast<LPARAM>(&collector));
  return collector.names;
}

}  // namespace glyvane
