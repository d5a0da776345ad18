// The seven-segment counter box: shows a number in a fixed count of digit cells and can count the
// shown value one step per Delay milliseconds towards a target, reporting when it gets there.
#pragma once

#include <cstdint>
#include <optional>

#include "ui/control.h"
#include "ui/timer.h"

namespace controls {

class TDigitBox : public ui::TCustomControl {
 public:
  explicit TDigitBox(ui::TComponent* owner, std::string name = {});

  ui::TColor Color1() const { return color1_; }
  void SetColor1(ui::TColor color);
  ui::TColor Color2() const { return color2_; }
  void SetColor2(ui::TColor color);
  // At most 11; the width follows as 13 pixels a digit plus 2.
  std::uint32_t Digits() const { return digits_; }
  void SetDigits(std::uint32_t digits);
  // Milliseconds a counting step takes; 0 makes the value follow the target at once.
  std::uint32_t Delay() const { return delay_; }
  void SetDelay(std::uint32_t delay);
  std::uint32_t Value() const { return value_; }
  void SetValue(std::uint32_t value);
  std::uint32_t Target() const { return target_; }
  void SetTarget(std::uint32_t target);

  ui::TNotifyEvent OnValueChange;
  ui::TNotifyEvent OnTargetReach;
  // Fired before the target changes.
  ui::TNotifyEvent OnTargetChange;

  // The stepping timer's tick: one step towards the target, or the arrival.
  void Tick();
  // Fills the background with Color2, then draws the digits.
  void Paint() override;
  // Every segment of every cell, lit or unlit, drawn over what is there.
  void DrawDigits();
  void DrawDigit(unsigned digit, int x, int y);
  void DrawSegment(int segment, bool lit, int x, int y);

 protected:
  void ConstrainBounds(int& width, int& height) override;

 private:
  ui::TColor color1_ = ui::clRed;
  ui::TColor color2_ = ui::clBlack;
  std::uint32_t digits_ = 3;
  std::uint32_t delay_ = 100;
  std::uint32_t value_ = 0;
  std::uint32_t target_ = 0;
  ui::TTimer timer_;

  // Brings the canvas to the current digits and colours, drawing only what differs from what it last
  // got: nothing when nothing visible changed (a refresh five times a second of a counter that moves
  // once a second), only the segments that go on or off when only the number changed, everything
  // otherwise. Whatever covers the box later has it painted again.
  void DrawChangedDigits();
  // The left edge of cell i, counted from the units cell.
  int CellLeft(std::uint32_t i) const;

  // What DrawDigits last put on the canvas: the cells, the digits they show and the two colours.
  struct Look {
    std::uint32_t digits, shown;
    ui::TColor lit, unlit;
    bool operator==(const Look&) const = default;
  };
  Look CurrentLook() const;
  std::optional<Look> drawn_;
};

// The counter's boxes take double clicks; every control already carries OnDblClick, so this class
// only gives the form's two boxes their own kind.
class digitboxdb : public TDigitBox {
 public:
  using TDigitBox::TDigitBox;
};

}  // namespace controls
