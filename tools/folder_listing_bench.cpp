// The folder listing's rate and the window's answers while it runs: Glyvane's main
// window in this process lists a folder chosen with the real folder picker; the time
// runs from the picker's OK to the last List1 entry. Meanwhile another thread sends
// the window a message every few milliseconds and records the longest wait for its
// answer (the longest gap between two pumps of the read).
//
// usage: folder_listing_bench FOLDER [probe]   (a folder of the prefix's drive C:;
//        the probe thread runs only when asked, as its messages slow the read)
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "common/system/system_registry.h"
#include "font_folders.h"
#include "support.h"
#include "viewer/font_face.h"
#include "viewer/form1.h"

namespace {

using Clock = std::chrono::steady_clock;
using glyvane::form1_ids::kCommand1;
using glyvane::form1_ids::kList1;
using glyvane::form1_ids::kOption2;
using glyvane::test::FindControl;

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: folder_listing_bench FOLDER [probe]\n");
    return 2;
  }
  const std::string folder = argv[1];
  const bool probing = argc > 2 && std::string(argv[2]) == "probe";
  const std::string leaf = folder.substr(folder.find_last_of('\\') + 1);
  glyvane::test::StoreFolder(folder);
  glyvane::Form1 form(glyvane::SystemRegistry());
  if (!form.Start()) return 1;
  form.ShowMain(SW_SHOWNORMAL);
  const HWND main = form.hwnd();
  SendMessageA(FindControl(main, kOption2), BM_CLICK, 0, 0);

  std::atomic<bool> finished{false};
  glyvane::test::FolderPickerAnswer picker(leaf, IDOK);
  double longestWait = 0;
  int probes = 0;
  std::thread probe([&] {
    while (!picker.Pressed()) Sleep(1);
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
  picker.Wait();
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
  const double seconds = Milliseconds(done - picker.pressedAt) / 1000;
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
