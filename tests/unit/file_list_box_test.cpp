// The file list on the fake file system: masks as the system matches them, full paths of its items,
// a large folder filled in one change with its icons fetched only for the rows drawn, and folders it
// cannot read.
#include "controls/file_list_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "os/fake/fake_message_loop.h"
#include "support/headless_app.h"
#include "ui/headless/raster_canvas.h"

namespace {

using Names = std::vector<std::string>;

struct FileListBoxTest : ::testing::Test {
  testing_support::HeadlessApp env;
  controls::TFileListBox list{nullptr, "FileListBox"};

  FileListBoxTest() {
    for (const char* name : {"a.mid", "B.MID", "c.rmi", "d.wav", "e.avi", "f g.txt", "h", "No\xEBl.mid"})
      env.files.AddFile(std::string("C:\\Music\\") + name, "data");
    env.files.AddFolder("C:\\Music\\Sub.mid");
    list.SetBounds(0, 0, 175, 196);
  }

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

TEST_F(FileListBoxTest, ListsTheFilesMatchingAnyPatternOfItsMaskCaseIgnored) {
  EXPECT_EQ(list.Mask(), "*.*");
  list.SetDirectory("C:\\Music");
  struct Case {
    const char* mask;
    Names files;
  } cases[] = {
      {"*.*", {"a.mid", "B.MID", "c.rmi", "d.wav", "e.avi", "f g.txt", "h", "No\xEBl.mid"}},
      {"*.mid;*.rmi", {"a.mid", "B.MID", "c.rmi", "No\xEBl.mid"}},
      {"*.MID", {"a.mid", "B.MID", "No\xEBl.mid"}},
      {"*.avi;*.mid;*.rmi;*.wav", {"a.mid", "B.MID", "c.rmi", "d.wav", "e.avi", "No\xEBl.mid"}},
      {"*.", {"h"}},
      {"f g.txt", {"f g.txt"}},
      {"*.xyz", {}},
      {"", {"a.mid", "B.MID", "c.rmi", "d.wav", "e.avi", "f g.txt", "h", "No\xEBl.mid"}},
  };
  for (const Case& c : cases) {
    list.SetMask(c.mask);
    EXPECT_EQ(list.Items(), c.files) << c.mask;
    EXPECT_EQ(list.Count(), static_cast<int>(c.files.size())) << c.mask;
  }
  EXPECT_EQ(list.Mask(), "*.*") << "an empty mask is every file";
}

TEST_F(FileListBoxTest, AnItemsPathIsTheFolderAndItsNameWithOneBackslash) {
  env.files.AddFile("C:\\root.wav", "RIFF");
  list.SetDirectory("C:\\");
  EXPECT_EQ(list.FilePath(0), "C:\\root.wav");
  list.SetDirectory("C:\\Music");
  list.SetMask("f*");
  EXPECT_EQ(list.FilePath(0), "C:\\Music\\f g.txt");
  EXPECT_THROW(list.FilePath(1), ui::EListError);
}

TEST_F(FileListBoxTest, TheFolderIsReadWhenItOrTheMaskChangesAndOnUpdate) {
  list.SetDirectory("C:\\Music");
  list.SetMask("*.wav");
  list.UserSelect(0);
  EXPECT_EQ(list.SelCount(), 1);
  env.files.AddFile("C:\\Music\\new.wav", "RIFF");
  list.SetDirectory("C:\\Music");
  list.SetMask("*.wav");
  EXPECT_EQ(list.Items(), Names{"d.wav"}) << "the same folder and mask read nothing again";
  EXPECT_EQ(list.SelCount(), 1);
  list.Update();
  EXPECT_EQ(list.Items(), (Names{"d.wav", "new.wav"}));
  EXPECT_EQ(list.SelCount(), 0) << "a new reading selects nothing";
  EXPECT_EQ(list.ItemIndex(), -1);
}

TEST_F(FileListBoxTest, AFolderThatCannotBeReadEmptiesTheListAndSaysWhy) {
  env.files.AddFile("C:\\Locked\\x.mid", "MThd");
  env.files.DenyReading("C:\\Locked");
  env.files.AddDrive('A', os::DriveType::Removable, false);
  struct Case {
    const char* folder;
    const char* text;
  } cases[] = {
      {"C:\\Locked", "Cannot read folder C:\\Locked: access denied"},
      {"C:\\Gone", "Folder C:\\Gone does not exist"},
      {"A:\\", "Drive A: is not ready"},
  };
  for (const Case& c : cases) {
    list.SetDirectory("C:\\Music");
    ASSERT_GT(list.Count(), 0);
    EXPECT_EQ(ErrorOf([&] { list.SetDirectory(c.folder); }), c.text) << c.folder;
    EXPECT_EQ(list.Count(), 0) << c.folder;
    EXPECT_EQ(list.Directory(), c.folder) << "a later Update tries the folder again";
  }
  env.files.DenyReading("C:\\Locked", false);
  list.SetDirectory("C:\\Locked");
  list.Update();
  EXPECT_EQ(list.Items(), Names{"x.mid"});
}

TEST_F(FileListBoxTest, ItemsAreDrawnWithTheShellsIconForTheirType) {
  list.SetDirectory("C:\\Music");
  list.SetMask("*.mid;*.wav");
  auto& canvas = dynamic_cast<ui::RasterCanvas&>(list.Canvas());
  for (int i = 0; i < list.Count(); ++i) list.DrawItem(i, list.ItemRect(i), 0);
  ASSERT_EQ(canvas.Icons().size(), 4u);  // a.mid, B.MID, d.wav, Noël.mid
  EXPECT_EQ(canvas.Icons()[0].icon, canvas.Icons()[1].icon) << "the type, not the letter case, decides";
  EXPECT_EQ(canvas.Icons()[0].icon, canvas.Icons()[3].icon);
  EXPECT_NE(canvas.Icons()[0].icon, canvas.Icons()[2].icon);
  EXPECT_EQ(canvas.Icons()[2].x, 2);
  EXPECT_EQ(canvas.Icons()[2].y, 32);
  EXPECT_EQ(canvas.Texts()[2], (ui::RasterCanvas::Text{20, 33, "d.wav", list.FontColor(), list.Color()}));
}

// A backend whose list boxes have a peer that counts the changes their window hears of.
class CountingBackend final : public ui::Backend {
 public:
  struct CountingPeer final : ui::Peer {
    explicit CountingPeer(int& itemChanges) : itemChanges(itemChanges) {}
    void Changed(ui::Change what, int) override { itemChanges += what == ui::Change::Items; }
    std::uintptr_t Handle() const override { return 1; }
    int& itemChanges;
  };
  int itemChanges = 0;
  std::unique_ptr<ui::Peer> CreatePeer(ui::TListBox&) override { return std::make_unique<CountingPeer>(itemChanges); }
  std::unique_ptr<ui::MessageWindowPeer> CreateMessageWindow(ui::MessageHandler) override { return nullptr; }
  std::unique_ptr<ui::TCanvas> CreateCanvas(ui::TControl& control) override {
    return std::make_unique<ui::RasterCanvas>(control);
  }
  std::uintptr_t LoadIconFile(const std::string&) override { return 0; }
  std::uintptr_t LoadIconResource(const std::string&) override { return 0; }
  std::uintptr_t CreateIconFromPicture(const std::string&) override { return 1; }
  void DestroyIcon(std::uintptr_t) override {}
  int ShowMessageBox(const std::string&, const std::string&, unsigned) override { return ui::mrOk; }
  void SetCursor(ui::TCursor) override {}
  ui::TPoint CursorPos() override { return {}; }
  ui::TSize ScreenSize() override { return {640, 480}; }
  void SetApplicationTitle(const std::string&) override {}
  void ShowApplicationWindow(bool) override {}
  void BringApplicationToFront() override {}
};

TEST(FileListBoxLargeFolder, TenThousandFilesAreOneChangeAndCostOnlyTheIconsOfTheRowsDrawn) {
  os::FakeMessageLoop loop;
  testing_support::FakeServices fakes{loop};
  os::FakeFileSystem& files = fakes.files;
  os::FakeShell& shell = fakes.shell;
  CountingBackend backend;
  ui::TApplication app{backend, fakes.services};
  for (int i = 0; i < 10000; ++i) files.AddFile("C:\\Big\\song" + std::to_string(10000 + i) + ".mid", "MThd");

  controls::TFileListBox list(nullptr);
  list.SetBounds(0, 0, 175, 196);
  list.SetMask("*.mid");
  list.CreateHandle();
  ASSERT_NE(list.GetPeer(), nullptr);
  backend.itemChanges = 0;
  list.SetDirectory("C:\\Big");
  EXPECT_EQ(list.Count(), 10000);
  EXPECT_EQ(backend.itemChanges, 1) << "the window hears of the new items once";
  EXPECT_EQ(shell.SmallIconRequests(), 0u) << "no icon before a row is drawn";

  const int rows = list.ClientHeight() / list.ItemHeight + 1;
  for (int i = 0; i < rows; ++i) list.DrawItem(i, list.ItemRect(i), 0);
  EXPECT_EQ(shell.SmallIconRequests(), static_cast<std::size_t>(rows));
  EXPECT_EQ(shell.ExtensionsSeen(), 1u);
}

}  // namespace
