#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/headless_app.h"
#include "ui/headless/raster_canvas.h"
#include "ui/stdctrls.h"

namespace {

struct ListBoxTest : ::testing::Test {
  testing_support::HeadlessApp env;
  ui::TListBox list{nullptr};
  void Fill(std::initializer_list<const char*> texts) {
    for (const char* t : texts) list.Add(t);
  }
};

TEST_F(ListBoxTest, SelectByPrefixSearchesOnFromTheStartAndWraps) {
  Fill({"Alpha.mid", "beta.wav", "Bravo.mid", "Charlie.avi"});
  struct Case {
    int start;
    const char* prefix;
    int found;
  } cases[] = {{-1, "b", 1}, {1, "B", 2}, {2, "b", 1}, {-1, "CHAR", 3}, {3, "alpha", 0}, {0, "x", -1}};
  for (const auto& c : cases) {
    list.SetItemIndex(0);
    EXPECT_EQ(list.SelectByPrefix(c.start, c.prefix), c.found) << c.start << " " << c.prefix;
    EXPECT_EQ(list.ItemIndex(), c.found < 0 ? 0 : c.found) << "no match leaves the selection";
  }
}

TEST_F(ListBoxTest, DeletingTheSelectedItemDropsTheSelectionAndLaterOnesFollow) {
  Fill({"a", "b", "c"});
  list.SetItemIndex(2);
  list.Delete(0);
  EXPECT_EQ(list.ItemIndex(), 1);
  list.Delete(1);
  EXPECT_EQ(list.ItemIndex(), -1);
}

}  // namespace

namespace {

TEST_F(ListBoxTest, AnIndexOutsideTheListIsTheLibrarysListErrorAndChangesNothing) {
  Fill({"a", "b"});
  struct Case {
    const char* action;
    std::function<void()> run;
    const char* text;
  } cases[] = {
      {"delete -1", [&] { list.Delete(-1); }, "List index out of bounds (-1)"},
      {"delete count", [&] { list.Delete(2); }, "List index out of bounds (2)"},
      {"insert past the end", [&] { list.Insert(3, "x"); }, "List index out of bounds (3)"},
  };
  for (const auto& c : cases) {
    try {
      c.run();
      ADD_FAILURE() << c.action << " did not fail";
    } catch (const ui::EListError& error) {
      EXPECT_STREQ(error.what(), c.text) << c.action;
    }
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"a", "b"})) << c.action;
  }
}

}  // namespace

