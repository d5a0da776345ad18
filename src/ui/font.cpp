#include "ui/font.h"

#include <cstdlib>

namespace ui {

namespace {
// a * b / c rounded to the nearest whole number, halves away from zero, as the platform's MulDiv does.
int MulDivRounded(int a, int b, int c) {
  const long long product = static_cast<long long>(a) * b;
  const long long half = c / 2;
  return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}
}  // namespace

int TFont::Size() const { return Height == 0 ? 0 : MulDivRounded(std::abs(Height), 72, kPixelsPerInch); }

void TFont::SetSize(int points) { Height = points == 0 ? 0 : -MulDivRounded(points, kPixelsPerInch, 72); }

TFont TFont::Named(std::string name, int points, bool bold) {
  TFont font;
  font.Name = std::move(name);
  font.SetSize(points);
  font.Bold = bold;
  return font;
}

}  // namespace ui
