// A drawing surface: pen colour, lines that leave their end point undrawn, fills, the inversions that
// draw drag lines, text and small icons, and text measurement.
#pragma once

#include <cstdint>
#include <string>

#include "ui/types.h"

namespace ui {

class TCanvas {
 public:
  virtual ~TCanvas() = default;

  TColor PenColor = clBlack;
  // The background text is written on, and the text's colour.
  TColor BrushColor = clWindow;
  TColor FontColor = clWindowText;

  void MoveTo(int x, int y) { pen_ = {x, y}; }
  // Draws from the pen position to (x, y), the end point itself left undrawn, and moves the pen there.
  void LineTo(int x, int y) {
    DrawLine(pen_, {x, y}, PenColor);
    pen_ = {x, y};
  }
  TPoint PenPos() const { return pen_; }

  virtual void FillRect(const TRect& rect, TColor color) = 0;
  // Inverts the rectangle through a checker pattern (a drag line drawn twice disappears).
  virtual void PatternInvert(const TRect& rect) = 0;
  // Inverts every pixel of the rectangle (drawn twice, it disappears as well).
  virtual void InvertRect(const TRect& rect) = 0;
  virtual TSize TextExtent(const std::string& text) = 0;
  // Writes the text in FontColor on BrushColor, its top left corner at (x, y), in the controls' font.
  virtual void TextAt(int x, int y, const std::string& text) = 0;
  // The height of the text written into lines of the given width, broken between words as a label
  // breaks it.
  virtual int WrappedTextHeight(const std::string& text, int width) = 0;
  // Draws an icon, a handle as the backend's icons, its top left corner at (x, y), in a square of the
  // given size (a small icon by default).
  virtual void DrawIcon(int x, int y, std::uintptr_t icon, int size = 16) = 0;

 protected:
  virtual void DrawLine(TPoint from, TPoint to, TColor color) = 0;

 private:
  TPoint pen_;
};

}  // namespace ui
