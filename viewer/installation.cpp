// Installing the font file shown for good: into the Fonts folder, the font table and
// the registry key the system reads its fonts from. Each step is checked; a failure
// is reported, and what was done so far is undone, so that the user can try again.
#include <shlobj.h>

#include "common/system/font_trial.h"
#include "common/system/item_list.h"
#include "common/system/program_folder.h"
#include "common/system/sounds.h"
#include "common/win/dialogs.h"
#include "viewer/font_registration.h"
#include "viewer/form1.h"

namespace glyvane {

using namespace form1_ids;

namespace {

constexpr const char* kNotInstalled = " La police n'a pas été installée.";

std::optional<BY_HANDLE_FILE_INFORMATION> FileIdentity(const std::string& path) {
  const UniqueFile file(CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION info{};
  if (!file || !GetFileInformationByHandle(file.get(), &info)) return std::nullopt;
  return info;
}

// Both paths lead to one file (the same name, or one file under two names).
bool SameFile(const std::string& a, const std::string& b) {
  if (lstrcmpiA(a.c_str(), b.c_str()) == 0) return true;
  const auto first = FileIdentity(a);
  const auto second = FileIdentity(b);
  return first && second && first->dwVolumeSerialNumber == second->dwVolumeSerialNumber &&
         first->nFileIndexHigh == second->nFileIndexHigh && first->nFileIndexLow == second->nFileIndexLow;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The steps of one installation that changed the system; undone unless it completes.
class InstallationSteps {
 public:
  explicit InstallationSteps(std::string destination) : destination_(std::move(destination)) {}
  ~InstallationSteps() {
    if (completed_) return;
    if (added_) RemoveFontResourceA(destination_.c_str());
    if (copied_) DeleteFileA(destination_.c_str());
  }
  InstallationSteps(const InstallationSteps&) = delete;
  InstallationSteps& operator=(const InstallationSteps&) = delete;

  bool Copy(const std::string& source) {
    copied_ = CopyFileA(source.c_str(), destination_.c_str(), TRUE) != FALSE;
    return copied_;
  }
  bool AddToFontTable() {
    added_ = AddFontResourceA(destination_.c_str()) > 0;
    return added_;
  }
  void Complete() { completed_ = true; }

 private:
  std::string destination_;
  bool copied_ = false;
  bool added_ = false;
  bool completed_ = false;
};

// The path of a special folder of the shell (CSIDL_*), empty text when it has none.
std::string SpecialFolderPath(HWND owner, int folderId) {
  LPITEMIDLIST found = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(owner, folderId, &found))) return {};
  const UniqueItemList items(found);
  return PathOfItemList(items.get());
}

}  // namespace

void Form1::Command2_Click() {
  PlayClickSound();
  if (!temporaryFont_) return;
  // The file shown, whatever File1 has selected since.
  const std::string source = temporaryFont_->path();
  const std::string fileName = FileNameOf(source);
  // The face that file brought, whatever the grid shows since.
  const std::string face = temporaryFont_->face();
  const auto fail = [this](const std::string& what) {
    ShowMessage(hwnd(), what + kNotInstalled, Caption(), MessageIcon::Critical);
  };

  const std::string fontsFolder = SpecialFolderPath(hwnd(), CSIDL_FONTS);
  if (fontsFolder.empty()) return fail("Le dossier Fonts de Windows est introuvable.");
  const std::string systemRoot = ReadRegistryValue(registry_, RegistryRoot::LocalMachine, kWindowsNtKey, kSystemRootValue);
  const char* fontsKey = FontsKeyFor(systemRoot);
  const std::string valueName = FontValueName(face, fileName);
  // Another file's registration is the system's record of another font: it stays.
  const std::string registered = ReadRegistryValue(registry_, RegistryRoot::LocalMachine, fontsKey, valueName);
  if (!registered.empty() && lstrcmpiA(registered.c_str(), fileName.c_str()) != 0) {
    return fail("La police " + face + " est déjà inscrite dans le registre de Windows pour le fichier " + registered +
                ", qui a été laissé tel quel.");
  }
  const std::string destination = WithTrailingBackslash(fontsFolder) + fileName;
  InstallationSteps steps(destination);
  if (!SameFile(source, destination)) {
    if (Exists(destination)) {
      return fail("Le dossier " + fontsFolder + " contient déjà un autre fichier nommé " + fileName +
                  ", qui a été laissé tel quel.");
    }
    if (!steps.Copy(source)) return fail("Impossible de copier le fichier " + fileName + " dans le dossier " + fontsFolder + ".");
  }
  // The copy is what the system keeps in its table from now on: it is tried as well.
  if (!IsFontFileSafeToAdd(destination) || !steps.AddToFontTable()) {
    return fail("Windows refuse d'ajouter la police du fichier " + destination + ".");
  }
  if (!registry_.Write(RegistryRoot::LocalMachine, fontsKey, valueName, fileName, kRegSz)) {
    return fail("Impossible d'inscrire la police dans le registre de Windows (HKEY_LOCAL_MACHINE\\" +
                std::string(fontsKey) + ").");
  }
  steps.Complete();

  SendMessageA(HWND_BROADCAST, WM_FONTCHANGE, 0, 0);
  Remplir();
  // The file shown stays in the font table beside the installed copy.
  temporaryFont_->Keep();
  ClearTemporaryFontRecord();
  ShowMessage(hwnd(), "La police " + face + " a été ajoutée", Caption(), MessageIcon::Information);
  item(kCommand2).Enable(false);
}

}  // namespace glyvane
