// The headless canvas: a raster of the control's size that a test can read back pixel by pixel,
// deterministic text metrics, and a log of the texts and icons drawn (text fills its extent with the
// brush colour in the raster; icons leave the raster alone). In the controls' own font a character is
// 6 pixels wide and a line 13 high; a font of the control's own scales both with its height (the
// controls' own being 11 pixels), and bold adds a pixel to each character.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/canvas.h"
#include "ui/control.h"

namespace ui {

class RasterCanvas final : public TCanvas {
 public:
  static constexpr int kCharWidth = 6, kLineHeight = 13, kDefaultHeight = 11;
  static constexpr TColor kBlank = 0x01020304;  // a pixel nothing has drawn on

  explicit RasterCanvas(const TControl& control) : control_(control) {}

  void FillRect(const TRect& rect, TColor color) override;
  void PatternInvert(const TRect& rect) override;
  void InvertRect(const TRect& rect) override;
  TSize TextExtent(const std::string& text) override;
  void TextAt(int x, int y, const std::string& text) override;
  int WrappedTextHeight(const std::string& text, int width) override;
  void DrawIcon(int x, int y, std::uintptr_t icon, int size = 16) override;

  struct Text {
    int x, y;
    std::string text;
    TColor color, background;
    friend bool operator==(const Text&, const Text&) = default;
  };
  struct Icon {
    int x, y;
    std::uintptr_t icon;
    int size = 16;
    friend bool operator==(const Icon&, const Icon&) = default;
  };
  const std::vector<Text>& Texts() const { return texts_; }
  const std::vector<Icon>& Icons() const { return icons_; }
  void ClearLog() {
    texts_.clear();
    icons_.clear();
  }

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
  std::vector<Text> texts_;
  std::vector<Icon> icons_;
};

}  // namespace ui
