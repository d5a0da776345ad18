#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/headless_app.h"
#include "ui/headless/raster_canvas.h"
#include "ui/stdctrls.h"

namespace {

struct ComboBoxTest : ::testing::Test {
  testing_support::HeadlessApp env;
  ui::TComboBox combo{nullptr};
  int changes = 0;
  ComboBoxTest() {
    for (const char* text : {"A:", "C:", "D:"}) combo.Add(text);
    combo.OnChange = [this](ui::TObject* sender) {
      EXPECT_EQ(sender, &combo);
      ++changes;
    };
  }
};

TEST_F(ComboBoxTest, OnlyTheUsersChoiceFiresOnChangeEvenOfTheItemShown) {
  combo.SetItemIndex(1);
  EXPECT_EQ(changes, 0);
  combo.UserSelect(2);
  EXPECT_EQ(combo.ItemIndex(), 2);
  EXPECT_EQ(changes, 1);
  combo.UserSelect(2);
  EXPECT_EQ(changes, 2);
  EXPECT_THROW(combo.UserSelect(3), ui::EListError);
  EXPECT_EQ(combo.ItemIndex(), 2);
  EXPECT_EQ(changes, 2);
}

TEST_F(ComboBoxTest, TheItemShownFollowsItsItemAndGoesWithIt) {
  combo.SetItemIndex(1);  // "C:"
  combo.Insert(0, "0:");
  EXPECT_EQ(combo.ItemIndex(), 2);
  combo.Delete(3);
  EXPECT_EQ(combo.ItemIndex(), 2);
  combo.Delete(2);
  EXPECT_EQ(combo.ItemIndex(), -1);
  EXPECT_EQ(combo.Items(), (std::vector<std::string>{"0:", "A:"}));
  EXPECT_THROW(combo.Delete(2), ui::EListError);
  EXPECT_THROW(combo.Insert(3, "x"), ui::EListError);
  combo.SetItemIndex(5);
  EXPECT_EQ(combo.ItemIndex(), -1) << "an index outside the items shows none";
  combo.SetItemIndex(0);
  combo.Clear();
  EXPECT_EQ(combo.ItemIndex(), -1);
  EXPECT_EQ(combo.Count(), 0);
}

TEST_F(ComboBoxTest, OwnerDrawnItemsAndTheClosedBoxDrawThroughTheHandler) {
  combo.SetBounds(0, 0, 150, 20);
  combo.SetStyle(ui::TComboBoxStyle::csOwnerDrawFixed);
  combo.SetItemIndex(1);
  std::vector<std::string> drawn;
  combo.OnDrawItem = [&](ui::TObject* control, int index, ui::TRect rect, ui::TOwnerDrawState state) {
    EXPECT_EQ(control, &combo);
    drawn.push_back(combo.Item(index) + ((state & ui::odComboBoxEdit) ? " edit" : ""));
    combo.Canvas().TextAt(rect.left + 18, rect.top, combo.Item(index));
  };
  combo.DrawItem(combo.ItemIndex(), {0, 0, 130, 16}, ui::odComboBoxEdit | ui::odSelected);
  combo.DrawItem(2, {0, 16, 130, 32}, 0);
  EXPECT_EQ(drawn, (std::vector<std::string>{"C: edit", "D:"}));
  auto& canvas = dynamic_cast<ui::RasterCanvas&>(combo.Canvas());
  ASSERT_EQ(canvas.Texts().size(), 2u);
  EXPECT_EQ(canvas.Texts()[0].background, ui::clHighlight);
  EXPECT_EQ(canvas.Texts()[1].y, 16);

  combo.OnDrawItem = nullptr;
  canvas.ClearLog();
  combo.DrawItem(-1, {0, 0, 130, 16}, ui::odComboBoxEdit);
  ASSERT_EQ(canvas.Texts().size(), 1u);
  EXPECT_EQ(canvas.Texts()[0].text, "") << "a box showing no item draws an empty face";
}

}  // namespace
