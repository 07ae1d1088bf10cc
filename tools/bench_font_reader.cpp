// Files per second over the .ttf files of one folder: for the font reader, for a
// bare read of each whole file, and for fc-scan. Usage: bench_font_reader FOLDER
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "common/font_names.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// The best of a few passes over all files, so that a pass disturbed by another
// process does not count; every file must give `true`.
double FilesPerSecond(const std::vector<std::string>& files,
                      const std::function<bool(const std::string&)>& visit) {
  double best = 0;
  for (int pass = 0; pass < 5; ++pass) {
    const Clock::time_point start = Clock::now();
    size_t done = 0;
    for (const std::string& file : files) done += visit(file);
    const double seconds = Seconds(start);
    if (done != files.size()) {
      std::fprintf(stderr, "only %zu of %zu files read\n", done, files.size());
      std::exit(1);
    }
    best = std::max(best, static_cast<double>(files.size()) / seconds);
  }
  return best;
}

// The whole file into memory, its size from a seek to the end, through the same
// unbuffered calls as the reader.
bool BareRead(const std::string& path) {
  std::filebuf file;
  file.pubsetbuf(nullptr, 0);
  if (!file.open(path, std::ios::in | std::ios::binary)) return false;
  const std::streamoff size = file.pubseekoff(0, std::ios::end, std::ios::in);
  std::vector<char> bytes(static_cast<size_t>(size));
  return file.pubseekpos(0, std::ios::in) == 0 && file.sgetn(bytes.data(), size) == size;
}

// One fc-scan process for all files, as a folder listing would run it.
double FcScanFilesPerSecond(const std::string& folder, size_t fileCount) {
  const std::string command = "fc-scan --format '%{family}\\n' '" + folder + "'/*.ttf";
  double best = 0;
  for (int pass = 0; pass < 2; ++pass) {
    const Clock::time_point start = Clock::now();
    FILE* scan = popen(command.c_str(), "r");
    size_t lines = 0;
    for (int c; scan && (c = std::fgetc(scan)) != EOF;) lines += c == '\n';
    const bool ok = scan && pclose(scan) == 0 && lines == fileCount;
    const double seconds = Seconds(start);
    if (!ok) {
      std::fprintf(stderr, "fc-scan failed or gave %zu families for %zu files\n", lines, fileCount);
      std::exit(1);
    }
    best = std::max(best, static_cast<double>(fileCount) / seconds);
  }
  return best;
}

void PrintRate(const char* what, double filesPerSecond) {
  std::printf("  %-68s %9.0f files/s  %7.1f us/file\n", what, filesPerSecond,
              1e6 / filesPerSecond);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: bench_font_reader FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  std::vector<std::string> files;
  uintmax_t bytes = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".ttf") continue;
    files.push_back(entry.path().string());
    bytes += entry.file_size();
  }
  if (files.empty()) {
    std::fprintf(stderr, "no .ttf files in %s\n", folder.c_str());
    return 1;
  }
  std::sort(files.begin(), files.end());
  for (const std::string& file : files) BareRead(file);  // all in the page cache from now on

  const double averageKb = static_cast<double>(bytes) / static_cast<double>(files.size()) / 1024;
  std::printf("%zu font files in %s, %.0f KB each on average (all in the page cache)\n",
              files.size(), folder.c_str(), averageKb);
  const double reader = FilesPerSecond(files, [](const std::string& path) {
    return glyvane::ReadFontNames(path, 0x040C).has_value();
  });
  const double bare = FilesPerSecond(files, BareRead);
  const double fcScan = FcScanFilesPerSecond(folder, files.size());
  PrintRate("font reader (ReadFontNames: reads the first 1 KB and the name table)", reader);
  PrintRate("bare read (open, seek to the end, read the whole file, close)", bare);
  PrintRate("fc-scan --format '%{family}\\n' (one process for all files)", fcScan);
  std::printf("reader / fc-scan:   %6.1fx  (target: at least 10x)\n", reader / fcScan);
  std::printf("reader / bare read: %6.2fx  (target: at least 0.5x, within 2x of the bare read)\n",
              reader / bare);
  return 0;
}
