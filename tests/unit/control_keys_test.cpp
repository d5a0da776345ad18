#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "support/headless_app.h"
#include "ui/stdctrls.h"

namespace {

struct ControlKeysTest : ::testing::Test {
  testing_support::HeadlessApp env;
  ui::TListBox list{nullptr};
};

TEST_F(ControlKeysTest, KeyDownReachesTheHandlerAndComesBackAsTheHandlerLeftIt) {
  struct Seen {
    ui::TObject* sender;
    std::uint16_t key;
    ui::TShiftState shift;
  };
  std::vector<Seen> seen;
  list.OnKeyDown = [&](ui::TObject* sender, std::uint16_t& key, ui::TShiftState shift) {
    seen.push_back({sender, key, shift});
    if (key == ui::vkReturn) key = 0;  // consumed
  };
  struct Case {
    std::uint16_t key;
    ui::TShiftState shift;
    std::uint16_t after;
  } cases[] = {{ui::vkReturn, 0, 0}, {ui::vkDown, ui::ssShift, ui::vkDown}, {'A', ui::ssCtrl, 'A'}};
  for (const auto& c : cases) {
    std::uint16_t key = c.key;
    list.KeyDown(key, c.shift);
    EXPECT_EQ(key, c.after) << c.key;
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back().sender, &list);
    EXPECT_EQ(seen.back().key, c.key);
    EXPECT_EQ(seen.back().shift, c.shift);
  }
  EXPECT_EQ(seen.size(), 3u);
}

TEST_F(ControlKeysTest, WithoutAHandlerTheKeyStays) {
  std::uint16_t key = ui::vkEscape;
  list.KeyDown(key, 0);
  EXPECT_EQ(key, ui::vkEscape);
}

}  // namespace
