// The font a control writes its text in: the system's font for controls unless the control names a
// typeface, a height, bold or italic of its own. Its colour is the control's FontColor.
#pragma once

#include <string>

namespace ui {

// Pixels per inch of the screen, which turns point sizes into pixel heights.
constexpr int kPixelsPerInch = 96;

struct TFont {
  // The typeface; "" keeps the controls' own.
  std::string Name;
  // The character height in pixels, written negative as the platform takes it (the height of the
  // letters without the leading above them); 0 keeps the controls' own.
  int Height = 0;
  bool Bold = false;
  bool Italic = false;

  // The size in points, as the height gives it; 0 while the height is the controls' own.
  int Size() const;
  void SetSize(int points);

  // A typeface at a size in points.
  static TFont Named(std::string name, int points, bool bold = false);

  friend bool operator==(const TFont&, const TFont&) = default;
};

}  // namespace ui
