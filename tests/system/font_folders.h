#pragma once
// Folders of font files for the tests that list and view them: made inside the
// prefix's drive C: (where the folder picker opens) from the files the build made,
// and removed afterwards with everything the test put into the font table.
#include <windows.h>

#include <string>
#include <vector>

#include "common/system/system_registry.h"
#include "main_window.h"

namespace glyvane::test {

// A file the build made for these tests, e.g. "faces/nouvelle.ttf", as a Windows path.
std::string FixturePath(const std::string& relative);

// The names of the files (not folders) of a folder that match pattern, sorted.
std::vector<std::string> FilesIn(const std::string& folder, const char* pattern = "*");

class FontFolder {
 public:
  // C:\glyvane-tests\<name>, made empty.
  explicit FontFolder(const std::string& name);
  // Every file of the folder leaves the font table, then the files and the folder go.
  ~FontFolder();
  FontFolder(const FontFolder&) = delete;
  FontFolder& operator=(const FontFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string PathOf(const std::string& fileName) const { return path_ + "\\" + fileName; }
  // Copies a fixture in, under its own name or as fileName; returns the new path.
  std::string Add(const std::string& fixture, std::string fileName = "");

 private:
  std::string path_;
};

// True when path is in this process's font table no more: it is then removed
// as often as it had been added, and RemoveFontResourceA refuses it.
bool LeftTheFontTable(const std::string& path);
// The "Dossier" setting, where "Parcourir ..." opens the picker.
void StoreFolder(const std::string& folder, RegistryStore& registry = SystemRegistry());
bool IsScreenFont(const std::string& face);

// Answers the next folder picker of this process: once its tree has selected the
// folder whose name is `selected` (the folder it opens on), presses `button`.
class FolderPickerAnswer {
 public:
  FolderPickerAnswer(std::string selected, int button);
  ~FolderPickerAnswer();
  FolderPickerAnswer(const FolderPickerAnswer&) = delete;
  FolderPickerAnswer& operator=(const FolderPickerAnswer&) = delete;

  bool Wait(std::chrono::milliseconds timeout = kPatience);
  std::string text;  // the static texts, one per line
  std::chrono::steady_clock::time_point pressedAt;
  std::atomic<bool> pressed{false};  // set once pressedAt is

 private:
  void Run(const std::string& selected, int button);
  std::atomic<bool> done_{false};
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

// The main window with the folder source: picking folders with the real folder
// picker, clicking the entries of List1.
class FolderTest : public MainWindowTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The main window in other-fonts mode, on the system's registry or another.
  void StartInOtherFontsMode(RegistryStore& registry = SystemRegistry());
  // "Parcourir ...", the picker answered with `button` when it opens on the folder
  // stored as "Dossier" (set to folder first); returns when the listing is done.
  FolderPickerAnswer& Browse(const std::string& folder, int button = IDOK);
  // Clicks the List1 entry that opens fileName (the caller answers what it shows).
  void SelectFile(const std::string& fileName);
  // Clicks the List1 entry that opens fileName; no message box is expected.
  void ClickFile(const std::string& fileName);
  // The same, with a message box expected: returns what it showed once answered.
  std::unique_ptr<DialogAnswer> ClickFileAnswering(const std::string& fileName);
  int EntryOf(const std::string& fileName) const;
  std::vector<std::string> Entries() const { return ListItems(Control(form1_ids::kList1)); }
  bool Command2Enabled() const { return IsWindowEnabled(Control(form1_ids::kCommand2)) != FALSE; }
  bool Label5Visible() const { return IsWindowVisible(Control(form1_ids::kLabel5)) != FALSE; }

 private:
  std::unique_ptr<FolderPickerAnswer> picker_;
  RegistryStore* registry_ = nullptr;
};

}  // namespace glyvane::test
