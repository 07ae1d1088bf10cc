#pragma once
// Folders of font files for the tests that list and view them: made inside the
// prefix's drive C: (where the folder picker opens) from the files the build made,
// and removed afterwards with everything the test put into the font table.
#include "main_window.h"

namespace glyvane::test {

// A file the build made for these tests, e.g. "faces/nouvelle.ttf", as a Windows path.
std::string FixturePath(const std::string& relative);

class FontFolder {
 public:
  // C:\glyvane-tests\<name>, made empty.
  explicit FontFolder(const std::string& name);
  ~FontFolder();
  FontFolder(const FontFolder&) = delete;
  FontFolder& operator=(const FontFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string PathOf(const std::string& fileName) const { return path_ + "\\" + fileName; }
  // Copies a fixture (or a file by its full path) in, under its own name or as
  // fileName; returns the new path.
  std::string Add(const std::string& fixture, std::string fileName = "");

 private:
  std::string path_;
};

// True when the font table holds path no more (RemoveFontResourceA then refuses it).
bool LeftTheFontTable(const std::string& path);
// Takes every addition of a file out of the font table, then deletes the file.
void RemoveFontFile(const std::string& path);
// The "Dossier" setting, where "Parcourir ..." opens the picker.
void StoreFolder(const std::string& folder, RegistryStore& registry = SystemRegistry());
bool IsScreenFont(const std::string& face);

// Answers the next folder picker of this process: once its tree has selected the
// folder named `selected` (the one it opens on), presses `button`.
class FolderPickerAnswer : public DialogAnswer {
 public:
  FolderPickerAnswer(const std::string& selected, int button);
};

// The main window with the folder source, in other-fonts mode.
class FolderTest : public MainWindowTest {
 protected:
  void TearDown() override;

  void StartInOtherFontsMode(RegistryStore& registry = SystemRegistry());
  // "Parcourir ...", answered with `button` once the picker opens on folder (stored first); returns once listed.
  FolderPickerAnswer& Browse(const std::string& folder, int button = IDOK);
  // Clicks the List1 entry of fileName and answers the message box it showed, if any.
  std::unique_ptr<DialogAnswer> Pick(const std::string& fileName);
  // The same, with no message box expected.
  void ClickFile(const std::string& fileName);
  int EntryOf(const std::string& fileName) const;
  std::vector<std::string> Entries() const { return ListItems(Control(form1_ids::kList1)); }
  bool Command2Enabled() const { return IsWindowEnabled(Control(form1_ids::kCommand2)) != FALSE; }

 private:
  std::unique_ptr<FolderPickerAnswer> picker_;
  RegistryStore* registry_ = nullptr;
};

}  // namespace glyvane::test
