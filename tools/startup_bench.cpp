// Start-up time of window programs: from CreateProcess to a shown main window that
// has been painted and whose thread has reached its message loop (a WM_NULL sent to
// it returns only then). The programs start in turn, several times each; the median of
// each is reported.
//
// usage: startup_bench RUNS PROGRAM...
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "support.h"

namespace {

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// One start: the time to the painted window, or a negative number on failure.
double TimeOneStart(const std::string& program) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::string commandLine = "\"" + program + "\"";
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    return -1;
  }
  HWND found = nullptr;
  for (int waited = 0; !found && waited < 60000; ++waited) {
    const std::vector<HWND> shown = glyvane::test::ProcessWindows(info.dwProcessId, nullptr);
    if (!shown.empty()) found = shown.front();
    if (!found) Sleep(1);
  }
  double elapsed = -1;
  DWORD_PTR ignored = 0;
  if (found &&
      SendMessageTimeoutA(found, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &ignored)) {
    QueryPerformanceCounter(&end);
    elapsed = Seconds(start, end);
    PostMessageA(found, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(info.hProcess, 1);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup_bench RUNS PROGRAM...\n");
    return 2;
  }
  const int runs = std::max(1, std::atoi(argv[1]));
  const int programs = argc - 2;
  for (int p = 0; p < programs; ++p) TimeOneStart(argv[2 + p]);  // warm-up: caches, font lists
  // The programs take turns, so that a machine that gets busier or quieter meanwhile
  // weighs on all of them alike.
  std::vector<std::vector<double>> times(static_cast<size_t>(programs));
  for (int i = 0; i < runs; ++i) {
    for (int p = 0; p < programs; ++p) {
      const double time = TimeOneStart(argv[2 + p]);
      if (time < 0) {
        std::fprintf(stderr, "%s: no painted window\n", argv[2 + p]);
        return 1;
      }
      times[static_cast<size_t>(p)].push_back(time);
    }
  }
  for (int p = 0; p < programs; ++p) {
    std::vector<double>& own = times[static_cast<size_t>(p)];
    std::sort(own.begin(), own.end());
    std::printf("%s median_ms=%.1f min_ms=%.1f max_ms=%.1f runs=%d\n", argv[2 + p], own[own.size() / 2] * 1000,
                own.front() * 1000, own.back() * 1000, runs);
  }
  std::fflush(stdout);
  return 0;
}
