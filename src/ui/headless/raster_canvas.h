// The headless canvas: a raster of the control's size that a test can read back pixel by pixel, and
// deterministic text metrics (6 pixels a character, 13 pixels high).
#pragma once

#include <vector>

#include "ui/canvas.h"
#include "ui/control.h"

namespace ui {

class RasterCanvas final : public TCanvas {
 public:
  static constexpr int kCharWidth = 6, kLineHeight = 13;
  static constexpr TColor kBlank = 0x01020304;  // a pixel nothing has drawn on

  explicit RasterCanvas(const TControl& control) : control_(control) {}

  void FillRect(const TRect& rect, TColor color) override;
  void PatternInvert(const TRect& rect) override;
  void InvertRect(const TRect& rect) override;
  TSize TextExtent(const std::string& text) override;

  TColor Pixel(int x, int y);
  int Width() const { return width_; }
  int Height() const { return height_; }

 protected:
  void DrawLine(TPoint from, TPoint to, TColor color) override;

 private:
  void Fit();  // follows the control's size
  void Set(int x, int y, TColor color);
  const TControl& control_;
  int width_ = 0, height_ = 0;
  std::vector<TColor> pixels_;
};

}  // namespace ui
