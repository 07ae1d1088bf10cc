#pragma once
// The printer selection of both programs: the system's print dialog on the current
// printer, and the system's default-printer entry.
#include <windows.h>
#include <commdlg.h>

#include <string>

#include "printing/printer_surface.h"

namespace glyvane {

// The print dialog's flags as the printouts pass them: no page range nor selection,
// print-to-file disabled; or hidden, with the copy count kept in the printer's
// settings.
constexpr DWORD kPrintFlags = PD_NOSELECTION | PD_NOPAGENUMS | PD_DISABLEPRINTTOFILE;  // 0x8000C
constexpr DWORD kPrintFlagsDevModeCopies =
    PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE | PD_HIDEPRINTTOFILE;  // 0x14000C

// Shows the print dialog, owned by owner, pre-set to the printer's current printer.
// The printer the user picks becomes the current one and the system's default
// printer, and its duplex, print quality and paper source are carried over (not
// its orientation nor its paper size: each printout sets its own). Returns the
// number of copies (at least 1), or 0 when the user cancels, the dialog fails or no
// printer is installed (the user is told of the last two). The printer itself prints one copy:
// the caller prints its whole job once per copy.
int SelectPrinter(HWND owner, DWORD flags, PrinterSurface& printer);

// What the user reads when the system's print dialog fails with this error.
std::string PrintDialogFailedMessage(unsigned long error);

// Writes one key of one section of an initialisation file; "win.ini" is the
// system's own, wherever the system keeps it.
void WriteIniValue(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& file);

}  // namespace glyvane
