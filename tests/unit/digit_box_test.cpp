#include "controls/digit_box.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "support/headless_app.h"
#include "ui/headless/raster_canvas.h"

namespace {

using controls::TDigitBox;

// The pixels of one digit cell at (x, y): true where a lit segment is drawn, false where an unlit one
// is. Built from the segment drawing as the box should do it: each line stops short of its end point.
std::map<std::pair<int, int>, bool> DigitPixels(unsigned digit, int x, int y) {
  // Segments lit per digit: 1 top, 2 upper left, 3 upper right, 4 middle, 5 lower left,
  // 6 lower right, 7 bottom.
  static const std::set<int> lit[10] = {
      {1, 2, 3, 5, 6, 7}, {3, 6}, {1, 3, 4, 5, 7}, {1, 3, 4, 6, 7}, {2, 3, 4, 6},
      {1, 2, 4, 6, 7},    {1, 2, 4, 5, 6, 7}, {1, 3, 6}, {1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 4, 6}};
  struct Line {
    int x1, y1, x2, y2;
  };
  auto lines = [](int s) -> std::vector<Line> {
    switch (s) {
      case 1: return {{1, 0, 10, 0}, {2, 1, 9, 1}, {3, 2, 8, 2}};
      case 2: return {{0, 1, 0, 10}, {1, 2, 1, 9}, {2, 3, 2, 8}};
      case 3: return {{10, 1, 10, 10}, {9, 2, 9, 9}, {8, 3, 8, 8}};
      case 4: return {{1, 10, 10, 10}, {2, 9, 9, 9}, {2, 11, 9, 11}};
      case 5: return {{0, 11, 0, 20}, {1, 12, 1, 19}, {2, 13, 2, 18}};
      case 6: return {{10, 11, 10, 20}, {9, 12, 9, 19}, {8, 13, 8, 18}};
      default: return {{1, 20, 10, 20}, {2, 19, 9, 19}, {3, 18, 8, 18}};
    }
  };
  std::map<std::pair<int, int>, bool> pixels;
  for (int s = 7; s >= 1; --s) {
    for (const Line& l : lines(s)) {
      // Every line is horizontal or vertical.
      const int dx = (l.x2 > l.x1) - (l.x2 < l.x1), dy = (l.y2 > l.y1) - (l.y2 < l.y1);
      for (int px = l.x1, py = l.y1; px != l.x2 || py != l.y2; px += dx, py += dy)
        pixels[{x + px, y + py}] = lit[digit].count(s) != 0;
    }
  }
  return pixels;
}

struct DigitBoxTest : ::testing::Test {
  testing_support::HeadlessApp env;
  TDigitBox box{nullptr};
  std::vector<std::pair<std::uint64_t, std::uint32_t>> shown;  // time, value
  std::vector<std::pair<std::uint64_t, std::uint32_t>> reached;

  ui::TColor PixelAt(int x, int y) { return static_cast<ui::RasterCanvas&>(box.Canvas()).Pixel(x, y); }

  // What the raster shows: one character per cell, '?' for a cell that is no clean digit.
  std::string ShownText() {
    std::string text;
    for (std::uint32_t cell = 0; cell < box.Digits(); ++cell) {
      char found = '?';
      for (unsigned d = 0; d < 10 && found == '?'; ++d) {
        bool match = true;
        for (const auto& [at, lit] : DigitPixels(d, 13 * static_cast<int>(cell) + 2, 2))
          match = match && PixelAt(at.first, at.second) == (lit ? box.Color1() : box.Color2());
        if (match) found = static_cast<char>('0' + d);
      }
      text += found;
    }
    return text;
  }

