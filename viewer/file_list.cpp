#include "viewer/file_list.h"

#include <windows.h>

#include <algorithm>

#include "common/system/program_folder.h"
#include "common/win/unique.h"
#include "viewer/face_match.h"

namespace glyvane {

bool IsFontFileName(const std::string& name) {
  if (name.size() < 4) return false;
  const std::string tail = name.substr(name.size() - 4);
  return lstrcmpiA(tail.c_str(), ".ttf") == 0 || lstrcmpiA(tail.c_str(), ".fon") == 0;
}

void FileList::SetPath(const std::string& folder) {
  path_ = folder;
  std::vector<std::string> names;
  WIN32_FIND_DATAA found{};
  UniqueFind find(FindFirstFileA((WithTrailingBackslash(folder) + "*").c_str(), &found));
  if (find) {
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsFontFileName(found.cFileName)) {
        names.emplace_back(found.cFileName);
      }
    } while (FindNextFileA(find.get(), &found));
  }
  // Sorted without regard to case, by keys made once: the system's comparison, called
  // for every pair the sort compares, takes seconds over a folder of 10,000 files.
  std::vector<std::pair<std::string, std::string>> keyed;
  keyed.reserve(names.size());
  for (std::string& name : names) keyed.emplace_back(CaseFolded(name), std::move(name));
  std::sort(keyed.begin(), keyed.end());
  names.clear();
  for (auto& entry : keyed) names.push_back(std::move(entry.second));
  files_.Assign(std::move(names));
  selected_ = -1;
}

std::string FileList::FullPath(int index) const { return WithTrailingBackslash(path_) + Name(index); }

bool FileList::Select(int index) {
  if (index < -1 || index >= Count() || index == selected_) return false;
  selected_ = index;
  if (mirror_) mirror_.Select(index);
  return true;
}

}  // namespace glyvane
