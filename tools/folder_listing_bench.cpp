// The folder listing's rate and the window's answers while it runs: Glyvane's main
// window in this process lists a folder chosen with the real folder picker; the time
// runs from the picker's OK to the last List1 entry. Meanwhile another thread sends
// the window a message every few milliseconds and records the longest wait for its
// answer (the longest gap between two pumps of the read).
//
// usage: folder_listing_bench FOLDER [probe]   (a folder of the prefix's drive C:;
//        the probe thread runs only when asked, as its messages slow the read)
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "common/registry_store.h"
#include "common/win/system_registry.h"
#include "viewer/font_face.h"
#include "viewer/form1.h"
#include "viewer/settings.h"

namespace {

using Clock = std::chrono::steady_clock;
using glyvane::form1::kCommand1;
using glyvane::form1::kList1;
using glyvane::form1::kOption2;

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

BOOL CALLBACK MatchPicker(HWND window, LPARAM data) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char title[64] = {};
  GetWindowTextA(window, title, sizeof title);
  if (process == GetCurrentProcessId() && IsWindowVisible(window) && lstrcmpA(title, "Parcourir les dossiers") == 0) {
    *reinterpret_cast<HWND*>(data) = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindPicker() {
  HWND found = nullptr;
  EnumWindows(&MatchPicker, reinterpret_cast<LPARAM>(&found));
  return found;
}

struct ControlSearch {
  int id;
  HWND found;
};

BOOL CALLBACK MatchControl(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<ControlSearch*>(data);
  if (GetDlgCtrlID(window) != search->id) return TRUE;
  search->found = window;
  return FALSE;
}

HWND FindControl(HWND main, int id) {
  ControlSearch search{id, nullptr};
  EnumChildWindows(main, &MatchControl, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string SelectedFolder(HWND picker) {
  const HWND tree = FindWindowExA(picker, nullptr, WC_TREEVIEWA, nullptr);
  const auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  char text[MAX_PATH] = {};
  TVITEMA info{};
  info.mask = TVIF_TEXT;
  info.hItem = item;
  info.pszText = text;
  info.cchTextMax = MAX_PATH;
  if (item) SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: folder_listing_bench FOLDER [probe]\n");
    return 2;
  }
  const std::string folder = argv[1];
  const bool probing = argc > 2 && std::string(argv[2]) == "probe";
  const std::string leaf = folder.substr(folder.find_last_of('\\') + 1);
  glyvane::SaveUserSetting(glyvane::SystemRegistry(), glyvane::kFolderApplication, glyvane::kFolderSection,
                           glyvane::kFolderKey, folder);
  glyvane::Form1 form(glyvane::SystemRegistry());
  if (!form.Start()) return 1;
  form.ShowMain(SW_SHOWNORMAL);
  const HWND main = form.hwnd();
  SendMessageA(FindControl(main, kOption2), BM_CLICK, 0, 0);

  std::atomic<bool> reading{false};
  std::atomic<bool> finished{false};
  Clock::time_point accepted;
  std::thread picker([&] {
    HWND dialog = nullptr;
    while (!(dialog = FindPicker())) Sleep(10);
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    while (lstrcmpiA(SelectedFolder(dialog).c_str(), leaf.c_str()) != 0 && Clock::now() < deadline) Sleep(10);
    accepted = Clock::now();
    reading = true;
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  });
  double longestWait = 0;
  int probes = 0;
  std::thread probe([&] {
    while (!reading) Sleep(1);
    while (probing && !finished) {
      const auto sent = Clock::now();
      DWORD_PTR ignored = 0;
      SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
      longestWait = std::max(longestWait, Milliseconds(Clock::now() - sent));
      ++probes;
      Sleep(5);
    }
  });

  const HWND list = FindControl(main, kList1);
  SendMessageA(FindControl(main, kCommand1), BM_CLICK, 0, 0);
  const auto done = Clock::now();
  finished = true;
  picker.join();
  std::atomic<bool> probeEnded{false};
  std::thread ender([&] {
    probe.join();
    probeEnded = true;
  });
  while (!probeEnded) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(1);
  }
  ender.join();

  const int files = form.Files().Count();
  const int entries = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  const double seconds = Milliseconds(done - accepted) / 1000;
  std::printf("listed %d files (%d entries) in %.2f s: %.0f files/s\n", files, entries, seconds, files / seconds);
  if (probing) {
    std::printf("longest wait for the window's answer while reading: %.1f ms (%d probes)\n", longestWait, probes);
  }

  // The same names without the window: the reader's share of the time.
  const auto start = Clock::now();
  for (const std::string& name : form.Files().Names()) glyvane::FontFaceFromFile(folder + "\\" + name);
  const double readerSeconds = Milliseconds(Clock::now() - start) / 1000;
  std::printf("names alone: %.2f s, %.0f files/s\n", readerSeconds, files / readerSeconds);
  return entries == files ? 0 : 1;
}
