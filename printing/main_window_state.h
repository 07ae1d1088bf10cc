#pragma once
// What the print dialog and its printouts read of the main window: its font sources
// and the font it shows. The main window answers; the dialog never reads its controls.
#include <string>

namespace glyvane {

class MainWindowState {
 public:
  virtual ~MainWindowState() = default;
  // The installed font selected in the main window's list, "" when none is.
  virtual std::string SelectedInstalledFont() const = 0;

 protected:
  MainWindowState() = default;
  MainWindowState(const MainWindowState&) = default;
  MainWindowState& operator=(const MainWindowState&) = default;
};

}  // namespace glyvane
