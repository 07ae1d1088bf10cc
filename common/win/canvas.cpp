#include "common/win/canvas.h"

#include <utility>

#include "common/win/control_classes.h"
#include "common/win/fonts.h"

namespace glyvane {

PictureCanvas::PictureCanvas(Window box) : box_(box.handle()) {
  RECT area{};
  GetClientRect(box_, &area);
  size_ = SIZE{area.right, area.bottom};
  WindowDC screen(box_);
  dc_.reset(CreateCompatibleDC(screen.get()));
  bitmap_.reset(CreateCompatibleBitmap(screen.get(), size_.cx > 0 ? size_.cx : 1, size_.cy > 0 ? size_.cy : 1));
  oldBitmap_ = SelectObject(dc_.get(), bitmap_.get());
  const auto font = reinterpret_cast<HFONT>(SendMessageA(box_, WM_GETFONT, 0, 0));
  oldFont_ = SelectObject(dc_.get(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc_.get(), TRANSPARENT);
  Clear();
  SetControlCanvas(box_, dc_.get());
}

PictureCanvas::~PictureCanvas() { Release(); }

PictureCanvas::PictureCanvas(PictureCanvas&& other) noexcept { *this = std::move(other); }

PictureCanvas& PictureCanvas::operator=(PictureCanvas&& other) noexcept {
  if (this == &other) return *this;
  Release();
  box_ = std::exchange(other.box_, nullptr);
  size_ = other.size_;
  dc_ = std::move(other.dc_);
  bitmap_ = std::move(other.bitmap_);
  oldBitmap_ = std::exchange(other.oldBitmap_, nullptr);
  oldFont_ = std::exchange(other.oldFont_, nullptr);
  fore_ = other.fore_;
  back_ = other.back_;
  position_ = other.position_;
  return *this;
}

// The box stops showing the bitmap before it goes; the DC gives back what it held.
void PictureCanvas::Release() {
  if (box_ && IsWindow(box_)) SetControlCanvas(box_, nullptr);
  if (dc_) {
    SelectObject(dc_.get(), oldFont_);
    SelectObject(dc_.get(), oldBitmap_);
  }
  bitmap_.reset();
  dc_.reset();
  box_ = nullptr;
}

void PictureCanvas::SetColours(COLORREF fore, COLORREF back) {
  fore_ = fore;
  back_ = back;
}

void PictureCanvas::Clear() {
  UniqueBrush brush(CreateSolidBrush(back_));
  RECT area{0, 0, size_.cx, size_.cy};
  FillRect(dc_.get(), &area, brush.get());
  position_ = POINT{0, 0};
}

SIZE PictureCanvas::Measure(const std::string& text) const { return MeasureText(dc_.get(), text); }

void PictureCanvas::Print(const std::string& text) {
  SetTextColor(dc_.get(), fore_);
  TextOutA(dc_.get(), position_.x, position_.y, text.data(), static_cast<int>(text.size()));
  position_ = POINT{0, position_.y + Measure(text).cy};
}

void PictureCanvas::Refresh() const {
  if (box_ && IsWindow(box_)) RedrawWindow(box_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

}  // namespace glyvane
