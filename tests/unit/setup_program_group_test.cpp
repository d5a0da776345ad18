#include "setup/program_group.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/setup_fixture.h"

namespace {

using Texts = std::vector<std::string>;
using Names = std::vector<std::string>;

const char kCannotCreate[] = "Error - Create Program Group: Cannot create program group!";
const char kExists[] = "Group Exist: Program group already exist.";
const char kDesktopQuestion[] = "Create Shortcut: Do you want to create a shortcut to MIDI Tunora on desktop?";
const char kShortcutFailed[] = "Error - Create Shortcut: Cannot create shortcut to program file!";

struct ProgramGroupTest : testing_support::SetupFixture {
  ProgramGroupTest() {
    env.files.AddFolder(std::string(kTargetFolder));
    state.TargetFolder = kTargetFolder;
  }
  std::string Programs(const std::string& name) const { return std::string(kProgramsFolder) + "\\" + name; }
  // "target | description" of a shortcut file, or why it cannot be read.
  std::string Link(const std::string& path) {
    os::ShellLink link;
    if (env.shell.LoadLink(path, link) != os::FileError::None) return "<no link>";
    return link.target + " | " + link.description;
  }
  void MakeGroup(const std::string& name = "MIDI Tunora") {
    ASSERT_TRUE(setup::CreateProgramGroup(env.app, state, kProgramsFolder, name));
    env.backend.ClearBoxes();
  }
};

TEST_F(ProgramGroupTest, TheProgramsFolderIsFoundOrTheUserIsTold) {
  EXPECT_EQ(setup::FindProgramsFolder(env.app), kProgramsFolder);
  EXPECT_TRUE(Boxes().empty());

  env.shell.SetSpecialFolder(os::SpecialFolder::Programs, "");
  EXPECT_EQ(setup::FindProgramsFolder(env.app), "");
  EXPECT_EQ(Shown(), (Texts{"Error - Program Groups: Can't find program group!"}));
  EXPECT_EQ(Boxes()[0].flags, ui::mbIconError | ui::mbTopMost);
}

TEST_F(ProgramGroupTest, TheExistingGroupsAreTheProgramsFoldersInAlphabeticalOrder) {
  env.files.AddFolder(Programs("zip tools"));
  env.files.AddFolder(Programs("Accessories"));
  env.files.AddFolder(Programs("Games\\Cards"));
  env.files.AddFile(Programs("Notepad.lnk"), "a shortcut is no group");
  EXPECT_EQ(setup::ExistingGroups(env.files, kProgramsFolder), (Names{"Accessories", "Games", "zip tools"}));
  EXPECT_EQ(setup::ExistingGroups(env.files, "C:\\Gone"), Names{});
}

TEST_F(ProgramGroupTest, EachOutcomeOfTheGroupFolder) {
  env.files.AddFolder(Programs("Accessories"));
  env.files.AddFolder(Programs("Music"));
  struct Case {
    const char* name;
    std::string folder;  // "" when no group is made
    Texts shown;
  };
  const Case cases[] = {
      {"MIDI Tunora", Programs("MIDI Tunora"), {}},
      {"Accessories", Programs("Accessories"), {kExists}},
      {"Music\\MIDI Tunora", Programs("Music\\MIDI Tunora"), {}},
      {"Gone\\MIDI Tunora", "", {kCannotCreate}},
      {"MIDI|Tunora", "", {kCannotCreate}},
      {"", "", {kCannotCreate}},
      {"..", "", {kCannotCreate}},
      {"..\\..\\Desktop", "", {kCannotCreate}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    env.backend.ClearBoxes();
    const auto opened = env.shell.Opened().size();
    EXPECT_EQ(setup::CreateProgramGroup(env.app, state, kProgramsFolder, c.name), !c.folder.empty());
    EXPECT_EQ(state.GroupFolder, c.folder);
    EXPECT_EQ(Shown(), c.shown);
    if (c.folder.empty()) {
      EXPECT_EQ(env.shell.Opened().size(), opened) << "no Explorer window without a group";
      EXPECT_EQ(Boxes()[0].flags, ui::mbIconError);
    } else {
      EXPECT_TRUE(env.files.FolderExists(c.folder));
      ASSERT_EQ(env.shell.Opened().size(), opened + 1);
      EXPECT_EQ(env.shell.Opened().back().path, c.folder);
      EXPECT_EQ(env.shell.Opened().back().show, os::ShowState::Normal);
    }
  }
  EXPECT_EQ(setup::ExistingGroups(env.files, kProgramsFolder), (Names{"Accessories", "MIDI Tunora", "Music"}));
}

TEST_F(ProgramGroupTest, TheGroupNoticeIsInformation) {
  env.files.AddFolder(Programs("MIDI Tunora"));
  ASSERT_TRUE(setup::CreateProgramGroup(env.app, state, kProgramsFolder, "MIDI Tunora"));
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].flags, ui::mbIconInformation);
}

