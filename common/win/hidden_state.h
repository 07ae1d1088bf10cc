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

inline const std::string& StateText(const std::string& value) { return value; }
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

inline std::string StateText(int value) { return std::to_string(value); }

template <typename T = std::string>
class HiddenList {
 public:
  void Attach(ListBox list) {
    list_ = list;
    Mirror();
  }
  const std::vector<T>& items() const { return items_; }
  int Count() const { return static_cast<int>(items_.size()); }
  void Assign(std::vector<T> items) {
    items_ = std::move(items);
    Mirror();
  }

 private:
  void Mirror() {
    if (!list_) return;
    list_.SetRedraw(false);
    list_.Clear();
    size_t bytes = 0;
    for (const T& item : items_) bytes += StateText(item).size() + 1;
    list_.Reserve(Count(), bytes);  // one allocation for a list of thousands
    for (const T& item : items_) list_.Add(StateText(item));
    list_.SetRedraw(true);
  }

  std::vector<T> items_;
  ListBox list_;
};

}  // namespace glyvane
