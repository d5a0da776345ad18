#include "controls/digit_box.h"

#include "ui/canvas.h"

namespace controls {

namespace {
constexpr std::uint32_t kMaxDigits = 11;
constexpr int kCellWidth = 13, kHeight = 25;

// Bit k lights segment k + 1: top, upper left, upper right, middle, lower left, lower right, bottom.
constexpr std::uint8_t kSegmentMasks[10] = {0x77, 0x24, 0x5D, 0x6D, 0x2E, 0x6B, 0x7B, 0x25, 0x7F, 0x2F};

bool SegmentLit(unsigned digit, int segment) { return (kSegmentMasks[digit] >> (segment - 1)) & 1; }

struct Line {
  int x1, y1, x2, y2;
};
// The three lines of segments 1 to 4 and 7 relative to the cell; 5 and 6 are 2 and 3 moved down.
constexpr Line kSegmentLines[8][3] = {
    {},
    {{1, 0, 10, 0}, {2, 1, 9, 1}, {3, 2, 8, 2}},
    {{0, 1, 0, 10}, {1, 2, 1, 9}, {2, 3, 2, 8}},
    {{10, 1, 10, 10}, {9, 2, 9, 9}, {8, 3, 8, 8}},
    {{1, 10, 10, 10}, {2, 9, 9, 9}, {2, 11, 9, 11}},
    {},
    {},
    {{1, 20, 10, 20}, {2, 19, 9, 19}, {3, 18, 8, 18}},
};
}  // namespace

TDigitBox::TDigitBox(ui::TComponent* owner, std::string name)
    : ui::TCustomControl(owner, std::move(name)), timer_(this) {
  timer_.SetInterval(delay_);
  timer_.OnTimer = [this](ui::TObject*) { Tick(); };
  // Takes the size of its digit cells.
  SetBounds(0, 0, 0, 0);
}

void TDigitBox::ConstrainBounds(int& width, int& height) {
  width = kCellWidth * static_cast<int>(digits_) + 2;
  height = kHeight;
}

void TDigitBox::SetColor1(ui::TColor color) {
  color1_ = color;
  DrawChangedDigits();
}

void TDigitBox::SetColor2(ui::TColor color) {
  color2_ = color;
  Invalidate();
}

void TDigitBox::SetDigits(std::uint32_t digits) {
  digits_ = digits >= kMaxDigits ? kMaxDigits : digits;
  const int oldWidth = Width();
  SetWidth(Width());
  // A window that changes size is painted again.
  if (Width() != oldWidth) Invalidate();
}

void TDigitBox::SetDelay(std::uint32_t delay) {
  delay_ = delay;
  timer_.SetInterval(delay);
  if (delay == 0 && value_ != target_) {
    value_ = target_;
    DrawChangedDigits();
  }
}

void TDigitBox::SetValue(std::uint32_t value) {
  value_ = value;
  if (delay_ == 0) {
    target_ = value;
  } else if (value != target_) {
    timer_.SetEnabled(true);
  }
  DrawChangedDigits();
  if (OnValueChange) OnValueChange(this);
}

void TDigitBox::SetTarget(std::uint32_t target) {
  if (OnTargetChange) OnTargetChange(this);
  target_ = target;
  if (delay_ == 0) {
    value_ = target;
    DrawChangedDigits();
  } else if (target != value_) {
    timer_.SetEnabled(true);
  }
}

void TDigitBox::Tick() {
  if (value_ < target_) SetValue(value_ + 1);
  if (value_ > target_) SetValue(value_ - 1);
  if (value_ == target_) {
    timer_.SetEnabled(false);
    if (OnTargetReach) OnTargetReach(this);
  }
}

void TDigitBox::Paint() {
  Canvas().FillRect({0, 0, ClientWidth(), ClientHeight()}, color2_);
  DrawDigits();
}

TDigitBox::Look TDigitBox::CurrentLook() const {
  // Only the lowest Digits decimal digits show; ten or more cells show every digit a value can have.
  std::uint32_t shown = value_;
  if (digits_ < 10) {
    std::uint32_t limit = 1;
    for (std::uint32_t i = 0; i < digits_; ++i) limit *= 10;
    shown %= limit;
  }
  return {digits_, shown, color1_, color2_};
}

int TDigitBox::CellLeft(std::uint32_t i) const { return kCellWidth * static_cast<int>(digits_ - 1 - i) + 2; }

void TDigitBox::DrawChangedDigits() {
  const Look now = CurrentLook();
  if (drawn_ == now) return;
  if (!drawn_ || drawn_->digits != now.digits || drawn_->lit != now.lit || drawn_->unlit != now.unlit) {
    DrawDigits();
    return;
  }
  // Segments do not overlap, so those that keep their state already show what DrawDigits would draw.
  std::uint32_t before = drawn_->shown, after = now.shown;
  drawn_ = now;
  for (std::uint32_t i = 0; i < digits_; ++i, before /= 10, after /= 10) {
    const unsigned from = before % 10, to = after % 10;
    if (from == to) continue;
    for (int segment = 7; segment >= 1; --segment) {
      const bool lit = SegmentLit(to, segment);
      if (lit != SegmentLit(from, segment)) DrawSegment(segment, lit, CellLeft(i), 2);
    }
  }
}

void TDigitBox::DrawDigits() {
  drawn_ = CurrentLook();
  std::uint32_t rest = value_;
  for (std::uint32_t i = 0; i < digits_; ++i) {
    DrawDigit(rest % 10, CellLeft(i), 2);
    rest /= 10;
  }
}

void TDigitBox::DrawDigit(unsigned digit, int x, int y) {
  for (int segment = 7; segment >= 1; --segment) DrawSegment(segment, SegmentLit(digit, segment), x, y);
}

void TDigitBox::DrawSegment(int segment, bool lit, int x, int y) {
  if (segment == 5 || segment == 6) {
    DrawSegment(segment - 3, lit, x, y + 10);
    return;
  }
  ui::TCanvas& canvas = Canvas();
  canvas.PenColor = lit ? color1_ : color2_;
  for (const Line& line : kSegmentLines[segment]) {
    canvas.MoveTo(x + line.x1, y + line.y1);
    canvas.LineTo(x + line.x2, y + line.y2);
  }
}

}  // namespace controls
