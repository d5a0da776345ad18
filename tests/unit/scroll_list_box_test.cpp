#include "controls/scroll_list_box.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/headless_app.h"

namespace {

using controls::TScrollCode;

struct Raised {
  bool vertical;
  TScrollCode code;
  int pos;
};

TEST(ScrollListBox, RaisesTheEventOfItsBarWithTheSignExtendedPosition) {
  testing_support::HeadlessApp env;
  controls::TScrollListBox list(nullptr);
  std::vector<Raised> raised;
  list.OnVScroll = [&](ui::TObject* sender, TScrollCode code, int& pos) {
    EXPECT_EQ(sender, &list);
    raised.push_back({true, code, pos});
    pos = 12345;  // discarded
  };
  list.OnHScroll = [&](ui::TObject*, TScrollCode code, int& pos) { raised.push_back({false, code, pos}); };

  list.Scrolled(true, 1, 0);
  list.Scrolled(true, 8, 0);
  list.Scrolled(false, 5, 0x7FFF);
  list.Scrolled(false, 5, 0xFFFE);

  ASSERT_EQ(raised.size(), 4u);
  EXPECT_TRUE(raised[0].vertical);
  EXPECT_EQ(raised[0].code, TScrollCode::scLineDown);
  EXPECT_EQ(raised[1].code, TScrollCode::scEndScroll);
  EXPECT_FALSE(raised[2].vertical);
  EXPECT_EQ(raised[2].code, TScrollCode::scTrack);
  EXPECT_EQ(raised[2].pos, 32767);
  EXPECT_EQ(raised[3].pos, -2);
}

TEST(ScrollListBox, WithoutHandlersBehavesLikeItsBase) {
  testing_support::HeadlessApp env;
  controls::TScrollListBox list(nullptr);
  list.Add("a");
  list.SetItemIndex(0);
  list.Scrolled(true, 0, 3);
  list.Scrolled(false, 4, 3);
  EXPECT_EQ(list.ItemIndex(), 0);
  EXPECT_EQ(list.Count(), 1);
}

}  // namespace
