#include "viewer/temporary_font.h"

#include <windows.h>

#include <utility>

namespace glyvane {

namespace {

class GdiFontTable : public FontTable {
 public:
  int Add(const std::string& path) override { return AddFontResourceA(path.c_str()); }
  int Remove(const std::string& path) override { return RemoveFontResourceA(path.c_str()); }
};

}  // namespace

FontTable& SystemFontTable() {
  static GdiFontTable table;
  return table;
}

TemporaryFont::TemporaryFont(std::string path, FontTable& table)
    : table_(table), path_(std::move(path)), additions_(table_.Add(path_) > 0 ? 1 : 0) {}

TemporaryFont::TemporaryFont(std::string path, AlreadyAdded, FontTable& table)
    : table_(table), path_(std::move(path)), additions_(1) {}

TemporaryFont::TemporaryFont(TemporaryFont&& other) noexcept
    : table_(other.table_),
      path_(std::move(other.path_)),
      face_(std::move(other.face_)),
      additions_(std::exchange(other.additions_, 0)) {}

TemporaryFont::~TemporaryFont() { Remove(); }

bool TemporaryFont::Remove() {
  while (additions_ > 0 && table_.Remove(path_) > 0) --additions_;
  return additions_ == 0;
}

void TemporaryFont::AddAgain() {
  if (table_.Add(path_) > 0) ++additions_;
}

}  // namespace glyvane