  void Record() {
    box.OnValueChange = [this](ui::TObject*) { shown.push_back({env.loop.NowMs(), box.Value()}); };
    box.OnTargetReach = [this](ui::TObject* sender) {
      EXPECT_EQ(sender, &box);
      reached.push_back({env.loop.NowMs(), box.Value()});
    };
  }
};

TEST_F(DigitBoxTest, CountsDownOneStepASecondAndReportsWithTheStepThatShowsTheTarget) {
  box.SetDigits(2);
  box.SetColor2(ui::clBlack);
  Record();
  box.SetDelay(1000);
  box.SetValue(5);
  box.SetTarget(0);
  EXPECT_EQ(ShownText(), "05");
  env.loop.Advance(4999);
  EXPECT_EQ(box.Value(), 1u);
  EXPECT_EQ(ShownText(), "01");
  EXPECT_TRUE(reached.empty());
  env.loop.Advance(1);
  EXPECT_EQ(ShownText(), "00");
  const std::vector<std::pair<std::uint64_t, std::uint32_t>> steps = {
      {0, 5}, {1000, 4}, {2000, 3}, {3000, 2}, {4000, 1}, {5000, 0}};
  EXPECT_EQ(shown, steps);
  ASSERT_EQ(reached.size(), 1u);
  EXPECT_EQ(reached[0], std::make_pair(std::uint64_t{5000}, 0u));
  env.loop.Advance(10000);
  EXPECT_EQ(reached.size(), 1u) << "the box is idle after arriving";
}

TEST_F(DigitBoxTest, CountsUpFromWhenTheIntervalLastChanged) {
  box.SetDelay(0);
  env.loop.Advance(500);
  Record();
  box.SetDelay(1000);
  box.SetTarget(3);
  env.loop.Advance(3500);
  const std::vector<std::pair<std::uint64_t, std::uint32_t>> steps = {{1500, 1}, {2500, 2}, {3500, 3}};
  EXPECT_EQ(shown, steps);
  const std::vector<std::pair<std::uint64_t, std::uint32_t>> arrival = {{3500, 3}};
  EXPECT_EQ(reached, arrival);
}

TEST_F(DigitBoxTest, TargetMovedOntoTheValueWhileSteppingIsReportedOnTheNextTick) {
  Record();
  box.SetDelay(1000);
  box.SetValue(5);
  box.SetTarget(0);
  env.loop.Advance(2000);
  box.SetTarget(3);
  env.loop.Advance(999);
  EXPECT_TRUE(reached.empty());
  env.loop.Advance(1);
  const std::vector<std::pair<std::uint64_t, std::uint32_t>> arrival = {{3000, 3}};
  EXPECT_EQ(reached, arrival);
  EXPECT_EQ(box.Value(), 3u);
  env.loop.Advance(5000);
  EXPECT_EQ(reached.size(), 1u);
}

TEST_F(DigitBoxTest, DelayZeroStopsSteppingAtTheTargetWithoutAnyEvent) {
  for (const bool targetMovedFirst : {false, true}) {
    Record();
    box.SetDelay(1000);
    box.SetValue(5);
    box.SetTarget(0);
    env.loop.Advance(2000);
    if (targetMovedFirst) box.SetTarget(3);
    shown.clear();
    box.SetDelay(0);
    EXPECT_EQ(box.Value(), targetMovedFirst ? 3u : 0u);
    EXPECT_EQ(ShownText(), targetMovedFirst ? "003" : "000");
    env.loop.Advance(10000);
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(reached.empty()) << targetMovedFirst;
  }
}

TEST_F(DigitBoxTest, WithDelayZeroTheValueFollowsTheTargetAtOnceAndViceVersa) {
  box.SetDelay(0);
  Record();
  std::vector<std::uint32_t> targetsBeforeChange;
  box.OnTargetChange = [&](ui::TObject*) { targetsBeforeChange.push_back(box.Target()); };
  box.SetTarget(7);
  EXPECT_EQ(box.Value(), 7u);
  EXPECT_EQ(ShownText(), "007");
  EXPECT_TRUE(shown.empty()) << "a target assignment fires no value change";
  box.SetValue(4);
  EXPECT_EQ(box.Target(), 4u);
  EXPECT_EQ(ShownText(), "004");
  box.SetTarget(9);
  EXPECT_EQ(targetsBeforeChange, (std::vector<std::uint32_t>{0, 4}));
  const std::vector<std::pair<std::uint64_t, std::uint32_t>> once = {{0, 4}};
  EXPECT_EQ(shown, once);
  env.loop.Advance(10000);
  EXPECT_TRUE(reached.empty());
}

TEST(DigitBoxCreation, TheFirstTickReportsArrivalOnceUnlessTheDelayIsZeroByThen) {
  for (const std::uint32_t delay : {100u, 250u, 0u}) {
    testing_support::HeadlessApp env;
    TDigitBox box{nullptr};
    int reached = 0;
    box.OnTargetReach = [&](ui::TObject*) { ++reached; };
    if (delay != 100) box.SetDelay(delay);
    env.loop.Advance(delay ? delay - 1 : 0);
    EXPECT_EQ(reached, 0) << delay;
    env.loop.Advance(10000);
    EXPECT_EQ(reached, delay ? 1 : 0) << delay;
  }
}

TEST_F(DigitBoxTest, SizeIsThirteenPixelsADigitPlusTwoByTwentyFive) {
  EXPECT_EQ(box.Width(), 41);
  EXPECT_EQ(box.Height(), 25);
  struct Case {
    std::uint32_t digits, stored;
    int width;
  } cases[] = {{12, 11, 145}, {11, 11, 145}, {2, 2, 28}, {0, 0, 2}};
  for (const Case& c : cases) {
    box.SetDigits(c.digits);
    EXPECT_EQ(box.Digits(), c.stored) << c.digits;
    EXPECT_EQ(box.Width(), c.width) << c.digits;
    box.SetBounds(7, 9, 300, 40);
    EXPECT_EQ(box.Left(), 7);
    EXPECT_EQ(box.Top(), 9);
    EXPECT_EQ(box.Width(), c.width) << c.digits;
    EXPECT_EQ(box.Height(), 25);
    box.SetHeight(3);
    EXPECT_EQ(box.Height(), 25);
  }
}

TEST_F(DigitBoxTest, EachDigitLightsItsSegmentsAndPaintsTheRestInTheBackgroundColour) {
  box.SetDigits(1);
  box.SetColor1(ui::clLime);
  box.SetColor2(ui::clNavy);
  box.SetDelay(0);
  for (unsigned d = 0; d < 10; ++d) {
    box.SetValue(d);
    const auto pixels = DigitPixels(d, 2, 2);
    int lit = 0;
    for (int y = 0; y < box.Height(); ++y) {
      for (int x = 0; x < box.Width(); ++x) {
        const auto it = pixels.find({x, y});
        const bool on = it != pixels.end() && it->second;
        lit += on;
        EXPECT_EQ(PixelAt(x, y), on ? ui::clLime : ui::clNavy) << "digit " << d << " at " << x << "," << y;
      }
    }
    EXPECT_GT(lit, 0);
  }
}

TEST_F(DigitBoxTest, ShowsTheLowestDigitsWithLeadingZerosInTheCurrentColours) {
  box.SetDigits(2);
  box.SetColor2(ui::clBlack);
  box.SetDelay(0);
  struct Case {
    std::uint32_t value;
    const char* text;
  } cases[] = {{123, "23"}, {7, "07"}, {100, "00"}, {59, "59"}, {4294967295u, "95"}};
  for (const Case& c : cases) {
    box.SetValue(c.value);
    EXPECT_EQ(ShownText(), c.text) << c.value;
  }
  box.SetColor1(ui::clRed);
  EXPECT_EQ(ShownText(), "95") << "a new segment colour redraws at once";
  box.SetDigits(11);
  EXPECT_EQ(ShownText(), "04294967295");
  box.SetDigits(0);
  EXPECT_EQ(box.Width(), 2);
  EXPECT_EQ(ShownText(), "");
}

// A setter that leaves the shown digits and both colours as they are draws nothing; any visible change
// and any paint draws. The canvas is covered in navy first, so that what is drawn shows.
TEST_F(DigitBoxTest, SettersThatChangeNothingVisibleDrawNothing) {
  box.SetDigits(2);
  box.SetColor1(ui::clLime);
  box.SetColor2(ui::clBlack);
  box.SetDelay(0);
  box.SetValue(7);
  struct Case {
    const char* name;
    std::function<void()> set;
    bool draws;
  } cases[] = {
      {"same value", [&] { box.SetValue(7); }, false},
      {"same target", [&] { box.SetTarget(7); }, false},
      {"same segment colour", [&] { box.SetColor1(ui::clLime); }, false},
      {"value beyond the cells, same digits", [&] { box.SetValue(107); }, false},
      {"delay back to zero at the target", [&] { box.SetDelay(0); }, false},
      {"another value", [&] { box.SetValue(8); }, true},
      {"another target", [&] { box.SetTarget(9); }, true},
      {"another segment colour", [&] { box.SetColor1(ui::clRed); }, true},
      {"a paint", [&] { box.Invalidate(); }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    box.Canvas().FillRect({0, 0, box.Width(), box.Height()}, ui::clNavy);
    c.set();
    bool drawn = false;
    for (int y = 0; y < box.Height(); ++y)
      for (int x = 0; x < box.Width(); ++x) drawn = drawn || PixelAt(x, y) != ui::clNavy;
    EXPECT_EQ(drawn, c.draws);
  }
  EXPECT_EQ(ShownText(), "09");
}

// A new number draws only the segments that go on or off (5 to 6 lights the lower left segment and
// leaves the rest as drawn), and whatever number stood before, the box ends up as a full drawing.
TEST_F(DigitBoxTest, ANewNumberRedrawsOnlyTheSegmentsThatChange) {
  box.SetDigits(1);
  box.SetColor1(ui::clLime);
  box.SetColor2(ui::clBlack);
  box.SetDelay(0);
  box.SetValue(5);
  box.Canvas().FillRect({0, 0, box.Width(), box.Height()}, ui::clNavy);
  box.SetValue(6);
  EXPECT_EQ(PixelAt(2, 2 + 12), ui::clLime) << "lower left segment";
  EXPECT_EQ(PixelAt(2 + 1, 2), ui::clNavy) << "top segment, lit before and after";
  EXPECT_EQ(PixelAt(2 + 10, 2 + 2), ui::clNavy) << "upper right segment, unlit before and after";

  for (unsigned from = 0; from < 10; ++from) {
    for (unsigned to = 0; to < 10; ++to) {
      box.SetValue(from);
      box.Invalidate();
      box.SetValue(to);
      const auto pixels = DigitPixels(to, 2, 2);
      for (const auto& [at, lit] : pixels)
        ASSERT_EQ(PixelAt(at.first, at.second), lit ? ui::clLime : ui::clBlack)
            << from << " to " << to << " at " << at.first << "," << at.second;
    }
  }
}

}  // namespace
