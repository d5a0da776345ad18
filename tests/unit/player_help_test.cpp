#include <gtest/gtest.h>

#include <optional>

#include "support/player_fixture.h"

namespace {

using testing_support::PlayerFixture;

constexpr const char* kGiven = "D:\\MIDITunora\\Mtunora.hlp";
constexpr const char* kInstallation = "C:\\Program Files\\MIDI Tunora";
constexpr const char* kInstalled = "C:\\Program Files\\MIDI Tunora\\Mtunora.chm";
constexpr const char* kBesideProgram = "C:\\Build\\Mtunora.chm";

// Installed in C:\Program Files\MIDI Tunora, running from C:\Build.
struct HelpTest : PlayerFixture {
  void SetUp() override {
    env.files.AddDrive('D', os::DriveType::Fixed);
    env.files.ProgramFile = "C:\\Build\\MIDI_Tunora.exe";
    Start();
    form->ProgramFolder = kInstallation;
  }
  // A help file on the disk that the viewer can open, with the topics of the player's help project.
  void Ship(const std::string& path) {
    env.files.AddFile(path, "ITSF");
    env.help.AddHelpFile(path, {101, 102, 160, 170, 180, 190, 230});
  }
  // The file the viewer was last asked to show topic 101 of, if any.
  std::optional<std::string> Shown() const {
    if (env.help.Requests().empty()) return std::nullopt;
    EXPECT_EQ(env.help.Requests().back().topic, 101u);
    EXPECT_EQ(env.help.Requests().back().caller, form->Handle());
    return env.help.Requests().back().helpFile;
  }
};

struct Place {
  const char* name;
  std::vector<const char*> shipped;
  const char* programFolder;
  const char* shown;
};

void PrintTo(const Place& place, std::ostream* out) { *out << place.name; }

struct HelpPlaceTest : HelpTest, ::testing::WithParamInterface<Place> {};

TEST_P(HelpPlaceTest, ContentsShowsTopic101OfTheFirstHelpFileThatExists) {
  const Place& p = GetParam();
  for (const char* file : p.shipped) Ship(file);
  form->ProgramFolder = p.programFolder;
  Choose(form->Contents);
  EXPECT_EQ(Shown(), p.shown);
  EXPECT_TRUE(env.help.ViewerOpen());
  EXPECT_TRUE(Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, HelpPlaceTest,
    ::testing::Values(Place{"GivenFile", {kGiven, kInstalled, kBesideProgram}, kInstallation, kGiven},
                      Place{"InstallationFolder", {kInstalled, kBesideProgram}, kInstallation, kInstalled},
                      Place{"BesideTheProgram", {kBesideProgram}, kInstallation, kBesideProgram},
                      Place{"NotInstalled", {kInstalled, kBesideProgram}, "", kBesideProgram}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HelpTest, F1IsTheShortCutOfContents) {
  Ship(kBesideProgram);
  ui::TMenuItem* item = form->MainMenu.FindShortCut(ui::vkF1);
  ASSERT_EQ(item, &form->Contents);
  env.app.Dispatch([&] { item->Click(); });
  EXPECT_EQ(Shown(), kBesideProgram);
}

TEST_F(HelpTest, WithoutAHelpFileNothingIsAskedAndTheUserIsTold) {
  // An empty installation folder is not the current drive's root.
  form->ProgramFolder = "";
  env.files.AddFile("C:\\Mtunora.chm", "ITSF");
  env.files.ProgramFile = "D:\\Elsewhere\\MIDI_Tunora.exe";
  Choose(form->Contents);
  EXPECT_EQ(Shown(), std::nullopt);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "Cannot find the help file Mtunora.chm.");
  EXPECT_EQ(Boxes()[0].caption, "Error - Help");
  EXPECT_EQ(Boxes()[0].flags, ui::mbOK | ui::mbIconError);
}

TEST_F(HelpTest, AFileTheViewerCannotShowIsReported) {
  // On the disk, but no help file the viewer can open.
  env.files.AddFile(kInstalled, "not a help file");
  Choose(form->Contents);
  EXPECT_EQ(Shown(), kInstalled);
  EXPECT_FALSE(env.help.ViewerOpen());
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text,
            "Cannot show topic 101 of the help file C:\\Program Files\\MIDI Tunora\\Mtunora.chm.");
  EXPECT_EQ(Boxes()[0].caption, "Error - Help");
}

TEST_F(HelpTest, TheApplicationKeepsItsGivenHelpFile) {
  EXPECT_EQ(env.app.HelpFile, kGiven);
  EXPECT_EQ(form->Contents.HelpContext, 101);
  EXPECT_EQ(form->HelpAbout.HelpContext, 102);
}

}  // namespace
