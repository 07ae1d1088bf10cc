#include "font_folders.h"

#include <commctrl.h>

#include "viewer/settings.h"

namespace glyvane::test {

std::string FixturePath(const std::string& relative) {
  return DosPath(std::string(GLYVANE_FOLDER_FIXTURES) + "/" + relative);
}

namespace {
constexpr const char* kTestFolders = "C:\\glyvane-tests";

void Empty(const std::string& folder) {
  for (const std::string& name : FilesIn(folder)) RemoveFontFile(folder + "\\" + name);
}

int CALLBACK StopAtFirst(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM) { return 0; }
}  // namespace

FontFolder::FontFolder(const std::string& name) : path_(std::string(kTestFolders) + "\\" + name) {
  CreateDirectoryA(kTestFolders, nullptr);
  CreateDirectoryA(path_.c_str(), nullptr);
  Empty(path_);
}

FontFolder::~FontFolder() {
  Empty(path_);
  RemoveDirectoryA(path_.c_str());
  RemoveDirectoryA(kTestFolders);
}

std::string FontFolder::Add(const std::string& fixture, std::string fileName) {
  if (fileName.empty()) fileName = fixture.substr(fixture.find_last_of("/\\") + 1);
  const std::string path = PathOf(fileName);
  const std::string source = fixture.find(':') == 1 ? fixture : FixturePath(fixture);
  EXPECT_TRUE(CopyFileA(source.c_str(), path.c_str(), FALSE)) << fixture;
  return path;
}

void StoreFolder(const std::string& folder, RegistryStore& registry) {
  SaveUserSetting(registry, kFolderApplication, kFolderSection, kFolderKey, folder);
}

bool LeftTheFontTable(const std::string& path) { return RemoveFontResourceA(path.c_str()) == 0; }

void RemoveFontFile(const std::string& path) {
  while (RemoveFontResourceA(path.c_str())) {
  }
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(path.c_str());
}

bool IsScreenFont(const std::string& face) {
  LOGFONTA font{};
  font.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(font.lfFaceName, face.c_str(), LF_FACESIZE);
  // The enumeration returns what the callback last returned, 1 when it never ran.
  return EnumFontFamiliesExA(WindowDC(nullptr).get(), &font, &StopAtFirst, 0, 0) == 0;
}

FolderPickerAnswer::FolderPickerAnswer(const std::string& selected, int button)
    : DialogAnswer(GetCurrentProcessId(), "Parcourir les dossiers", button, [selected](HWND picker) {
        // The picker selects its start folder once its tree has been filled.
        const HWND tree = FindWindowExA(picker, nullptr, WC_TREEVIEWA, nullptr);
        char shown[MAX_PATH] = {};
        TVITEMA item{};
        item.mask = TVIF_TEXT;
        item.pszText = shown;
        item.cchTextMax = MAX_PATH;
        WaitUntil([&] {
          item.hItem = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
          return item.hItem && SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) &&
                 lstrcmpiA(shown, selected.c_str()) == 0;
        }, 10s);
      }) {}

void FolderTest::TearDown() {
  picker_.reset();
  MainWindowTest::TearDown();
  RegDeleteTreeA(HKEY_CURRENT_USER, UserSettingPath(kFolderApplication, kFolderSection).c_str());
}

void FolderTest::StartInOtherFontsMode(RegistryStore& registry) {
  registry_ = &registry;
  Start(registry);
  Click(form1_ids::kOption2);
  g_sounds.clear();
}

FolderPickerAnswer& FolderTest::Browse(const std::string& folder, int button) {
  StoreFolder(folder, *registry_);
  picker_ = std::make_unique<FolderPickerAnswer>(folder.substr(folder.find_last_of('\\') + 1), button);
  Click(form1_ids::kCommand1);
  EXPECT_TRUE(picker_->Wait());
  EXPECT_TRUE(button != IDOK || form->Files().Path() == folder) << form->Files().Path();
  return *picker_;
}

int FolderTest::EntryOf(const std::string& fileName) const {
  const ListBox list(Control(form1_ids::kList1));
  const FileList& files = form->Files();
  for (int i = 0; i < list.Count(); ++i) {
    const auto file = static_cast<int>(list.ItemData(i));
    if (file >= 0 && file < files.Count() && lstrcmpiA(files.Name(file).c_str(), fileName.c_str()) == 0) return i;
  }
  return -1;
}

std::unique_ptr<DialogAnswer> FolderTest::Pick(const std::string& fileName) {
  auto answer = std::make_unique<DialogAnswer>(GetCurrentProcessId(), IDOK);
  const int entry = EntryOf(fileName);
  if (entry < 0) {
    ADD_FAILURE() << fileName << " is not listed";
    return answer;
  }
  const HWND list = Control(form1_ids::kList1);
  SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(entry), 0);
  // The box is modal: once the click has returned, any box came and went.
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(form1_ids::kList1, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  return answer;
}

void FolderTest::ClickFile(const std::string& fileName) {
  const auto shown = Pick(fileName);
  EXPECT_FALSE(shown->Pressed()) << fileName << " showed: " << shown->text;
}

}  // namespace glyvane::test
