#pragma once
// What the print dialog and its printouts read of the main window: its font sources
// and the font it shows. The main window answers; the dialog never reads its controls.
#include <string>
#include <vector>

namespace glyvane {

class MainWindowState {
 public:
  virtual ~MainWindowState() = default;
  // The installed font selected in the main window's list, "" when none is.
  virtual std::string SelectedInstalledFont() const = 0;
  // Which source the main window shows: a folder's font files, or the installed fonts.
  virtual bool OtherFontsMode() const = 0;
  // The face the main window shows in its grid (a font file's, in the folder mode).
  virtual std::string CurrentFace() const = 0;
  // The installed fonts in the order of the main window's list.
  virtual std::vector<std::string> InstalledFonts() const = 0;
  // The folder of the other source as chosen, and its font files by name.
  virtual std::string FolderPath() const = 0;
  virtual std::vector<std::string> FolderFiles() const = 0;

  // The font file the main window shows leaves the font table while a folder
  // printout adds and removes files, and comes back afterwards.
  virtual void GiveUpTemporaryFont() = 0;
  virtual void TakeBackTemporaryFont() = 0;

  // A printout runs: nothing of the main window may run under it (its lists could
  // change, it could close). It is given back at the end of the printout.
  virtual void PrintJobStarted() = 0;
  virtual void PrintJobEnded() = 0;

 protected:
  MainWindowState() = default;
  MainWindowState(const MainWindowState&) = default;
  MainWindowState& operator=(const MainWindowState&) = default;
};

}  // namespace glyvane
