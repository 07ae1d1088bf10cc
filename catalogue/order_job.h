#pragma once
// The order's print job as the order form runs it: no progress window, the program's
// other windows held still for its length, a printer that refuses it reported under
// the form's caption.
#include <windows.h>

#include <string>
#include <vector>

#include "printing/printer_surface.h"

namespace glyvane::catalogue {

// Disables the program's visible windows but `keep` (the catalogue window, the detail
// dialog) for the guard's life, and enables them again after it.
class OtherWindowsDisabled {
 public:
  explicit OtherWindowsDisabled(HWND keep);
  ~OtherWindowsDisabled();
  OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
  OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

 private:
  static BOOL CALLBACK Disable(HWND window, LPARAM self);

  HWND keep_;
  std::vector<HWND> disabled_;
};

// Prints the order's lines once per copy, the form disabled meanwhile, with the tab
// stops of the system. Returns the number of copies that went out.
int PrintOrderJob(HWND form, const std::string& caption, PrinterSurface& printer, int copies,
                  const std::vector<std::string>& lines);

}  // namespace glyvane::catalogue
