#pragma once
// Typed state of a window that the layout also shows as a hidden control (a label
// holding an index or a path, a list holding names). The typed value is what the
// code reads; the hidden control mirrors it, so tools that read windows see it too.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/win/window.h"

namespace glyvane {

inline std::string StateText(const std::string& value) { return value; }
inline std::string StateText(const std::optional<int>& value) { return value ? std::to_string(*value) : std::string(); }

template <typename T>
class HiddenLabel {
 public:
  void Attach(Window label) {
    label_ = label;
    label_.SetText(StateText(value_));
  }
  const T& get() const { return value_; }
  void set(T value) {
    value_ = std::move(value);
    if (label_) label_.SetText(StateText(value_));
  }

 private:
  T value_{};
  Window label_;
};

class HiddenList {
 public:
  void Attach(ListBox list) { list_ = list; }
  const std::vector<std::string>& items() const { return items_; }
  int Count() const { return static_cast<int>(items_.size()); }
  void Assign(std::vector<std::string> items) {
    items_ = std::move(items);
    if (!list_) return;
    list_.SetRedraw(false);
    list_.Clear();
    for (const std::string& item : items_) list_.Add(item);
    list_.SetRedraw(true);
  }

 private:
  std::vector<std::string> items_;
  ListBox list_;
};

}  // namespace glyvane
