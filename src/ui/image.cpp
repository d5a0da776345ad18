#include "ui/image.h"

#include "ui/canvas.h"

namespace ui {

void TImage::SetIcon(TIcon icon) {
  icon_ = std::move(icon);
  draw_ = nullptr;
  PictureChanged();
}

void TImage::SetPicture(TSize size, TDrawPicture draw) {
  icon_ = TIcon();
  pictureSize_ = size;
  draw_ = std::move(draw);
  PictureChanged();
}

TSize TImage::PictureSize() const {
  if (!icon_.Empty()) return {kIconSize, kIconSize};
  return draw_ ? pictureSize_ : TSize{};
}

void TImage::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  SetBounds(Left(), Top(), Width(), Height());
}

void TImage::ConstrainBounds(int& width, int& height) {
  if (!autoSize_) return;
  const TSize size = PictureSize();
  width = size.cx;
  height = size.cy;
}

void TImage::PictureChanged() {
  SetBounds(Left(), Top(), Width(), Height());
  Invalidate();
}

void TImage::Paint() {
  TCanvas& canvas = Canvas();
  canvas.FillRect({0, 0, Width(), Height()}, Color());
  if (!icon_.Empty()) canvas.DrawIcon(0, 0, icon_.Handle(), kIconSize);
  if (draw_) draw_(canvas);
}

}  // namespace ui
