// The folder list on the fake file system: its rows, the paths they stand for, opening them, the file
// list that follows, and the folders it cannot show.
#include "controls/directory_list_box.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/file_list_box.h"
#include "support/headless_app.h"
#include "ui/headless/raster_canvas.h"

namespace {

using Names = std::vector<std::string>;

struct DirectoryListBoxTest : ::testing::Test {
  testing_support::HeadlessApp env;
  controls::TDirectoryListBox list{nullptr, "DirectoryListBox"};
  controls::TFileListBox files{nullptr, "FileListBox"};
  int changes = 0;

  DirectoryListBoxTest() {
    env.files.AddFolder("C:\\Music\\Rock Band\\Live");
    env.files.AddFolder("C:\\Music\\Rock Band\\1999");
    env.files.AddFolder("C:\\Music\\Rock Band\\Caf\xE9 Songs");
    env.files.AddFile("C:\\Music\\Rock Band\\one.mid", "MThd");
    env.files.AddFile("C:\\Music\\Rock Band\\Live\\two.wav", "RIFF");
    env.files.AddFolder("C:\\Windows");
    list.SetBounds(0, 0, 149, 196);
    list.OnChange = [this](ui::TObject* sender) {
      EXPECT_EQ(sender, &list);
      ++changes;
    };
  }