TEST_F(ProgramGroupTest, TheThreeGroupShortcutsAndTheDesktopShortcutOnYes) {
  MakeGroup();
  env.backend.AnswerNext(ui::mrYes);
  setup::MakeShortcuts(env.app, state);

  EXPECT_EQ(Shown(), (Texts{kDesktopQuestion}));
  EXPECT_EQ(Boxes()[0].flags, ui::mbYesNo | ui::mbIconQuestion | ui::mbTopMost);
  const std::string target = kTargetFolder;
  EXPECT_EQ(Link(Programs("MIDI Tunora\\MIDI Tunora 1.0.lnk")), target + "\\MIDI_Tunora.exe | MIDI Tunora Exectuable");
  EXPECT_EQ(Link(Programs("MIDI Tunora\\MIDI Tunora Help.lnk")), target + "\\Mtunora.chm | MIDI Tunora Help");
  EXPECT_EQ(Link(Programs("MIDI Tunora\\MIDI Tunora ReadMe.lnk")), target + "\\ReadMe.txt | MIDI Tunora Readme");
  EXPECT_EQ(Link(std::string(kDesktopFolder) + "\\MIDI Tunora.lnk"), target + "\\MIDI_Tunora.exe | MIDI Tunora");
}

TEST_F(ProgramGroupTest, TheDesktopQuestionsAnswers) {
  struct Case {
    const char* name;
    int answer;
    bool desktopFound;
    bool desktopWritable;
    Texts shown;
    bool desktopShortcut;
  };
  const Case cases[] = {
      {"no", ui::mrNo, true, true, {kDesktopQuestion}, false},
      {"yes", ui::mrYes, true, true, {kDesktopQuestion}, true},
      {"yes, no desktop",
       ui::mrYes,
       false,
       true,
       {kDesktopQuestion, "Error - Desktop Directory: Can't find Desktop directory!"},
       false},
      {"yes, desktop refuses", ui::mrYes, true, false, {kDesktopQuestion, kShortcutFailed}, false},
  };
  MakeGroup();
  const std::string desktopShortcut = std::string(kDesktopFolder) + "\\MIDI Tunora.lnk";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    env.backend.ClearBoxes();
    env.files.Delete(desktopShortcut);
    env.shell.SetSpecialFolder(os::SpecialFolder::Desktop, c.desktopFound ? kDesktopFolder : "");
    env.files.DenyWriting(kDesktopFolder, !c.desktopWritable);
    env.backend.AnswerNext(c.answer);

    setup::MakeShortcuts(env.app, state);

    EXPECT_EQ(Shown(), c.shown);
    for (std::size_t i = 1; i < Boxes().size(); ++i) EXPECT_EQ(Boxes()[i].flags, ui::mbIconError | ui::mbTopMost);
    EXPECT_EQ(env.files.FileExists(desktopShortcut), c.desktopShortcut);
    EXPECT_NE(Link(Programs("MIDI Tunora\\MIDI Tunora ReadMe.lnk")), "<no link>");
  }
}

TEST_F(ProgramGroupTest, AShortcutThatFailsEndsTheStepWithoutTheDesktopQuestion) {
  MakeGroup();
  const std::string help = Programs("MIDI Tunora\\MIDI Tunora Help.lnk");
  env.files.AddFile(help, "kept");
  env.files.SetAttributes(help, os::FileAttributes::ReadOnly);

  setup::MakeShortcuts(env.app, state);

  EXPECT_EQ(Shown(), (Texts{kShortcutFailed}));
  EXPECT_EQ(Boxes()[0].flags, ui::mbIconError | ui::mbTopMost);
  EXPECT_NE(Link(Programs("MIDI Tunora\\MIDI Tunora 1.0.lnk")), "<no link>");
  EXPECT_EQ(Bytes(help), "kept");
  EXPECT_FALSE(env.files.FileExists(Programs("MIDI Tunora\\MIDI Tunora ReadMe.lnk")));
  EXPECT_FALSE(env.files.FileExists(std::string(kDesktopFolder) + "\\MIDI Tunora.lnk"));
  EXPECT_EQ(state.GroupFolder, Programs("MIDI Tunora")) << "the installation goes on without the shortcuts";
}

TEST_F(ProgramGroupTest, ASecondInstallationReplacesTheShortcuts) {
  MakeGroup();
  env.backend.AnswerNext(ui::mrYes);
  setup::MakeShortcuts(env.app, state);

  state.TargetFolder = "D:\\Other Place";
  env.files.AddDrive('D', os::DriveType::Fixed);
  env.files.AddFolder(state.TargetFolder);
  MakeGroup();
  env.backend.AnswerNext(ui::mrYes);
  setup::MakeShortcuts(env.app, state);

  EXPECT_EQ(Link(Programs("MIDI Tunora\\MIDI Tunora 1.0.lnk")),
            "D:\\Other Place\\MIDI_Tunora.exe | MIDI Tunora Exectuable");
  EXPECT_EQ(Link(std::string(kDesktopFolder) + "\\MIDI Tunora.lnk"), "D:\\Other Place\\MIDI_Tunora.exe | MIDI Tunora");
}

}  // namespace
