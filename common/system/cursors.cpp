#include "common/system/cursors.h"

#include <map>
#include <string>

#include "common/system/program_folder.h"

namespace glyvane {

namespace {

// Each file is loaded once per process: the form that re-applies its pointer at
// every activation would otherwise make a new cursor object each time, and loaded
// cursors are never destroyed. A missing file gives no handle, and that empty
// handle becomes the class cursor, as the system's own call would.
HCURSOR LoadProgramCursor(const char* fileName) {
  static std::map<std::string, HCURSOR> loaded;
  const std::string path = ProgramFolder() + "\\" + fileName;
  auto found = loaded.find(path);
  if (found != loaded.end()) return found->second;
  const HCURSOR cursor = LoadCursorFromFileA(path.c_str());
  if (cursor) loaded.emplace(path, cursor);
  return cursor;
}

void ApplyClassCursor(HWND control, const char* fileName) {
  SetClassLongPtrA(control, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(LoadProgramCursor(fileName)));
}

}  // namespace

void ApplyCursorData3(HWND control) { ApplyClassCursor(control, "Data3.dll"); }
void ApplyCursorData4(HWND control) { ApplyClassCursor(control, "Data4.dll"); }
void ApplyCursorData5(HWND control) { ApplyClassCursor(control, "Data5.dll"); }

}  // namespace glyvane
