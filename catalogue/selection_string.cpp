#include "catalogue/selection_string.h"

namespace glyvane {

namespace {

// The selection read with 1-based positions; a position outside it reads as no
// character, as a substring past the end is empty.
class Positions {
 public:
  explicit Positions(std::string_view text) : text_(text) {}
  size_t length() const { return text_.size(); }
  char At(size_t position) const {
    return position >= 1 && position <= text_.size() ? text_[position - 1] : '\0';
  }
  // The number written by `count` characters from `position`; -1 when they are not
  // all digits (a well-formed selection never has that).
  int NumberAt(size_t position, size_t count) const {
    int value = 0;
    for (size_t p = position; p < position + count; ++p) {
      const char c = At(p);
      if (c < '0' || c > '9') return -1;
      value = value * 10 + (c - '0');
    }
    return value;
  }

 private:
  std::string_view text_;
};

}  // namespace

std::string ToggleSelection(std::string_view selection, int item) {
  const Positions s(selection);
  int n = -1;
  size_t k = 0;  // length of the entry found: ";" and its digits
  for (size_t i = 1; i <= s.length(); ++i) {
    if (s.At(i) == ';') {
      if (s.At(i + 2) == ';') {
        n = s.NumberAt(i + 1, 1);
        k = 2;
      }
      if (s.At(i + 3) == ';') {
        n = s.NumberAt(i + 1, 2);
        k = 3;
      }
    }
    if (n == item) {
      // The entry's ";" and digits go; the ";" that closed it stays.
      return std::string(selection.substr(0, i - 1)) + std::string(selection.substr(i - 1 + k));
    }
  }
  return std::string(selection) + std::to_string(item) + ";";
}

std::vector<int> SelectedItems(std::string_view selection) {
  const Positions s(selection);
  std::vector<int> items;
  for (size_t i = 1; i <= s.length(); ++i) {
    if (s.At(i) != ';') continue;
    int index = -1;
    if (s.At(i + 2) == ';') index = s.NumberAt(i + 1, 1);
    if (s.At(i + 3) == ';') index = s.NumberAt(i + 1, 2);
    if (index >= 0) items.push_back(index);
  }
  return items;
}

}  // namespace glyvane
