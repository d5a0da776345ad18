#include "ui/headless/raster_canvas.h"

#include <algorithm>
#include <cstdlib>

namespace ui {

void RasterCanvas::Fit() {
  if (control_.Width() == width_ && control_.Height() == height_) return;
  std::vector<TColor> resized(static_cast<std::size_t>(std::max(0, control_.Width() * control_.Height())), kBlank);
  for (int y = 0; y < std::min(height_, control_.Height()); ++y)
    for (int x = 0; x < std::min(width_, control_.Width()); ++x)
      resized[y * control_.Width() + x] = pixels_[y * width_ + x];
  width_ = control_.Width();
  height_ = control_.Height();
  pixels_ = std::move(resized);
}

void RasterCanvas::Set(int x, int y, TColor color) {
  if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[y * width_ + x] = color;
}

TColor RasterCanvas::Pixel(int x, int y) {
  Fit();
  return x >= 0 && y >= 0 && x < width_ && y < height_ ? pixels_[y * width_ + x] : kBlank;
}

void RasterCanvas::DrawLine(TPoint from, TPoint to, TColor color) {
  Fit();
  // Bresenham, stopping short of the end point as the platform's line-to does.
  const int dx = std::abs(to.x - from.x), dy = -std::abs(to.y - from.y);
  const int sx = from.x < to.x ? 1 : -1, sy = from.y < to.y ? 1 : -1;
  int err = dx + dy, x = from.x, y = from.y;
  while (x != to.x || y != to.y) {
    Set(x, y, color);
    const int e2 = 2 * err;
    if (e2 >= dy) { err += dy; x += sx; }
    if (e2 <= dx) { err += dx; y += sy; }
  }
}

void RasterCanvas::FillRect(const TRect& rect, TColor color) {
  Fit();
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x) Set(x, y, color);
}

void RasterCanvas::PatternInvert(const TRect& rect) {
  Fit();
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x)
      if ((x + y) % 2 == 0 && x >= 0 && y >= 0 && x < width_ && y < height_)
        pixels_[y * width_ + x] ^= 0xFFFFFF;
}

void RasterCanvas::InvertRect(const TRect& rect) {
  Fit();
  for (int y = std::max(0, rect.top); y < std::min(height_, rect.bottom); ++y)
    for (int x = std::max(0, rect.left); x < std::min(width_, rect.right); ++x) pixels_[y * width_ + x] ^= 0xFFFFFF;
}

TSize RasterCanvas::TextExtent(const std::string& text) {
  const TFont& font = control_.Font();
  const int height = font.Height ? std::abs(font.Height) : kDefaultHeight;
  const int charWidth = (height * kCharWidth + kDefaultHeight / 2) / kDefaultHeight + (font.Bold ? 1 : 0);
  return {static_cast<int>(text.size()) * charWidth, height + kLineHeight - kDefaultHeight};
}

void RasterCanvas::TextAt(int x, int y, const std::string& text) {
  const TSize extent = TextExtent(text);
  FillRect({x, y, x + extent.cx, y + extent.cy}, BrushColor);
  texts_.push_back({x, y, text, FontColor, BrushColor});
}

int RasterCanvas::WrappedTextHeight(const std::string& text, int width) {
  // Each word takes the blanks after it along; words fill a line while the line, its last blanks left
  // out, fits the width. A word too wide for any line has a line of its own.
  int lines = 1;
  std::string line;
  for (std::size_t at = 0; at < text.size();) {
    std::size_t end = text.find(' ', at);
    end = end == std::string::npos ? text.size() : text.find_first_not_of(' ', end);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(at, end - at);
    std::string longer = line + word;
    longer.erase(longer.find_last_not_of(' ') + 1);
    if (!line.empty() && TextExtent(longer).cx > width) {
      ++lines;
      line = word;
    } else {
      line += word;
    }
    at = end;
  }
  return lines * TextExtent("").cy;
}

void RasterCanvas::DrawIcon(int x, int y, std::uintptr_t icon, int size) { icons_.push_back({x, y, icon, size}); }

}  // namespace ui
