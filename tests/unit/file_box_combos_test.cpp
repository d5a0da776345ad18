// The drive box and the filter box on the fake file system, with the lists they move, and the file
// box's glyphs.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "controls/directory_list_box.h"
#include "controls/drive_combo_box.h"
#include "controls/file_box_glyphs.h"
#include "controls/file_list_box.h"
#include "controls/filter_combo_box.h"
#include "support/headless_app.h"
#include "ui/headless/raster_canvas.h"

namespace {

using Names = std::vector<std::string>;

struct DriveComboBoxTest : ::testing::Test {
  testing_support::HeadlessApp env;
  controls::TDirectoryListBox dirs{nullptr, "DirectoryListBox"};
  std::unique_ptr<controls::TDriveComboBox> drives;
  Names changes;  // the folder list's folder at each change event

  DriveComboBoxTest() {
    env.files.AddDrive('A', os::DriveType::Removable, false);
    env.files.AddFolder("D:\\Setup");
    env.files.AddDrive('D', os::DriveType::CdRom);
    env.files.AddFolder("N:\\Shared");
    env.files.AddDrive('N', os::DriveType::Remote);
    env.files.AddDrive('R', os::DriveType::RamDisk);
    env.files.AddDrive('U', os::DriveType::Unknown);
    env.files.AddDrive('V', os::DriveType::NoRoot);
    env.files.AddFolder("C:\\Music");
    env.files.CurrentFolder = "C:\\Music";
  }
  // Made once the drives are there: the box reads them when it is made.
  void Make() {
    drives = std::make_unique<controls::TDriveComboBox>(nullptr, "DriveComboBox");
    drives->SetBounds(4, 204, 148, 22);
    dirs.SetDirectory("C:\\Music");
    drives->SetDirList(&dirs);
    drives->OnChange = [this](ui::TObject* sender) {
      EXPECT_EQ(sender, drives.get());
      changes.push_back(dirs.Directory());
    };
  }
};

TEST_F(DriveComboBoxTest, ListsTheBrowsableDrivesAndShowsTheCurrentFoldersDrive) {
  Make();
  EXPECT_EQ(drives->Items(), (Names{"A:", "C:", "D:", "N:", "R:"}));
  const std::vector<os::DriveType> types{os::DriveType::Removable, os::DriveType::Fixed, os::DriveType::CdRom,
                                         os::DriveType::Remote, os::DriveType::RamDisk};
  for (int i = 0; i < drives->Count(); ++i) EXPECT_EQ(drives->DriveType(i), types[i]) << i;
  EXPECT_EQ(drives->Drive(), 'C');
  EXPECT_EQ(drives->Style(), ui::TComboBoxStyle::csOwnerDrawFixed);
}

TEST_F(DriveComboBoxTest, ABoxForSomeKindsListsOnlyThoseAndMayShowNoDrive) {
  controls::TDriveComboBox fixed(nullptr, "Fixed",
                                 {os::DriveType::Fixed, os::DriveType::Remote, os::DriveType::RamDisk});
  EXPECT_EQ(fixed.Items(), (Names{"C:", "N:", "R:"}));
  EXPECT_EQ(fixed.Drive(), 'C');
  env.files.CurrentFolder = "D:\\Setup";
  controls::TDriveComboBox fromCd(nullptr, "FromCd", {os::DriveType::Fixed});
  EXPECT_EQ(fromCd.Items(), (Names{"C:"}));
  EXPECT_EQ(fromCd.Drive(), '\0') << "the current folder's drive is not listed";
}

TEST_F(DriveComboBoxTest, EachKindOfDriveHasItsOwnGlyph) {
  env.files.AddDrive('E', os::DriveType::Fixed);
  Make();
  auto& canvas = dynamic_cast<ui::RasterCanvas&>(drives->Canvas());
  for (int i = 0; i < drives->Count(); ++i) drives->DrawItem(i, {0, 16 * i, 130, 16 * i + 16}, 0);
  drives->DrawItem(drives->ItemIndex(), {0, 0, 130, 16}, ui::odComboBoxEdit | ui::odSelected);
  ASSERT_EQ(canvas.Icons().size(), 7u);
  std::set<std::string> glyphs;
  for (int i = 0; i < 6; ++i) glyphs.insert(env.backend.IconSource(canvas.Icons()[i].icon));
  EXPECT_EQ(glyphs.size(), 5u) << "removable, fixed, CD-ROM, network and RAM disk differ";
  EXPECT_EQ(canvas.Icons()[3].icon, canvas.Icons()[1].icon) << "E: is fixed as C: is";
  EXPECT_EQ(canvas.Icons()[6].icon, canvas.Icons()[1].icon) << "the closed box shows C:";
  EXPECT_EQ(canvas.Texts()[6].text, "C:");
  EXPECT_EQ(canvas.Texts()[6].background, ui::clHighlight);
  EXPECT_EQ(canvas.Texts()[2], (ui::RasterCanvas::Text{22, 33, "D:", drives->FontColor(), drives->Color()}));
}

TEST_F(DriveComboBoxTest, ChoosingADriveMovesTheFolderListToItsCurrentFolderBeforeTheChangeEvent) {
  Make();
  drives->UserSelect(2);
  EXPECT_EQ(changes, Names{"D:\\"});
  drives->UserSelect(1);
  EXPECT_EQ(changes, (Names{"D:\\", "C:\\Music"})) << "C: is the process's drive: its current folder";
  drives->UserSelect(1);
  EXPECT_EQ(changes.size(), 3u) << "the drive shown fires the event too";
  EXPECT_EQ(dirs.Directory(), "C:\\Music");
}

TEST_F(DriveComboBoxTest, ADriveWithoutItsMediumIsAnErrorAndTheBoxShowsTheFolderListsDriveAgain) {
  Make();
  try {
    drives->UserSelect(0);
    ADD_FAILURE() << "no error";
  } catch (const ui::Exception& error) {
    EXPECT_STREQ(error.what(), "Drive A: is not ready");
  }
  EXPECT_EQ(drives->Drive(), 'C');
  EXPECT_EQ(dirs.Directory(), "C:\\Music");
  EXPECT_TRUE(changes.empty());
}

TEST_F(DriveComboBoxTest, TheProgramSetsTheDriveByItsLetter) {
  Make();
  drives->SetDrive('n');
  EXPECT_EQ(drives->Drive(), 'N');
  EXPECT_EQ(dirs.Directory(), "N:\\");
  drives->SetDrive('Z');
  drives->SetDrive('U');
  EXPECT_EQ(drives->Drive(), 'N') << "drives the box does not list change nothing";
  EXPECT_THROW(drives->SetDrive('A'), ui::Exception);
  EXPECT_EQ(drives->Drive(), 'N');
  EXPECT_TRUE(changes.empty()) << "the program's changes are silent";
}

struct FilterComboBoxTest : ::testing::Test {
  testing_support::HeadlessApp env;
  controls::TFileListBox files{nullptr, "FileListBox"};
  controls::TFilterComboBox filter{nullptr, "FilterComboBox"};
  FilterComboBoxTest() {
    for (const char* name : {"a.mid", "b.rmi", "c.wav", "d.avi", "e.txt"})
      env.files.AddFile(std::string("C:\\M\\") + name, "x");
    files.SetDirectory("C:\\M");
  }
};

TEST_F(FilterComboBoxTest, EntriesComeInPairsAndTheChosenMaskGoesToTheFileList) {
  filter.SetFileList(&files);
  EXPECT_EQ(files.Count(), 5) << "without entries, every file";
  filter.SetFilter("(*.avi;*.mid;*.rmi;*.wav)|*.avi;*.mid;*.rmi;*.wav|MIDI file(*.mid;*.rmi)|*.mid;*.rmi|"
                   "Audio file(*.wav)|*.wav|Video for Windows(*.avi)|*.avi|All files (*.*)|*.*");
  EXPECT_EQ(filter.Items(), (Names{"(*.avi;*.mid;*.rmi;*.wav)", "MIDI file(*.mid;*.rmi)", "Audio file(*.wav)",
                                   "Video for Windows(*.avi)", "All files (*.*)"}));
  EXPECT_EQ(filter.ItemIndex(), 0);
  EXPECT_EQ(files.Mask(), "*.avi;*.mid;*.rmi;*.wav") << "the first entry is chosen";
  std::vector<int> counts;
  filter.OnChange = [&](ui::TObject*) { counts.push_back(files.Count()); };
  for (int i : {1, 2, 3, 4}) filter.UserSelect(i);
  EXPECT_EQ(counts, (std::vector<int>{2, 1, 1, 5})) << "the file list follows before the event";
  EXPECT_EQ(filter.Mask(), "*.*");
}

TEST_F(FilterComboBoxTest, ADescriptionWithoutAMaskStandsForEveryFile) {
  filter.SetFilter("Text|*.txt|Everything");
  EXPECT_EQ(filter.Items(), (Names{"Text", "Everything"}));
  filter.SetFileList(&files);
  EXPECT_EQ(files.Items(), Names{"e.txt"}) << "linking gives the mask shown";
  filter.UserSelect(1);
  EXPECT_EQ(files.Count(), 5);
  filter.SetFilter("Wave|*.wav|");
  EXPECT_EQ(filter.Items(), Names{"Wave"});
  filter.SetFilter("");
  EXPECT_EQ(filter.Count(), 0);
  EXPECT_EQ(filter.Mask(), "*.*");
}

// The Win32 backend makes no icon of a picture of another size or with another letter.
TEST(FileBoxGlyphs, EachIsA32By32PictureOfKnownLettersMadeOfDoubledPixels) {
  namespace glyphs = controls::file_box_glyphs;
  const std::vector<std::string> pictures{
      glyphs::Drive(os::DriveType::Removable), glyphs::Drive(os::DriveType::Fixed),
      glyphs::Drive(os::DriveType::Remote),    glyphs::Drive(os::DriveType::CdRom),
      glyphs::Drive(os::DriveType::RamDisk),   glyphs::OpenFolder(),
      glyphs::ClosedFolder(),                  glyphs::CurrentFolder()};
  for (std::size_t p = 0; p < pictures.size(); ++p) {
    std::vector<std::string> rows;
    for (std::size_t start = 0; start <= pictures[p].size();) {
      const std::size_t end = std::min(pictures[p].find('\n', start), pictures[p].size());
      rows.push_back(pictures[p].substr(start, end - start));
      start = end + 1;
    }
    ASSERT_EQ(rows.size(), 32u) << p;
    for (std::size_t y = 0; y < 32; ++y) {
      ASSERT_EQ(rows[y].size(), 32u) << p << " row " << y;
      EXPECT_EQ(rows[y].find_first_not_of(".kwgrlyb"), std::string::npos) << p << " row " << y;
      EXPECT_EQ(rows[y], rows[y / 2 * 2]) << p << " row " << y;
      for (std::size_t x = 0; x < 32; x += 2) EXPECT_EQ(rows[y][x], rows[y][x + 1]) << p << " " << x << "," << y;
    }
  }
  EXPECT_EQ(std::set<std::string>(pictures.begin(), pictures.end()).size(), pictures.size()) << "all differ";
  EXPECT_EQ(glyphs::Drive(os::DriveType::Unknown), glyphs::Drive(os::DriveType::Fixed));
}

}  // namespace
