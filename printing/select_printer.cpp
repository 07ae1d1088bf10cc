#include "printing/select_printer.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <vector>

#include "common/win/dialogs.h"
#include "common/win/unique.h"

namespace glyvane {

namespace {

// The DEVMODE that every system declares: without the colour-management members.
constexpr WORD kDevModeSize = offsetof(DEVMODEA, dmICMMethod);

UniqueGlobal CopyToGlobal(const void* data, std::size_t size) {
  UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size));
  if (block) {
    const GlobalLockGuard lock(block.get());
    if (lock.data()) std::memcpy(lock.data(), data, size);
  }
  return block;
}

// Copies at most `size` bytes of a block, never more than it holds.
void CopyFromGlobal(HGLOBAL block, void* data, std::size_t size) {
  if (!block) return;
  const GlobalLockGuard lock(block);
  if (lock.data()) std::memcpy(data, lock.data(), std::min(size, static_cast<std::size_t>(GlobalSize(block))));
}

DEVMODEA DialogMode(const PrinterSurface& printer) {
  DEVMODEA mode{};
  const std::string device = printer.DeviceName();
  // The member holds 32 characters with no room for a NUL when full.
  std::memcpy(mode.dmDeviceName, device.data(), std::min(device.size(), sizeof mode.dmDeviceName));
  mode.dmSize = kDevModeSize;
  mode.dmFields = DM_ORIENTATION | DM_DUPLEX;
  mode.dmOrientation = static_cast<short>(printer.Orientation());
  mode.dmPaperSize = static_cast<short>(printer.PaperSize());
  mode.dmDuplex = static_cast<short>(printer.Duplex());
  return mode;
}

// DEVNAMES: the offsets, then the driver, device and port names, each ended by a NUL.
std::vector<char> DialogNames(const PrinterInfo& current) {
  std::vector<char> block(sizeof(DEVNAMES));
  DEVNAMES header{};
  for (const auto& [name, offset] : {std::pair{&current.driver, &header.wDriverOffset},
                                      std::pair{&current.device, &header.wDeviceOffset},
                                      std::pair{&current.port, &header.wOutputOffset}}) {
    *offset = static_cast<WORD>(block.size());
    block.insert(block.end(), name->begin(), name->end());
    block.push_back('\0');
  }
  std::memcpy(block.data(), &header, sizeof header);
  return block;
}

// The device name in the DEVNAMES block the dialog hands back (empty when unreadable).
std::string ChosenDevice(HGLOBAL names) {
  if (!names) return {};
  const GlobalLockGuard lock(names);
  const std::size_t size = GlobalSize(names);
  if (!lock.data() || size < sizeof(DEVNAMES)) return {};
  const char* bytes = static_cast<const char*>(lock.data());
  DEVNAMES header;
  std::memcpy(&header, bytes, sizeof header);
  if (header.wDeviceOffset >= size) return {};
  const char* start = bytes + header.wDeviceOffset;
  return std::string(start, strnlen(start, size - header.wDeviceOffset));
}

std::string Upper(std::string text) {
  if (!text.empty()) CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

// Owns the two blocks around the dialog: those given, and those it hands back,
// which it may have put in their place.
class DialogBlocks {
 public:
  DialogBlocks(UniqueGlobal mode, UniqueGlobal names) : givenMode_(std::move(mode)), givenNames_(std::move(names)) {}
  HGLOBAL mode() const { return givenMode_.get(); }
  HGLOBAL names() const { return givenNames_.get(); }
  void TakeBack(HGLOBAL mode, HGLOBAL names) {
    Adopt(givenMode_, returnedMode_, mode);
    Adopt(givenNames_, returnedNames_, names);
  }

 private:
  static void Adopt(UniqueGlobal& given, UniqueGlobal& returned, HGLOBAL handed) {
    if (handed == given.get()) return;
    // A block the dialog replaced was either freed by it or is still ours.
    if (GlobalFlags(given.get()) == GMEM_INVALID_HANDLE) given.release();
    returned.reset(handed);
  }
  UniqueGlobal givenMode_;
  UniqueGlobal givenNames_;
  UniqueGlobal returnedMode_;
  UniqueGlobal returnedNames_;
};

std::string WindowCaption(HWND window) {
  char caption[256] = {};
  if (window) GetWindowTextA(window, caption, sizeof caption);
  return caption;
}

}  // namespace

std::string PrintDialogFailedMessage(unsigned long error) {
  char code[16];
  std::snprintf(code, sizeof code, "%lX", error);
  return std::string("La fenêtre d'impression du système n'a pas pu s'ouvrir (erreur ") + code +
         ") : rien n'a été imprimé. Vérifiez l'imprimante choisie dans le Panneau de configuration, puis "
         "recommencez.";
}

int SelectPrinter(HWND owner, DWORD flags, PrinterSurface& printer) {
  const std::vector<PrinterInfo> installed = printer.InstalledPrinters();
  if (installed.empty()) {
    ShowMessage(owner, "Aucune imprimante n'est installée.", WindowCaption(owner), MessageIcon::Information);
    return 0;
  }
  const PrinterInfo current = printer.Current();
  const DEVMODEA givenMode = DialogMode(printer);
  const std::vector<char> givenNames = DialogNames(current);
  DialogBlocks blocks(CopyToGlobal(&givenMode, kDevModeSize), CopyToGlobal(givenNames.data(), givenNames.size()));

  PRINTDLGA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.hDevMode = blocks.mode();
  dialog.hDevNames = blocks.names();
  dialog.Flags = flags;
  const BOOL chosen = PrintDlgA(&dialog);
  blocks.TakeBack(dialog.hDevMode, dialog.hDevNames);
  if (!chosen) {
    // A dialog that could not run is no choice of the user's: they are told.
    if (const DWORD error = CommDlgExtendedError()) {
      ShowMessage(owner, PrintDialogFailedMessage(error), WindowCaption(owner), MessageIcon::Critical);
    }
    return 0;
  }

  DEVMODEA mode{};
  CopyFromGlobal(dialog.hDevMode, &mode, kDevModeSize);
  std::string device = ChosenDevice(dialog.hDevNames);
  if (device.empty()) {
    const char* name = reinterpret_cast<const char*>(mode.dmDeviceName);
    device.assign(name, strnlen(name, sizeof mode.dmDeviceName));
  }
  const std::string wanted = Upper(device);
  if (current.device != wanted) {
    // The printers as they are now: one may have been added while the dialog was open.
    const std::vector<PrinterInfo> now = printer.InstalledPrinters();
    const auto match = std::find_if(now.begin(), now.end(),
                                    [&](const PrinterInfo& p) { return Upper(p.device) == wanted; });
    if (match != now.end()) printer.MakeCurrent(*match);
  }

  const PrinterInfo made = printer.Current();
  if (!made.device.empty()) {
    WriteIniValue("windows", "device", made.device + "," + made.driver + "," + made.port, "win.ini");
  }

  printer.SetCopies(1);
  if (mode.dmFields & DM_DUPLEX) printer.SetDuplex(mode.dmDuplex);
  if (mode.dmFields & DM_PRINTQUALITY) printer.SetPrintQuality(mode.dmPrintQuality);
  if (mode.dmFields & DM_DEFAULTSOURCE) printer.SetPaperSource(mode.dmDefaultSource);

  const int copies = (flags & PD_USEDEVMODECOPIESANDCOLLATE) ? mode.dmCopies : dialog.nCopies;
  return std::max(copies, 1);
}

void WriteIniValue(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& file) {
  WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str());
}

}  // namespace glyvane
