#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/lines.h"
#include "player/shell/player_keys.h"
#include "support/player_fixture.h"
#include "support/player_options.h"

namespace {

using testing_support::PlayerFixture;
using testing_support::StoredOptions;
using Names = std::vector<std::string>;

// Installed in C:\Tunora; every list holds one wave file.
struct RecentListsTest : PlayerFixture {
  void SetUp() override {
    env.registry.CreateKey(player::kFolderKey);
    env.registry.WriteString(player::kFolderKey, "", "C:\\Tunora");
    env.files.AddFolder("C:\\Tunora");
    env.files.AddFolder("C:\\Lists");
    AddMediaFile("C:\\Music\\a.wav", 5000);
    AddMediaFile("C:\\Music\\b.wav", 6000);
  }
  void StartWithHistory(const Names& names, StoredOptions options = StoredOptions().Set("AutoLoad", 0u)) {
    env.files.AddFile("C:\\Tunora\\History.ini", base::JoinLines(names));
    options.Store(env.registry);
    Start();
  }
  std::string List(int n) {
    const std::string path = "C:\\Lists\\List" + std::to_string(n) + ".mpl";
    if (!env.files.FileExists(path)) env.files.AddFile(path, "C:\\Music\\a.wav\r\n");
    return path;
  }
  void OpenList(const std::string& path) {
    env.fileDialogs.Type(path);
    Choose(form->FileOpenList);
  }
  ui::TMenuItem& RecentItem(const std::string& caption) {
    for (ui::TMenuItem* item : form->Recent.Items())
      if (item->Visible() && item->Caption() == caption) return *item;
    ADD_FAILURE() << "no Recent item " << caption;
    return form->Recent;
  }
  Names Menu() const { return form->RecentCaptions(); }
};

TEST_F(RecentListsTest, HistoryIniGivesTheHistoryAndOneItemPerLineInFileOrder) {
  StartWithHistory({"C:\\Lists\\One.mpl", "", "c:\\lists\\TWO.mpl"});
  EXPECT_EQ(form->ListHistory, (Names{"C:\\Lists\\One.mpl", "", "c:\\lists\\TWO.mpl"}));
  EXPECT_EQ(Menu(), (Names{"C:\\Lists\\One.mpl", "", "c:\\lists\\TWO.mpl"})) << "a blank line is an item too";
  for (ui::TMenuItem* item : form->Recent.Items()) EXPECT_TRUE(item->OnClick) << item->Caption();
  EXPECT_EQ(form->Recent.HelpContext, 160);
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(RecentListsTest, WithoutHistoryIniTheStoredListIsTheWholeHistory) {
  StoredOptions().Set("AutoLoad", 0u).Set("AutoLoadList", std::string("C:\\Lists\\Evening.mpl")).Store(env.registry);
  Start();
  EXPECT_EQ(form->ListHistory, (Names{"C:\\Lists\\Evening.mpl"}));
  EXPECT_TRUE(Menu().empty());
}

TEST_F(RecentListsTest, WithoutProgramFolderHistoryIniIsLookedForAtTheDrivesRoot) {
  env.registry.DeleteKey(player::kFolderKey);
  env.files.AddFile("C:\\History.ini", "C:\\Lists\\Root.mpl\r\n");
  StoredOptions().Set("AutoLoad", 0u).Store(env.registry);
  Start();
  EXPECT_EQ(form->ProgramFolder, "");
  EXPECT_EQ(Menu(), (Names{"C:\\Lists\\Root.mpl"}));
}

TEST_F(RecentListsTest, AHandWrittenHistoryOfAThousandLinesIsReadWholeAndNeverShortened) {
  Names names;
  for (int n = 0; n < 1000; ++n) names.push_back(n % 10 == 3 ? "" : "C:\\Old\\" + std::to_string(n) + ".mpl");
  StartWithHistory(names);
  EXPECT_EQ(form->ListHistory.size(), 1000u);
  EXPECT_EQ(Menu().size(), 1000u);
  OpenList(List(1));
  EXPECT_EQ(form->ListHistory.size(), 1001u);
  EXPECT_EQ(form->ListHistory.front(), List(1));
  EXPECT_EQ(form->ListHistory.back(), names.back());
  EXPECT_EQ(Menu().size(), 1000u) << "the attached list is not shown";
}

TEST_F(RecentListsTest, SixteenListsKeepTheFifteenMostRecent) {
  StartWithHistory({});
  for (int n = 1; n <= 16; ++n) OpenList(List(n));
  ASSERT_EQ(form->ListHistory.size(), 15u);
  EXPECT_EQ(form->ListHistory.front(), List(16));
  EXPECT_EQ(form->ListHistory.back(), List(2));
  const Names menu = Menu();
  ASSERT_EQ(menu.size(), 14u);
  EXPECT_EQ(menu.front(), List(15));
  EXPECT_EQ(menu.back(), List(2));
  EXPECT_EQ(std::count(menu.begin(), menu.end(), List(1)), 0) << "the oldest left the menu too";
}

TEST_F(RecentListsTest, ANameAlreadyHeldMovesToTheFrontOnceAndLetterCaseCounts) {
  StartWithHistory({});
  OpenList(List(1));
  OpenList(List(2));
  OpenList(List(1));
  EXPECT_EQ(form->ListHistory, (Names{List(1), List(2)}));
  EXPECT_EQ(Menu(), (Names{List(2)}));
  OpenList("C:\\LISTS\\list2.mpl");
  EXPECT_EQ(form->ListHistory, (Names{"C:\\LISTS\\list2.mpl", List(1), List(2)}));
}

TEST_F(RecentListsTest, ChoosingAnItemReopensItsListAndReturnsTheAttachedOne) {
  env.files.AddFile("C:\\Lists\\B.mpl", "C:\\Music\\b.wav\r\nC:\\Music\\a.wav\r\n");
  StartWithHistory({"C:\\Lists\\B.mpl", List(1)});
  OpenList(List(2));
  EXPECT_EQ(Menu(), (Names{"C:\\Lists\\B.mpl", List(1)}));
  Choose(form->StayOnTop);
  env.backend.ClearBoxes();
  const std::size_t cursors = env.backend.CursorHistory().size();

  Choose(RecentItem("C:\\Lists\\B.mpl"));
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(form->ListFileName, "C:\\Lists\\B.mpl");
  EXPECT_EQ(form->LastListFileName, "C:\\Lists\\B.mpl");
  EXPECT_EQ(form->PathList, (Names{"C:\\Music\\b.wav", "C:\\Music\\a.wav"}));
  EXPECT_EQ(form->Caption(), "b.wav - 0:06 - B - MIDI Tunora");
  EXPECT_EQ(form->ListHistory, (Names{"C:\\Lists\\B.mpl", List(2), List(1)}));
  EXPECT_EQ(Menu(), (Names{List(2), List(1)}));
  EXPECT_EQ(Transport(), "-PS");
  EXPECT_TRUE(form->SpdBtnNext.Enabled());
  EXPECT_TRUE(form->FileSortList.Enabled());
  EXPECT_TRUE(form->FileCloseList.Enabled());
  EXPECT_FALSE(form->BtnAddFile.Enabled());
  EXPECT_EQ(env.backend.CursorHistory().size(), cursors) << "no hourglass";
  EXPECT_TRUE(form->TopMost());
}

TEST_F(RecentListsTest, AClosedListComesFirstAndReopeningItRestoresTheMenu) {
  StartWithHistory({List(1), List(2)});
  OpenList(List(3));
  const Names before = Menu();
  Choose(form->FileCloseList);
  EXPECT_EQ(Menu().front(), List(3));
  Choose(RecentItem(List(3)));
  EXPECT_EQ(Menu(), before);
  EXPECT_EQ(form->ListFileName, List(3));
}

TEST_F(RecentListsTest, SaveListAsTwiceRecordsBothWithoutReturningTheFirstToTheMenu) {
  StartWithHistory({});
  AddEntries({"C:\\Music\\a.wav"});
  env.fileDialogs.Type("C:\\Lists\\First.mpl");
  Choose(form->FileSaveListAs);
  env.fileDialogs.Type("C:\\Lists\\Second.mpl");
  Choose(form->FileSaveListAs);
  EXPECT_EQ(form->ListHistory, (Names{"C:\\Lists\\Second.mpl", "C:\\Lists\\First.mpl"}));
  EXPECT_TRUE(Menu().empty());
  env.app.Dispatch([&] { form->SaveListHistory(); });
  std::string bytes;
  env.files.ReadFile("C:\\Tunora\\History.ini", bytes);
  EXPECT_EQ(bytes, "C:\\Lists\\Second.mpl\r\nC:\\Lists\\First.mpl\r\n");
}

TEST_F(RecentListsTest, AnItemWhoseListVanishedLeavesNoListAttached) {
  StartWithHistory({"C:\\Lists\\Gone.mpl"});
  OpenList(List(1));
  Choose(RecentItem("C:\\Lists\\Gone.mpl"));
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "Cannot open file C:\\Lists\\Gone.mpl.");
  EXPECT_EQ(form->ListFileName, "*.mpl");
  EXPECT_TRUE(form->PathList.empty());
  EXPECT_FALSE(form->FileSaveList.Enabled());
  EXPECT_EQ(Menu(), (Names{List(1), "C:\\Lists\\Gone.mpl"})) << "the list left is choosable again";
  EXPECT_EQ(form->ListHistory, (Names{List(1), "C:\\Lists\\Gone.mpl"}));
}

TEST_F(RecentListsTest, CancelInThePromptKeepsTheListAndTheMenu) {
  StartWithHistory({List(2)});
  OpenList(List(1));
  AddEntries({"C:\\Music\\b.wav"});
  form->MarkListChanged();
  env.backend.AnswerNext(ui::mrCancel);
  Choose(RecentItem(List(2)));
  EXPECT_EQ(form->ListFileName, List(1));
  EXPECT_EQ(form->PathList.size(), 2u);
  EXPECT_EQ(Menu(), (Names{List(2)}));
}

// An unreadable History.ini is reported and kept for a later start; the start goes on.
TEST_F(RecentListsTest, AnUnreadableHistoryIsReportedAndNeverWrittenOver) {
  env.files.AddFile("C:\\Tunora\\History.ini", "C:\\Lists\\Kept.mpl\r\n");
  env.files.SetInUse("C:\\Tunora\\History.ini", true);
  StoredOptions().Set("AutoLoad", 0u).Set("AutoLoadList", std::string("C:\\Lists\\Evening.mpl")).Store(env.registry);
  AddMediaFile("C:\\cue.wav", 1000);
  Start({"C:\\cue.wav"});
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "Cannot open file C:\\Tunora\\History.ini.");
  EXPECT_EQ(form->PathList, (Names{"C:\\cue.wav"})) << "the command line still counts";
  EXPECT_EQ(form->ListHistory, (Names{"C:\\Lists\\Evening.mpl"}));

  env.files.SetInUse("C:\\Tunora\\History.ini", false);
  OpenList(List(1));
  env.app.Dispatch([&] { form->SaveListHistory(); });
  std::string bytes;
  env.files.ReadFile("C:\\Tunora\\History.ini", bytes);
  EXPECT_EQ(bytes, "C:\\Lists\\Kept.mpl\r\n");
}

}  // namespace