namespace {

// The indexes of the selected items.
std::vector<int> SelectedItems(const ui::TListBox& list) {
  std::vector<int> selected;
  for (int i = 0; i < list.Count(); ++i)
    if (list.Selected(i)) selected.push_back(i);
  return selected;
}

struct Click {
  int index;
  ui::TShiftState shift;
};

TEST_F(ListBoxTest, ExtendedSelectionFollowsClicksWithCtrlAndShift) {
  Fill({"a", "b", "c", "d", "e", "f"});
  list.SetMultiSelect(true);
  int clicks = 0;
  list.OnClick = [&](ui::TObject* sender) {
    EXPECT_EQ(sender, &list);
    ++clicks;
  };
  const ui::TShiftState ctrl = ui::ssCtrl, shift = ui::ssShift;
  struct Case {
    const char* name;
    std::vector<Click> clicks;
    std::vector<int> selected;
    int focused;
  } cases[] = {
      {"a click selects one", {{1, 0}}, {1}, 1},
      {"a second click replaces it", {{1, 0}, {4, 0}}, {4}, 4},
      {"ctrl adds", {{1, 0}, {3, ctrl}}, {1, 3}, 3},
      {"ctrl toggles off; the focus stays on the item", {{1, 0}, {3, ctrl}, {1, ctrl}}, {3}, 1},
      {"shift selects down to the item", {{1, 0}, {4, shift}}, {1, 2, 3, 4}, 4},
      {"and up", {{4, 0}, {1, shift}}, {1, 2, 3, 4}, 1},
      {"shift again from the same anchor", {{2, 0}, {5, shift}, {0, shift}}, {0, 1, 2}, 0},
      {"the anchor is the last item clicked without shift", {{0, 0}, {5, ctrl}, {3, shift}}, {3, 4, 5}, 3},
      {"ctrl+shift adds the range", {{0, 0}, {5, ctrl}, {3, ctrl | shift}}, {0, 3, 4, 5}, 3},
      {"shift without an anchor selects the item", {{2, shift}}, {2}, 2},
  };
  for (const auto& c : cases) {
    list.SetMultiSelect(false);  // clears the selection and the anchor
    list.SetItemIndex(-1);
    list.SetMultiSelect(true);
    clicks = 0;
    for (const Click& click : c.clicks) list.UserSelect(click.index, click.shift);
    EXPECT_EQ(SelectedItems(list), c.selected) << c.name;
    EXPECT_EQ(list.SelCount(), static_cast<int>(c.selected.size())) << c.name;
    EXPECT_EQ(list.ItemIndex(), c.focused) << c.name;
    EXPECT_EQ(clicks, static_cast<int>(c.clicks.size())) << c.name;
  }
}

TEST_F(ListBoxTest, ASingleSelectionListHasOneSelectedItemTheItemIndex) {
  Fill({"a", "b", "c"});
  list.UserSelect(2, ui::ssCtrl);
  list.UserSelect(0, ui::ssShift);
  EXPECT_EQ(SelectedItems(list), std::vector<int>{0});
  list.SetSelected(1, true);
  EXPECT_EQ(list.ItemIndex(), 1);
  EXPECT_EQ(list.SelCount(), 1);
  list.SetSelected(2, false);
  EXPECT_EQ(list.ItemIndex(), 1) << "unselecting another item changes nothing";
  list.SetSelected(1, false);
  EXPECT_EQ(list.ItemIndex(), -1);
  EXPECT_EQ(list.SelCount(), 0);
}

TEST_F(ListBoxTest, SwitchingMultipleSelectionKeepsTheFocusedItemSelected) {
  Fill({"a", "b", "c"});
  list.SetItemIndex(1);
  list.SetMultiSelect(true);
  EXPECT_EQ(SelectedItems(list), std::vector<int>{1});
  list.UserSelect(2, ui::ssShift);
  EXPECT_EQ(SelectedItems(list), (std::vector<int>{1, 2})) << "the selected item is the anchor";
  list.SetMultiSelect(false);
  EXPECT_EQ(SelectedItems(list), std::vector<int>{2});
}

TEST_F(ListBoxTest, SelectionsStayOnTheirItemsAsItemsComeGoAndSwap) {
  Fill({"a", "b", "c", "d"});
  list.SetMultiSelect(true);
  list.UserSelect(1);
  list.UserSelect(3, ui::ssCtrl);  // anchor and focus on "d"
  list.Insert(0, "new");
  EXPECT_EQ(SelectedItems(list), (std::vector<int>{2, 4}));
  EXPECT_EQ(list.ItemIndex(), 4);
  list.Delete(2);  // "b"
  EXPECT_EQ(SelectedItems(list), std::vector<int>{3});
  list.Exchange(3, 0);
  EXPECT_EQ(SelectedItems(list), std::vector<int>{0});
  EXPECT_EQ(list.Item(0), "d");
  EXPECT_EQ(list.ItemIndex(), 0);
  list.UserSelect(2, ui::ssShift);  // from the anchor, which went with "d"
  EXPECT_EQ(SelectedItems(list), (std::vector<int>{0, 1, 2}));
  list.Clear();
  EXPECT_EQ(list.SelCount(), 0);
}

TEST_F(ListBoxTest, IndexesOutsideTheListAreListErrorsForSelection) {
  Fill({"a"});
  for (bool multi : {false, true}) {
    list.SetMultiSelect(multi);
    EXPECT_THROW(list.Selected(1), ui::EListError) << multi;
    EXPECT_THROW(list.SetSelected(-1, true), ui::EListError) << multi;
    EXPECT_THROW(list.ItemRect(2), ui::EListError) << multi;
  }
  EXPECT_THROW(list.UserSelect(1), ui::EListError);
}

TEST_F(ListBoxTest, ItemsAreFoundAndPlacedByRowsFromTheTopIndex) {
  Fill({"0", "1", "2", "3", "4", "5", "6"});
  list.SetBounds(0, 0, 100, 65);  // five rows of 13
  list.SetTopIndex(3);
  struct Case {
    ui::TPoint at;
    int existing, any;
  } cases[] = {
      {{0, 0}, 3, 3},     {{99, 12}, 3, 3},   {{50, 13}, 4, 4}, {{50, 38}, 5, 5},
      {{50, 39}, 6, 6},   {{50, 52}, -1, 7},  // below the last item
      {{50, 65}, -1, -1}, {{100, 5}, -1, -1}, {{-1, 5}, -1, -1},  // outside the client area
  };
  for (const auto& c : cases) {
    EXPECT_EQ(list.ItemAtPos(c.at, true), c.existing) << c.at.x << "," << c.at.y;
    EXPECT_EQ(list.ItemAtPos(c.at, false), c.any) << c.at.x << "," << c.at.y;
  }
  EXPECT_EQ(list.ItemRect(4), (ui::TRect{0, 13, 100, 26}));
  EXPECT_EQ(list.ItemRect(7), (ui::TRect{0, 52, 100, 65})) << "the row below the last item";
  EXPECT_EQ(list.ItemRect(1), (ui::TRect{0, -26, 100, -13})) << "scrolled out above";
}

TEST_F(ListBoxTest, OwnerDrawnItemsDrawOnTheCanvasInTheColoursOfTheirState) {
  using Text = ui::RasterCanvas::Text;
  using Icon = ui::RasterCanvas::Icon;
  Fill({"Alpha", "Beta"});
  list.SetBounds(0, 0, 100, 65);
  list.SetColor(ui::clBtnFace);
  list.SetFontColor(ui::clBlack);
  list.SetStyle(ui::TListBoxStyle::lbOwnerDrawFixed);
  auto& canvas = dynamic_cast<ui::RasterCanvas&>(list.Canvas());

  // Without a handler: the text on the item's background.
  list.DrawItem(0, list.ItemRect(0), 0);
  list.DrawItem(1, list.ItemRect(1), ui::odSelected | ui::odFocused);
  EXPECT_EQ(canvas.Texts(), (std::vector<Text>{{2, 0, "Alpha", ui::clBlack, ui::clBtnFace},
                                               {2, 13, "Beta", ui::clHighlightText, ui::clHighlight}}));
  EXPECT_EQ(canvas.Pixel(99, 12), ui::clBtnFace);
  EXPECT_EQ(canvas.Pixel(99, 13), ui::clHighlight);
  EXPECT_EQ(canvas.Pixel(99, 26), ui::RasterCanvas::kBlank);

  // A handler draws in the colours it is given: an icon, then the text beside it.
  canvas.ClearLog();
  list.OnDrawItem = [&](ui::TObject* control, int index, ui::TRect rect, ui::TOwnerDrawState state) {
    EXPECT_EQ(control, &list);
    EXPECT_EQ(state, ui::odSelected);
    list.Canvas().DrawIcon(rect.left + 1, rect.top, 0x100 + index);
    list.Canvas().TextAt(rect.left + 20, rect.top, list.Item(index));
  };
  list.DrawItem(1, list.ItemRect(1), ui::odSelected);
  EXPECT_EQ(canvas.Icons(), (std::vector<Icon>{{1, 13, 0x101}}));
  EXPECT_EQ(canvas.Texts(), (std::vector<Text>{{20, 13, "Beta", ui::clHighlightText, ui::clHighlight}}));
}

}  // namespace

namespace {

TEST_F(ListBoxTest, AssignReplacesTheItemsAndDropsTheSelection) {
  list.SetMultiSelect(true);
  Fill({"a", "b", "c"});
  list.SetSelected(1, true);
  list.SetItemIndex(2);
  list.Assign({"x", "y"});
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"x", "y"}));
  EXPECT_EQ(list.ItemIndex(), -1);
  EXPECT_EQ(list.SelCount(), 0);
  list.SetSelected(1, true);
  EXPECT_TRUE(list.Selected(1)) << "every assigned item can be selected";
}

TEST_F(ListBoxTest, UpdatesNestAndEndOnlyWithTheLast) {
  EXPECT_FALSE(list.Updating());
  list.BeginUpdate();
  list.BeginUpdate();
  list.EndUpdate();
  EXPECT_TRUE(list.Updating());
  list.EndUpdate();
  EXPECT_FALSE(list.Updating());
  list.EndUpdate();
  EXPECT_FALSE(list.Updating()) << "an unmatched end is ignored";
}

}  // namespace
