#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/headless_app.h"
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
