#include "player/shell/about_title.h"

#include <cmath>

namespace player {

namespace {

constexpr ui::TColor kNight = 0x401808, kDeep = 0x803010, kStaff = 0xC8A080, kNote = 0x00E0FF, kInk = 0x000000;
constexpr int kStaffTop = 8, kLineGap = 6;

// The colour a fraction of the way from one colour to another, each channel on its own.
ui::TColor Blend(ui::TColor from, ui::TColor to, int step, int steps) {
  ui::TColor blended = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int a = static_cast<int>((from >> shift) & 0xFF), b = static_cast<int>((to >> shift) & 0xFF);
    blended |= static_cast<ui::TColor>(a + (b - a) * step / steps) << shift;
  }
  return blended;
}

int LineY(int line) { return kStaffTop + line * kLineGap; }

// A note head: a slanted oval around (cx, cy), with a dark rim.
void NoteHead(ui::TCanvas& canvas, int cx, int cy) {
  for (int dy = -3; dy <= 3; ++dy) {
    const int half = static_cast<int>(std::lround(4.2 * std::sqrt(1.0 - (dy * dy) / 10.5)));
    const int shift = -dy / 2;
    canvas.FillRect({cx - half + shift - 1, cy + dy, cx + half + shift + 1, cy + dy + 1}, kInk);
    canvas.FillRect({cx - half + shift, cy + dy, cx + half + shift, cy + dy + 1}, kNote);
  }
}

// Two eighth notes whose stems rise from the heads' right sides to a sloping beam.
void BeamedPair(ui::TCanvas& canvas, int x1, int y1, int x2, int y2, int beamRise) {
  const int top1 = LineY(0) - 4, top2 = top1 - beamRise;
  canvas.FillRect({x1 + 4, top1, x1 + 6, y1}, kNote);
  canvas.FillRect({x2 + 4, top2, x2 + 6, y2}, kNote);
  for (int x = x1 + 4; x <= x2 + 5; ++x) {
    const int y = top1 + (top2 - top1) * (x - x1 - 4) / (x2 - x1 + 1);
    canvas.FillRect({x, y, x + 1, y + 4}, kNote);
  }
  NoteHead(canvas, x1, y1);
  NoteHead(canvas, x2, y2);
}

}  // namespace

void DrawAboutTitle(ui::TCanvas& canvas) {
  const auto [width, height] = kAboutTitleSize;
  // Night blue deepening upwards, then a band for the name.
  constexpr int kBand = 44;
  for (int y = 0; y < kBand; ++y) canvas.FillRect({0, y, width, y + 1}, Blend(kNight, kDeep, y, kBand));
  canvas.FillRect({0, kBand, width, height}, kDeep);
  canvas.FillRect({0, kBand, width, kBand + 1}, kStaff);

  for (int line = 0; line < 5; ++line) canvas.FillRect({6, LineY(line), width - 6, LineY(line) + 1}, kStaff);
  // A bar line at each end of the staff.
  canvas.FillRect({6, LineY(0), 7, LineY(4) + 1}, kStaff);
  canvas.FillRect({width - 7, LineY(0), width - 6, LineY(4) + 1}, kStaff);

  // A rising phrase: space, line, space, line, then down again.
  BeamedPair(canvas, 30, LineY(3) + 3, 52, LineY(3), 2);
  BeamedPair(canvas, 80, LineY(2) + 3, 102, LineY(2), 2);
  BeamedPair(canvas, 130, LineY(1), 152, LineY(2) + 3, -2);

  canvas.BrushColor = kDeep;
  canvas.FontColor = 0xFFFFFF;
  const std::string name = "MIDI Tunora";
  const ui::TSize extent = canvas.TextExtent(name);
  canvas.TextAt((width - extent.cx) / 2, kBand + (height - kBand - extent.cy) / 2, name);
}

}  // namespace player
