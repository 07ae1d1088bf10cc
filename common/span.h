#pragma once
// A view of a constant array: how the windows hand their design tables (controls,
// menus, routes) to the layer that builds and dispatches them.
#include <cstddef>

namespace glyvane {

template <typename T>
class Span {
 public:
  constexpr Span() = default;
  constexpr Span(const T* data, size_t size) : data_(data), size_(size) {}
  template <size_t N>
  constexpr Span(const T (&array)[N]) : data_(array), size_(N) {}  // NOLINT: arrays convert freely

  constexpr const T* begin() const { return data_; }
  constexpr const T* end() const { return data_ + size_; }
  constexpr size_t size() const { return size_; }
  constexpr bool empty() const { return size_ == 0; }
  constexpr const T& operator[](size_t index) const { return data_[index]; }

 private:
  const T* data_ = nullptr;
  size_t size_ = 0;
};

}  // namespace glyvane
