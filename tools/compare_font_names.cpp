// The font reader's names beside the system's, file by file, for
// scripts/compare-font-names: each file is added privately and the faces that then
// appear in the system's font list (EnumFontFamiliesExA) are its faces.
//
// Usage: compare_font_names LIST   (LIST: a file of paths, one a line, in the ANSI
// code page). Prints, per file, lines of tab-separated fields, names as the A
// functions give them, with \, tab and line ends escaped:
//   listed COUNT         once: the faces listed before any file is added
//   file PATH            before the system sees the file, so a crash names it
//   reader FAMILY FULL   or "reader" alone when the reader refuses the file
//   system FAMILY FULL   one line per face that appeared (none: refused)
//   done | stale
// "stale": the system kept faces of this file after its removal (Wine does for
// vertical faces and the further faces of a collection); the program ends there,
// as they would mix with the next file's, and is started again on the files left.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "common/system/font_file_names.h"
#include "common/win/unique.h"

namespace {

using Face = std::pair<std::string, std::string>;  // lfFaceName, elfFullName

void Add(std::vector<Face>& faces, const Face& face) {
  if (std::find(faces.begin(), faces.end(), face) == faces.end()) faces.push_back(face);
}

int CALLBACK CollectFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM data) {
  const auto* full = reinterpret_cast<const ENUMLOGFONTEXA*>(font);
  auto* faces = reinterpret_cast<std::vector<Face>*>(data);
  Add(*faces, {font->lfFaceName, reinterpret_cast<const char*>(full->elfFullName)});
  return 1;
}

std::vector<Face> Enumerate(HDC dc, const std::string& family) {
  LOGFONTA query{};
  query.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(query.lfFaceName, family.c_str(), LF_FACESIZE);
  std::vector<Face> faces;
  EnumFontFamiliesExA(dc, &query, &CollectFace, reinterpret_cast<LPARAM>(&faces), 0);
  return faces;
}

// Every face of the system's font list, in its order: each family with the full name
// of one of its faces, then that family's faces. (A name outside the ANSI code page
// comes back best-fitted and no longer finds its family: such a family keeps its one
// face.)
std::vector<Face> AllFaces(HDC dc) {
  std::vector<Face> faces;
  for (const Face& first : Enumerate(dc, "")) {
    Add(faces, first);
    if (first.first.empty()) continue;  // "" would ask for every family again
    for (const Face& face : Enumerate(dc, first.first)) Add(faces, face);
  }
  return faces;
}

std::string Escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else {
      out += c;
    }
  }
  return out;
}

void Print(const std::string& line) {
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: compare_font_names LIST\n");
    return 2;
  }
  std::ifstream list(argv[1]);
  if (!list) {
    std::fprintf(stderr, "compare_font_names: cannot read %s\n", argv[1]);
    return 2;
  }
  const glyvane::UniqueDC dc(CreateCompatibleDC(nullptr));
  const std::vector<Face> baseline = AllFaces(dc.get());
  Print("listed\t" + std::to_string(baseline.size()));  // faces before any file: few, ideally
  for (std::string path; std::getline(list, path);) {
    if (!path.empty() && path.back() == '\r') path.pop_back();
    if (path.empty()) continue;
    Print("file\t" + Escaped(path));

    const std::optional<glyvane::FontNames> names = glyvane::ReadFontNamesForSystem(path);
    Print(names ? "reader\t" + Escaped(names->family) + "\t" + Escaped(names->fullName) : "reader");

    if (AddFontResourceExA(path.c_str(), FR_PRIVATE, nullptr) > 0) {
      for (const Face& face : AllFaces(dc.get())) {
        if (std::find(baseline.begin(), baseline.end(), face) != baseline.end()) continue;
        Print("system\t" + Escaped(face.first) + "\t" + Escaped(face.second));
      }
      RemoveFontResourceExA(path.c_str(), FR_PRIVATE, nullptr);
      if (AllFaces(dc.get()) != baseline) {
        Print("stale");
        return 0;
      }
    }
    Print("done");
  }
  return 0;
}
