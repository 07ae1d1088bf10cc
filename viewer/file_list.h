#pragma once
// `File1`: the font files ("*.ttf;*.fon") of one folder, sorted by name, shown in a
// hidden file list box, and the one selected. Its folder starts as the working
// directory.
#include <string>
#include <vector>

#include "common/win/hidden_state.h"

namespace glyvane {

class FileList {
 public:
  void Attach(ListBox mirror) {
    mirror_ = mirror;
    files_.Attach(mirror);
  }

  const std::string& Path() const { return path_; }
  void SetPath(const std::string& folder);  // lists the folder's font files, none selected
  int Count() const { return files_.Count(); }
  const std::string& Name(int index) const { return files_.items().at(static_cast<size_t>(index)); }
  const std::vector<std::string>& Names() const { return files_.items(); }
  // The full path of file index.
  std::string FullPath(int index) const;

  // The selected file's index, -1 for none.
  int Selected() const { return selected_; }
  // Selects file index (-1: none); true when that changed the selection.
  bool Select(int index);

 private:
  std::string path_;
  HiddenList<> files_;
  ListBox mirror_;
  int selected_ = -1;
};

// True for the names the file list shows: ending in ".ttf" or ".fon", any case.
bool IsFontFileName(const std::string& name);

}  // namespace glyvane
