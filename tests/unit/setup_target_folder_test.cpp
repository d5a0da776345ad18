#include "setup/target_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "setup/installed_files.h"
#include "support/setup_fixture.h"

namespace {

using setup::Outcome;
using Texts = std::vector<std::string>;

const char kCreated[] = "Tasks Complete: Installer has successfully created directory and copied files.";
const char kExists[] = "Directory Exist: Directory already exist.";
const char kCannotCreate[] = "Error - Create Directory: Cannot create directory!";

struct TargetFolderTest : testing_support::SetupFixture {
  // Every installed file, as it lies in the installation folder.
  static std::vector<std::string> InstalledPaths(const std::string& folder) {
    std::vector<std::string> paths;
    for (const auto& file : setup::kInstalledFiles) {
      paths.push_back(folder + (file.reset ? "\\Reset\\" : "\\") + file.name);
    }
    paths.push_back(folder + "\\setup.exe");
    return paths;
  }
};

TEST(ProposedTargetFolder, ADriveRootGetsTheDefaultNameAndADeeperFolderStaysAsItIs) {
  EXPECT_EQ(setup::ProposedTargetFolder("C:\\"), "C:\\MIDITunora");
  EXPECT_EQ(setup::ProposedTargetFolder("D:\\"), "D:\\MIDITunora");
  EXPECT_EQ(setup::ProposedTargetFolder("C:\\Program Files"), "C:\\Program Files");
  EXPECT_EQ(setup::ProposedTargetFolder("D:\\Music\\Players"), "D:\\Music\\Players");
}

TEST_F(TargetFolderTest, EachOutcomeOfTheFolder) {
  env.files.AddFile("C:\\Taken", "a file where the folder would be");
  env.files.AddFolder("C:\\Read Only Parent");
  env.files.DenyWriting("C:\\Read Only Parent");
  struct Case {
    const char* typed;
    std::string target;
    Outcome outcome;
    Texts shown;
  };
  const Case cases[] = {
      {"C:\\Program Files\\MIDI Tunora", "C:\\Program Files\\MIDI Tunora", Outcome::GoOn, {kCreated}},
      {"C:\\MIDITunora\\", "C:\\MIDITunora", Outcome::GoOn, {kCreated}},
      {"Tunes", "C:\\Setup Disk\\Tunes", Outcome::GoOn, {kCreated}},
      {"C:\\Program Files", "C:\\Program Files", Outcome::GoOn, {kExists, kCreated}},
      {"C:\\Gone\\MIDI Tunora", "", Outcome::EndSetup, {kCannotCreate}},
      {"C:\\MIDI|Tunora", "", Outcome::EndSetup, {kCannotCreate}},
      {"Q:\\MIDITunora", "", Outcome::EndSetup, {kCannotCreate}},
      {"C:\\Taken", "", Outcome::EndSetup, {kCannotCreate}},
      {"C:\\Read Only Parent\\MIDI Tunora", "", Outcome::EndSetup, {kCannotCreate}},
      {"", "", Outcome::EndSetup, {kCannotCreate}},
      {"   ", "", Outcome::EndSetup, {kCannotCreate}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    env.backend.ClearBoxes();
    state.TargetFolder.clear();
    EXPECT_EQ(setup::InstallFiles(env.app, state, c.typed), c.outcome);
    EXPECT_EQ(Shown(), c.shown);
    if (c.outcome == Outcome::GoOn) {
      EXPECT_EQ(state.TargetFolder, c.target);
      for (const auto& path : InstalledPaths(c.target)) EXPECT_TRUE(env.files.FileExists(path)) << path;
    } else {
      for (const auto& box : Boxes()) EXPECT_EQ(box.flags, ui::mbIconError | ui::mbTopMost);
    }
  }
}

TEST_F(TargetFolderTest, TheFilesGoIntoTheFolderAndItsResetFolderOverAnyOfTheirNames) {
  env.files.AddFile(std::string(kTargetFolder) + "\\ReadMe.txt", "an older read-me");
  env.files.AddFile(std::string(kTargetFolder) + "\\Mine.mpl", "the user's list");

  ASSERT_EQ(setup::InstallFiles(env.app, state, kTargetFolder), Outcome::GoOn);

  EXPECT_EQ(Shown(), (Texts{kExists, kCreated}));
  EXPECT_EQ(Boxes()[0].flags, ui::mbIconInformation | ui::mbTopMost);
  EXPECT_EQ(Boxes()[1].flags, ui::mbIconInformation | ui::mbTopMost);
  const std::string target = kTargetFolder;
  for (const auto& file : setup::kInstalledFiles) {
    EXPECT_EQ(Bytes(target + (file.reset ? "\\Reset\\" : "\\") + file.name), SourceBytes(file.name)) << file.name;
  }
  EXPECT_EQ(Bytes(target + "\\Gm_reset.mid"), "<missing>");
  EXPECT_EQ(Bytes(target + "\\Mtunora.chm"), SourceBytes("Mtunora.chm"));
  EXPECT_EQ(Bytes(target + "\\setup.exe"), SourceBytes("setup.exe"));
  EXPECT_EQ(Bytes(target + "\\Mine.mpl"), "the user's list");
  // The hourglass lasts while the files are copied, and is gone when the notice shows.
  EXPECT_EQ(env.backend.CursorHistory(), (std::vector<ui::TCursor>{ui::TCursor::crHourGlass, ui::TCursor::crDefault}));
}

TEST_F(TargetFolderTest, AFileThatCannotBeCopiedEndsSetupWithTheFilesBeforeItInPlace) {
  struct Case {
    const char* name;
    void (*spoil)(os::FakeFileSystem& files);
  };
  const Case cases[] = {
      {"The Lamplighter and The Clock.mid",
       [](os::FakeFileSystem& files) { files.Delete("C:\\Setup Disk\\The Lamplighter and The Clock.mid"); }},
      {"MIDI_Tunora.exe",
       [](os::FakeFileSystem& files) {
         files.AddFile("C:\\Program Files\\MIDI Tunora\\MIDI_Tunora.exe", "old");
         files.SetAttributes("C:\\Program Files\\MIDI Tunora\\MIDI_Tunora.exe", os::FileAttributes::ReadOnly);
       }},
      {"setup.exe", [](os::FakeFileSystem& files) { files.Delete("C:\\Setup Disk\\setup.exe"); }},
      // Last: a file where the "Reset" folder should be stays.
      {"Gm_reset.mid", [](os::FakeFileSystem& files) { files.AddFile("C:\\Program Files\\MIDI Tunora\\Reset", "x"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    env.backend.ClearBoxes();
    c.spoil(env.files);

    EXPECT_EQ(setup::InstallFiles(env.app, state, kTargetFolder), Outcome::EndSetup);

    ASSERT_FALSE(Boxes().empty());
    EXPECT_EQ(Shown().back(), std::string("Error - Copy File: Cannot copy file '") + c.name + "' to target directory!");
    EXPECT_EQ(Boxes().back().flags, ui::mbIconError | ui::mbTopMost);
    bool before = true;
    for (const auto& file : setup::kInstalledFiles) {
      if (file.name == std::string(c.name)) before = false;
      const std::string path = std::string(kTargetFolder) + (file.reset ? "\\Reset\\" : "\\") + file.name;
      if (before) {
        EXPECT_EQ(Bytes(path), SourceBytes(file.name)) << path;
      }
    }
    EXPECT_EQ(env.backend.CursorHistory().back(), ui::TCursor::crDefault);
    // The next case starts from a clean disk.
    env.files.SetAttributes(std::string(kTargetFolder) + "\\MIDI_Tunora.exe", os::FileAttributes::None);
    for (const auto& file : setup::kInstalledFiles) {
      env.files.AddFile(std::string(kSourceFolder) + "\\" + file.name, SourceBytes(file.name));
    }
    env.files.AddFile(std::string(kSourceFolder) + "\\setup.exe", SourceBytes("setup.exe"));
  }
}

TEST_F(TargetFolderTest, AMissingFileStopsTheCopyThere) {
  env.files.Delete(std::string(kSourceFolder) + "\\Quiet_Tidewater.mid");
  EXPECT_EQ(setup::InstallFiles(env.app, state, kTargetFolder), Outcome::EndSetup);
  EXPECT_TRUE(env.files.FileExists(std::string(kTargetFolder) + "\\File_id.diz"));
  EXPECT_FALSE(env.files.FileExists(std::string(kTargetFolder) + "\\The Lamplighter and The Clock.mid"));
  EXPECT_FALSE(env.files.FileExists(std::string(kTargetFolder) + "\\Reset\\Gm_reset.mid"));
  EXPECT_FALSE(env.files.FileExists(std::string(kTargetFolder) + "\\setup.exe"));
}

TEST_F(TargetFolderTest, TheSourceFolderMayEndInABackslashOrBeTheInstallationFolderItself) {
  state.SourceFolder = std::string(kSourceFolder) + "\\";
  ASSERT_EQ(setup::InstallFiles(env.app, state, kTargetFolder), Outcome::GoOn);
  EXPECT_EQ(state.SourceFolder, kSourceFolder);

  // Setup run again from its copy in the installation folder, installing there.
  env.files.ProgramFile = std::string(kTargetFolder) + "\\setup.exe";
  env.files.CurrentFolder = kTargetFolder;
  state.SourceFolder = kTargetFolder;
  env.files.AddFile(std::string(kTargetFolder) + "\\Gm_reset.mid", SourceBytes("Gm_reset.mid"));
  env.files.AddFile(std::string(kTargetFolder) + "\\Gs_reset.mid", SourceBytes("Gs_reset.mid"));
  env.files.AddFile(std::string(kTargetFolder) + "\\Xg_reset.mid", SourceBytes("Xg_reset.mid"));
  env.backend.ClearBoxes();
  EXPECT_EQ(setup::InstallFiles(env.app, state, kTargetFolder), Outcome::GoOn);
  EXPECT_EQ(Shown(), (Texts{kExists, kCreated}));
  EXPECT_EQ(Bytes(std::string(kTargetFolder) + "\\setup.exe"), SourceBytes("setup.exe"));
}

}  // namespace
