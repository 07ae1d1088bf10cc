// What the font trial adds to showing a file: the start of a trial process, then the
// trial of each file of a folder with that process warm, then the same files again
// (the remembered verdicts). Beside it, what this process's own share of a pick
// costs for the same files: the file added to the font table, the screen's font list
// read, the face drawn, the file removed.
//
// usage: font_trial_bench FOLDER [LIMIT]   (the .ttf files of FOLDER, at most LIMIT)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/system/font_file_names.h"
#include "common/system/font_trial.h"
#include "common/system/screen_fonts.h"
#include "common/win/unique.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

std::vector<std::string> FontFiles(const std::string& folder, size_t limit) {
  std::vector<std::string> paths;
  WIN32_FIND_DATAA found{};
  glyvane::UniqueFind find(FindFirstFileA((folder + "\\*.ttf").c_str(), &found));
  if (find) {
    do {
      paths.push_back(folder + "\\" + found.cFileName);
    } while (FindNextFileA(find.get(), &found));
  }
  std::sort(paths.begin(), paths.end());
  if (paths.size() > limit) paths.resize(limit);
  return paths;
}

void Report(const char* what, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  double total = 0;
  for (double t : times) total += t;
  const size_t n = times.size();
  std::printf("%-44s mean %7.2f ms  median %7.2f ms  95%% %7.2f ms  max %7.2f ms  total %8.0f ms\n", what,
              total / static_cast<double>(n), times[n / 2], times[n * 95 / 100], times.back(), total);
}

// This process's own work for a pick, without the trial.
double OwnPick(const std::string& path) {
  const auto start = Clock::now();
  if (AddFontResourceA(path.c_str()) > 0) {
    glyvane::ScreenFontNames();
    const auto names = glyvane::ReadFontNamesForSystem(path);
    LOGFONTA wanted{};
    wanted.lfHeight = -15;
    if (names) lstrcpynA(wanted.lfFaceName, names->family.c_str(), LF_FACESIZE);
    const glyvane::UniqueDC dc(CreateCompatibleDC(nullptr));
    const glyvane::UniqueFont font(CreateFontIndirectA(&wanted));
    const glyvane::SelectObjectGuard selected(dc.get(), font.get());
    for (int code = 33; code <= 255; ++code) {
      const char character = static_cast<char>(code);
      TextOutA(dc.get(), 0, 0, &character, 1);
    }
    RemoveFontResourceA(path.c_str());
  }
  return Milliseconds(Clock::now() - start);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: font_trial_bench FOLDER [LIMIT]\n");
    return 2;
  }
  const std::vector<std::string> files = FontFiles(argv[1], argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1000);
  if (files.size() < 3) return 1;

  auto start = Clock::now();
  const bool first = glyvane::FontFileSurvivesTrial(files[0]);
  std::printf("first file, trial process started: %.0f ms (%s)\n", Milliseconds(Clock::now() - start),
              first ? "survived" : "refused");

  // A printer document, like a folder listed, sets a new process up while the program
  // goes on: the next pick finds it ready.
  glyvane::RestartFontTrials();
  Sleep(500);
  start = Clock::now();
  glyvane::FontFileSurvivesTrial(files[1]);
  std::printf("next file, process restarted 500 ms before: %.0f ms\n", Milliseconds(Clock::now() - start));

  std::vector<double> trial, again, own;
  int refused = 0;
  for (size_t i = 2; i < files.size(); ++i) {
    start = Clock::now();
    if (!glyvane::FontFileSurvivesTrial(files[i])) ++refused;
    trial.push_back(Milliseconds(Clock::now() - start));
  }
  for (size_t i = 2; i < files.size(); ++i) {
    start = Clock::now();
    glyvane::FontFileSurvivesTrial(files[i]);
    again.push_back(Milliseconds(Clock::now() - start));
  }
  for (size_t i = 2; i < files.size(); ++i) own.push_back(OwnPick(files[i]));

  std::printf("%zu files, %d refused\n", files.size() - 2, refused);
  Report("trial, warm process (target: at most 50 ms)", trial);
  Report("trial of a file tried before", again);
  Report("this process's own pick, without trial", own);
  return 0;
}
