#include "viewer/file_list.h"

#include <windows.h>

#include <algorithm>

#include "common/win/program_folder.h"
#include "common/win/unique.h"

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
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) < 0; });
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
