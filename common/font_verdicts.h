#pragma once
// The verdicts of the font trial for one session: a verdict holds for the file as it
// was when tried, so a file changed since (another size or time of last change),
// even under the same path, is tried again.
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace glyvane {

struct FileStamp {
  uint64_t size = 0;
  uint64_t written = 0;  // time of last change, in the system's units
  bool operator==(const FileStamp& other) const { return size == other.size && written == other.written; }
};

class FontVerdicts {
 public:
  // The verdict on the file at path with this stamp; nullopt when it was not tried.
  std::optional<bool> Known(const std::string& path, const FileStamp& stamp) const {
    const auto found = verdicts_.find(path);
    if (found == verdicts_.end() || !(found->second.stamp == stamp)) return std::nullopt;
    return found->second.survives;
  }
  void Remember(const std::string& path, const FileStamp& stamp, bool survives) {
    verdicts_[path] = Verdict{stamp, survives};
  }

 private:
  struct Verdict {
    FileStamp stamp;
    bool survives;
  };
  std::map<std::string, Verdict> verdicts_;
};

}  // namespace glyvane
