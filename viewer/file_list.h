#pragma once
// `File1`: the font files ("*.ttf;*.fon") of one folder, sorted by name, shown in a
// hidden file list box. Its folder starts as the working directory.
#include <string>
#include <vector>

#include "common/win/hidden_state.h"

namespace glyvane {

class FileList {
 public:
  void Attach(ListBox mirror) { files_.Attach(mirror); }

  const std::string& Path() const { return path_; }
  void SetPath(const std::string& folder);  // lists the folder's font files
  int Count() const { return files_.Count(); }
  const std::string& Name(int index) const { return files_.items().at(static_cast<size_t>(index)); }
  const std::vector<std::string>& Names() const { return files_.items(); }

 private:
  std::string path_;
  HiddenList<> files_;
};

// True for the names the file list shows: ending in ".ttf" or ".fon", any case.
bool IsFontFileName(const std::string& name);

}  // namespace glyvane
