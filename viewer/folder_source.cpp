// Form1's other source: the font files of a folder chosen with the system's picker,
// listed by face name, each entry opening its own file.
#include "viewer/folder_source.h"

#include <shlobj.h>

#include <chrono>

#include "common/system/font_trial.h"
#include "common/system/item_list.h"
#include "common/system/program_folder.h"
#include "common/system/sounds.h"
#include "viewer/font_face.h"
#include "viewer/form1.h"

namespace glyvane {

using namespace form1_ids;

namespace {

// Repainting the growing list (and its scroll bar) costs far more than reading a
// file: it is let run at this pace, while the user's input is let in after every file.
constexpr std::chrono::milliseconds kRepaintInterval{40};

bool InputPending() { return HIWORD(GetQueueStatus(QS_ALLINPUT & ~QS_PAINT)) != 0; }

constexpr const char* kStartFolderProperty = "Glyvane.StartFolder";
constexpr UINT_PTR kSelectAgainTimer = 1;

// Under Wine the first picker of a process may miss the start folder asked for while
// it initialises: the request is made once more as soon as the picker runs.
void CALLBACK SelectStartFolderAgain(HWND window, UINT, UINT_PTR timer, DWORD) {
  KillTimer(window, timer);
  if (const HANDLE start = RemovePropA(window, kStartFolderProperty)) {
    SendMessageA(window, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(start));
  }
}

// The picker opens on the start folder (its path comes as the callback's data) and
// shows the path of each folder the user selects in its status line, when it has one.
int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM parameter, LPARAM data) {
  switch (message) {
    case BFFM_INITIALIZED:
      SendMessageA(window, BFFM_SETSELECTIONA, TRUE, data);
      SetPropA(window, kStartFolderProperty, reinterpret_cast<HANDLE>(data));
      SetTimer(window, kSelectAgainTimer, 0, &SelectStartFolderAgain);
      break;
    case BFFM_SELCHANGED: {
      const std::string path = PathOfItemList(reinterpret_cast<LPCITEMIDLIST>(parameter));
      if (!path.empty()) SendMessageA(window, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(path.c_str()));
      break;
    }
    default:
      break;
  }
  return 0;
}

}  // namespace

std::string BrowseForFolder(HWND owner, const std::string& title, const std::string& startFolder) {
  BROWSEINFOA browse{};
  browse.hwndOwner = owner;
  browse.lpszTitle = title.c_str();
  browse.ulFlags = BIF_RETURNONLYFSDIRS;
  browse.lpfn = &BrowseCallback;
  browse.lParam = reinterpret_cast<LPARAM>(startFolder.c_str());
  const UniqueItemList chosen(SHBrowseForFolderA(&browse));
  return PathOfItemList(chosen.get());
}

void Form1::Command1_Click() {
  PlayClickSound();
  const std::string folder = BrowseForFolder(hwnd(), "Sélectionnez un dossier :", settings_.Folder());
  if (folder.empty()) return;
  settings_.SaveFolder(folder);
  if (folder != File1.Path()) item(kCommand2).Enable(false);
  File1.SetPath(folder);
  // The user is about to pick one of these files: the trial process that tries it
  // first sets itself up while the list fills.
  if (File1.Count() > 0) PrepareFontTrials();
  const ListBox files = list(kList1);
  files.Clear();
  list1Hover_ = -1;  // no entry is under the pointer any more
  controls_.SetTooltip(kList1, "");

  // The window answers while the files are read, and what the user does meanwhile
  // may end this read: a newer folder replaces it, closing the window or "Quitter"
  // ends it. It stops at once then, before touching any control again. The list
  // shows its new entries at the pumps only.
  const int read = ++latestFolderRead_;
  auto painted = std::chrono::steady_clock::now();
  files.SetRedraw(false);
  for (int i = 0; i < File1.Count(); ++i) {
    const int entry = files.Add(FontFaceFromFile(File1.FullPath(i)));
    files.SetItemData(entry, i);
    const auto now = std::chrono::steady_clock::now();
    const bool repaint = now - painted >= kRepaintInterval;
    if (!repaint && !InputPending()) continue;
    if (repaint) {
      painted = now;
      files.SetRedraw(true);
    }
    if (!PumpPendingMessages() || !IsLoaded() || read != latestFolderRead_) return;
    files.SetRedraw(false);
  }
  files.SetRedraw(true);
}

void Form1::List1_Click() {
  PlayClickSound();
  const ListBox files = list(kList1);
  const int selected = files.Selected();
  if (selected < 0) return;
  if (File1.Select(static_cast<int>(files.ItemData(selected)))) File1_Click();
}

void Form1::List1_MouseMove(const MouseArgs& args) {
  const ListBox files = list(kList1);
  const int index = ListHoverIndex(files, args.y);
  if (index == list1Hover_) return;
  list1Hover_ = index;
  // Below the last entry no file is pointed at.
  const int file = index < 0 ? -1 : static_cast<int>(files.ItemData(index));
  controls_.SetTooltip(kList1, file >= 0 && file < File1.Count() ? File1.Name(file) : std::string());
}

}  // namespace glyvane