  // What a failing call says; "" when it does not fail.
  template <typename Call>
  static std::string ErrorOf(Call call) {
    try {
      call();
    } catch (const ui::Exception& error) {
      return error.what();
    }
    return "";
  }
};

TEST_F(DirectoryListBoxTest, RowsAreThePathFromTheRootThenTheSubfoldersWithTheirPaths) {
  list.SetDirectory("c:\\music\\rock band");
  EXPECT_EQ(list.Directory(), "C:\\Music\\Rock Band") << "each name in its letter case on disk";
  EXPECT_EQ(list.Items(), (Names{"C:\\", "Music", "Rock Band", "1999", "Caf\xE9 Songs", "Live"}));
  EXPECT_EQ(list.CurrentRow(), 2);
  EXPECT_EQ(list.ItemIndex(), 2) << "the current folder's row is highlighted";
  const Names paths{"C:\\",
                    "C:\\Music",
                    "C:\\Music\\Rock Band",
                    "C:\\Music\\Rock Band\\1999",
                    "C:\\Music\\Rock Band\\Caf\xE9 Songs",
                    "C:\\Music\\Rock Band\\Live"};
  const std::vector<int> levels{0, 1, 2, 3, 3, 3};
  for (int row = 0; row < list.Count(); ++row) {
    EXPECT_EQ(list.GetItemPath(row), paths[row]) << row;
    EXPECT_EQ(list.Level(row), levels[row]) << row;
  }
  EXPECT_THROW(list.GetItemPath(6), ui::EListError);
}

TEST_F(DirectoryListBoxTest, ADriveRootKeepsItsSingleBackslash) {
  list.SetDirectory("C:\\Music\\..");
  EXPECT_EQ(list.Directory(), "C:\\");
  EXPECT_EQ(list.Items(), (Names{"C:\\", "Music", "Windows"}));
  EXPECT_EQ(list.CurrentRow(), 0);
  EXPECT_EQ(list.GetItemPath(0), "C:\\");
  EXPECT_EQ(list.GetItemPath(1), "C:\\Music");
  EXPECT_EQ(list.Drive(), 'C');
}

TEST_F(DirectoryListBoxTest, AFolderThatIsNotThereGivesWayToTheNearestOneAboveIt) {
  struct Case {
    const char* given;
    const char* shown;
  } cases[] = {
      {"C:\\Music\\Rock Band\\", "C:\\Music\\Rock Band"},
      {"C:/Music/Rock Band/Live", "C:\\Music\\Rock Band\\Live"},
      {"C:\\Music\\.\\Rock Band\\Live\\..", "C:\\Music\\Rock Band"},
      {"C:\\Music\\Gone\\Deeper", "C:\\Music"},
      {"C:\\Music\\Rock Band\\one.mid", "C:\\Music\\Rock Band"},
      {"C:\\Music\\Bad|Name", "C:\\Music"},
  };
  for (const Case& c : cases) {
    list.SetDirectory(c.given);
    EXPECT_EQ(list.Directory(), c.shown) << c.given;
  }
  EXPECT_EQ(changes, 0) << "the program's changes raise no change event";
}

TEST_F(DirectoryListBoxTest, OpeningARowByDoubleClickOrEnterMakesItCurrentAndRaisesTheChange) {
  list.SetFileList(&files);
  list.SetDirectory("C:\\Music\\Rock Band");
  list.SetItemIndex(5);  // "Live"
  list.DblClick();
  EXPECT_EQ(list.Directory(), "C:\\Music\\Rock Band\\Live");
  EXPECT_EQ(files.Directory(), "C:\\Music\\Rock Band\\Live");
  EXPECT_EQ(files.Items(), Names{"two.wav"});
  EXPECT_EQ(changes, 1);

  list.SetItemIndex(1);  // "Music", a row of the path
  std::uint16_t key = ui::vkDown;
  list.KeyDown(key, 0);
  EXPECT_EQ(changes, 1) << "other keys open nothing";
  key = ui::vkReturn;
  list.KeyDown(key, 0);
  EXPECT_EQ(list.Directory(), "C:\\Music");
  EXPECT_EQ(list.Items(), (Names{"C:\\", "Music", "Rock Band"}));
  EXPECT_EQ(files.Directory(), "C:\\Music");
  EXPECT_EQ(changes, 2);

  list.SetItemIndex(-1);
  list.DblClick();
  EXPECT_EQ(changes, 2) << "without a highlighted row nothing opens";
}

TEST_F(DirectoryListBoxTest, AHandlerThatConsumesEnterOpensNothing) {
  list.SetDirectory("C:\\Music");
  list.SetItemIndex(2);
  list.OnKeyDown = [](ui::TObject*, std::uint16_t& key, ui::TShiftState) { key = 0; };
  std::uint16_t key = ui::vkReturn;
  list.KeyDown(key, 0);
  EXPECT_EQ(list.Directory(), "C:\\Music");
  EXPECT_EQ(changes, 0);
}

TEST_F(DirectoryListBoxTest, TheFileListFollowsFromTheMomentItIsLinked) {
  list.SetDirectory("C:\\Music\\Rock Band");
  list.SetFileList(&files);
  EXPECT_EQ(files.Directory(), "C:\\Music\\Rock Band");
  EXPECT_EQ(files.Items(), Names{"one.mid"});
  list.SetDirectory("C:\\");
  EXPECT_EQ(files.Directory(), "C:\\");
  EXPECT_TRUE(files.Items().empty());
}

TEST_F(DirectoryListBoxTest, UpdateShowsFoldersMadeOrRemovedMeanwhile) {
  list.SetFileList(&files);
  list.SetDirectory("C:\\Music\\Rock Band\\Live");
  env.files.AddFolder("C:\\Music\\Rock Band\\Live\\Encore");
  list.Update();
  EXPECT_EQ(list.Items(), (Names{"C:\\", "Music", "Rock Band", "Live", "Encore"}));

  // The folder shown is removed by another program: the list goes up to its parent.
  ASSERT_EQ(env.files.RemoveFolder("C:\\Music\\Rock Band\\Live\\Encore"), os::FileError::None);
  ASSERT_EQ(env.files.Delete("C:\\Music\\Rock Band\\Live\\two.wav"), os::FileError::None);
  ASSERT_EQ(env.files.RemoveFolder("C:\\Music\\Rock Band\\Live"), os::FileError::None);
  list.Update();
  EXPECT_EQ(list.Directory(), "C:\\Music\\Rock Band");
  EXPECT_EQ(list.Items(), (Names{"C:\\", "Music", "Rock Band", "1999", "Caf\xE9 Songs"}));
  EXPECT_EQ(files.Directory(), "C:\\Music\\Rock Band");
  EXPECT_EQ(files.Items(), Names{"one.mid"});

  // A subfolder row whose folder went before it was opened.
  ASSERT_EQ(env.files.RemoveFolder("C:\\Music\\Rock Band\\1999"), os::FileError::None);
  list.OpenRow(3);
  EXPECT_EQ(list.Directory(), "C:\\Music\\Rock Band");
  EXPECT_EQ(list.Items(), (Names{"C:\\", "Music", "Rock Band", "Caf\xE9 Songs"}));
}

TEST_F(DirectoryListBoxTest, FoldersThatCannotBeReadAreErrorsThatSayWhyAndLeaveTheListAsItWas) {
  env.files.AddFolder("C:\\Secret\\Inner");
  env.files.DenyReading("C:\\Secret");
  env.files.AddDrive('A', os::DriveType::Removable, false);
  list.SetFileList(&files);
  list.SetDirectory("C:\\Music\\Rock Band");
  const Names rows = list.Items();
  struct Case {
    const char* name;
    std::function<void()> call;
    const char* text;
  } cases[] = {
      {"no rights", [&] { list.SetDirectory("C:\\Secret"); }, "Cannot read folder C:\\Secret: access denied"},
      {"no medium", [&] { list.SetDrive('a'); }, "Drive A: is not ready"},
      {"no medium, a folder on it", [&] { list.SetDirectory("A:\\Songs"); }, "Drive A: is not ready"},
      {"no such drive", [&] { list.SetDrive('Q'); }, "Drive Q: does not exist"},
      {"no path", [&] { list.SetDirectory(""); }, "\"\" is not a valid folder name"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ErrorOf(c.call), c.text) << c.name;
    EXPECT_EQ(list.Directory(), "C:\\Music\\Rock Band") << c.name;
    EXPECT_EQ(list.Items(), rows) << c.name;
    EXPECT_EQ(files.Items(), Names{"one.mid"}) << c.name;
  }
}

TEST_F(DirectoryListBoxTest, ADriveIsEnteredAtItsCurrentFolderUnlessItIsTheDriveShown) {
  env.files.AddFolder("D:\\Work\\Songs");
  list.SetDirectory("C:\\Music");
  list.SetDrive('D');
  EXPECT_EQ(list.Directory(), "D:\\") << "another drive than the process's is entered at its root";
  list.SetDirectory("C:\\Music");
  env.files.CurrentFolder = "D:\\Work";
  list.SetDrive('d');
  EXPECT_EQ(list.Directory(), "D:\\Work");
  EXPECT_EQ(list.Drive(), 'D');

  // The drive shown: nothing happens, not even a new reading of the rows.
  env.files.AddFolder("D:\\Work\\More");
  list.SetDrive('d');
  EXPECT_EQ(list.Items(), (Names{"D:\\", "Work", "Songs"}));
}

TEST_F(DirectoryListBoxTest, PathsNearTheLengthLimitAreShownAndGivenWhole) {
  const std::string a(100, 'a'), b(100, 'b'), c(45, 'c');
  const std::string deep = "C:\\" + a + "\\" + b + "\\" + c;
  ASSERT_EQ(deep.size(), 250u);
  env.files.AddFolder(deep + "\\" + std::string(8, 'd'));
  list.SetDirectory(deep);
  EXPECT_EQ(list.Directory(), deep);
  EXPECT_EQ(list.Items(), (Names{"C:\\", a, b, c, std::string(8, 'd')}));
  EXPECT_EQ(list.GetItemPath(4), deep + "\\dddddddd");
  EXPECT_EQ(list.GetItemPath(4).size(), 259u);
}

TEST_F(DirectoryListBoxTest, RowsAreDrawnIndentedWithTheOpenCurrentAndClosedGlyphs) {
  list.SetDirectory("C:\\Music\\Rock Band");
  list.ItemHeight = 17;
  auto& canvas = dynamic_cast<ui::RasterCanvas&>(list.Canvas());
  for (int row = 0; row < list.Count(); ++row) list.DrawItem(row, list.ItemRect(row), row == 4 ? ui::odSelected : 0);
  ASSERT_EQ(canvas.Icons().size(), 6u);
  ASSERT_EQ(canvas.Texts().size(), 6u);
  std::vector<std::string> glyphs;
  for (int row = 0; row < 6; ++row) {
    const auto& icon = canvas.Icons()[row];
    EXPECT_EQ(icon.x, 2 + 8 * list.Level(row)) << row;
    EXPECT_EQ(icon.y, 17 * row) << row;
    EXPECT_EQ(canvas.Texts()[row].x, icon.x + 18) << row;
    EXPECT_EQ(canvas.Texts()[row].text, list.Item(row));
    glyphs.push_back(env.backend.IconSource(icon.icon));
  }
  EXPECT_EQ(glyphs[0], glyphs[1]) << "the path's folders are open";
  EXPECT_NE(glyphs[2], glyphs[1]) << "the current folder has its own glyph";
  EXPECT_NE(glyphs[3], glyphs[1]);
  EXPECT_NE(glyphs[3], glyphs[2]);
  EXPECT_EQ(glyphs[3], glyphs[5]) << "subfolders are closed";
  EXPECT_EQ(canvas.Texts()[4].background, ui::clHighlight);
  EXPECT_EQ(canvas.Texts()[3].background, list.Color());
}

}  // namespace
