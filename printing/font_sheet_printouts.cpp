// The print dialog's font list and sample sheet: of the installed fonts in the order
// of the main window's list, or of the font files of its folder in the order of
// their names, each file's font made printable for the time of its entry.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/system/font_trial.h"
#include "common/system/locale.h"
#include "common/system/sounds.h"
#include "printing/form2.h"
#include "printing/gdi_printer_surface.h"
#include "printing/progress.h"
#include "printing/select_printer.h"
#include "viewer/font_file_face.h"

namespace glyvane {

namespace {

std::string RemovalFailedMessage(const std::string& path) {
  return "Le fichier de police \"" + path +
         "\" n'a pas pu être retiré de la liste des polices du système : l'impression est arrêtée. Les pages "
         "déjà composées ont été imprimées.";
}

std::string FullPath(const std::string& folder, const std::string& name) {
  return folder.empty() || folder.back() == '\\' ? folder + name : folder + "\\" + name;
}

// The main window's own font file is out of the font table while a folder printout
// runs, and back in it however the printout ends.
class LentTemporaryFont {
 public:
  explicit LentTemporaryFont(MainWindowState& main) : main_(main) { main_.GiveUpTemporaryFont(); }
  ~LentTemporaryFont() { main_.TakeBackTemporaryFont(); }
  LentTemporaryFont(const LentTemporaryFont&) = delete;
  LentTemporaryFont& operator=(const LentTemporaryFont&) = delete;

 private:
  MainWindowState& main_;
};

}  // namespace

void Form2::Command5_Click() {
  PlayClickSound();
  PrintFontSheet(FontSheet::List, kPrintFlagsDevModeCopies);
}

void Form2::Command6_Click() {
  PlayClickSound();
  PrintFontSheet(FontSheet::Samples, kPrintFlags);
}

void Form2::PrintFontSheet(FontSheet sheet, unsigned long flags) {
  PrinterSurface& printer = ProgramPrinter();
  PrintJob job(printer, *this);
  const int copies = SelectPrinter(hwnd(), flags, printer);
  if (copies == 0) return;
  if (main_.OtherFontsMode()) {
    PrintFolderFontSheet(job, sheet, copies);
    return;
  }
  const std::vector<std::string> fonts = main_.InstalledFonts();
  const int count = static_cast<int>(fonts.size());
  job.Run(copies, [&] {
    FontSheetLayout layout(printer, sheet, "", &TodayDayMonthYear);
    layout.Start();
    for (int i = 0; i < count; ++i) {
      const std::string& name = fonts[static_cast<size_t>(i)];
      if (!job.Step(name, ProgressOf(i, count))) return false;
      layout.Entry(name);
    }
    return true;
  });
}

void Form2::PrintFolderFontSheet(PrintJob& job, FontSheet sheet, int copies) {
  PrinterSurface& printer = ProgramPrinter();
  const std::string folder = main_.FolderPath();
  const std::vector<std::string> files = main_.FolderFiles();
  const InstalledFaces installed(main_.InstalledFonts());
  const int count = static_cast<int>(files.size());
  const LentTemporaryFont lent(main_);
  std::vector<std::string> paths;
  for (const std::string& file : files) paths.push_back(FullPath(folder, file));
  const ExpectedFontFiles expected(paths);
  job.Run(copies, [&] {
    LetEventsRun();
    FontSheetLayout layout(printer, sheet, folder, &TodayDayMonthYear);
    layout.Start();
    // The file of the entry being printed; it leaves the font table before the next
    // file comes in, and whichever way this copy ends.
    std::optional<TemporaryFont> held;
    for (int i = 0; i < count; ++i) {
      if (held) {
        if (!held->Leave([this] { SendMessageA(hwnd(), WM_FONTCHANGE, 0, 0); })) {
          job.Stop(RemovalFailedMessage(held->path()));
          return false;
        }
        held.reset();
        Label4.set({});
      }
      FontFileFace font = MakeFontFilePrintable(paths[static_cast<size_t>(i)], installed);
      if (font.font) {
        held.emplace(std::move(*font.font));
        Label4.set(held->path());
      }
      // A file left out lets events in too, without moving the bar: a folder of
      // files that are no fonts can still be cancelled.
      if (font.outcome != FontFileFace::Outcome::Usable) {
        if (!job.Pump()) return false;
        continue;
      }
      if (!job.Step(font.face, ProgressOf(i, count))) return false;
      layout.Entry(font.face);
    }
    return true;
  });
  Label4.set({});
}

}  // namespace glyvane
