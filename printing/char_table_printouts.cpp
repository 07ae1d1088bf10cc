// The print dialog's three character-table printouts: every font of its list, the
// chosen fonts in the order they were ticked, and the font the main window shows.
#include "common/system/sounds.h"
#include "printing/char_table.h"
#include "printing/form2.h"
#include "printing/gdi_printer_surface.h"
#include "printing/progress.h"
#include "printing/select_printer.h"

namespace glyvane {

void Form2::PrintCharacterTables(const std::vector<std::string>& fonts, SetUpWhen setUp) {
  PrinterSurface& printer = ProgramPrinter();
  PrintJob job(printer, *this);
  const int copies = SelectPrinter(hwnd(), kPrintFlags, printer);
  if (setUp == SetUpWhen::Once) SetUpCharacterTable(printer);
  const int count = static_cast<int>(fonts.size());
  job.Run(copies, [&] {
    if (setUp == SetUpWhen::EachCopy) SetUpCharacterTable(printer);
    for (int i = 0; i < count; ++i) {
      if (!job.Step(fonts[static_cast<size_t>(i)], ProgressOf(i, count))) return false;
      if (i > 0) printer.NewPage();
      DrawCharacterTable(printer, fonts[static_cast<size_t>(i)]);
    }
    return true;
  });
}

void Form2::Command1_Click() {
  PlayClickSound();
  const CheckListBox list = checkList(form2_ids::kList1);
  std::vector<std::string> fonts;
  for (int i = 0; i < list.Count(); ++i) fonts.push_back(list.Item(i));
  PrintCharacterTables(fonts, SetUpWhen::EachCopy);
}

void Form2::Command4_Click() {
  PlayClickSound();
  const CheckListBox list = checkList(form2_ids::kList1);
  std::vector<std::string> fonts;
  for (int index : ChosenFonts()) fonts.push_back(list.Item(index));
  PrintCharacterTables(fonts, SetUpWhen::Once);
}

// One page, the font on screen: the installed font selected in the main window, or
// the face of the font file it shows.
void Form2::Command2_Click() {
  PlayClickSound();
  const std::string font = main_.OtherFontsMode() ? main_.CurrentFace() : main_.SelectedInstalledFont();
  PrinterSurface& printer = ProgramPrinter();
  PrintJob job(printer, *this);
  const int copies = SelectPrinter(hwnd(), kPrintFlags, printer);
  job.Run(copies, [&] {
    if (!job.Step(font, 0)) return false;
    DrawCharacterTable(printer, font, TableSetUp::OnThePage);
    return true;
  });
}

}  // namespace glyvane
