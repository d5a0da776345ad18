// The setup program's windows as the user goes through them: the welcome window, the target folder
// dialog, the program group dialog and the finish page, on the fake services.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/directory_list_box.h"
#include "controls/drive_combo_box.h"
#include "setup/form_title.h"
#include "support/setup_fixture.h"

namespace {

using testing_support::Find;
using testing_support::Press;
using testing_support::SetChecked;
using testing_support::TypeInto;
using Texts = std::vector<std::string>;

const os::RegistryKey kPlayerKey{os::RegistryRoot::CurrentUser, "SOFTWARE\\Fernwick\\MIDI Tunora"};
const os::RegistryKey kFolderKey{os::RegistryRoot::CurrentUser, "SOFTWARE\\Fernwick\\MIDI Tunora\\Folder"};

// Setup on a machine of its own: the welcome window made as the program entry makes it, and the user's
// steps in the dialogs.
struct SetupRun : testing_support::SetupMachine {
  std::unique_ptr<setup::TFormTitle> welcome;

  // The program entry's start: the welcome window made and shown.
  setup::TFormTitle& Start(std::vector<std::string> commandLine = {}) {
    env.app.SetTitle("MIDI Tunora Setup");
    welcome = std::make_unique<setup::TFormTitle>(std::move(commandLine));
    env.app.CreateForm(*welcome);
    welcome->SetVisible(true);
    return *welcome;
  }
  // The target folder dialog, where the user types the folder and presses Continue.
  void ChooseFolder(const std::string& folder) {
    env.modal.When("FormDir", [folder](ui::TForm& dialog) {
      TypeInto(dialog, "DirEdit", folder);
      Press(dialog, "ButDirCont");
    });
  }
  void AcceptGroup() {
    env.modal.When("FormGroup", [](ui::TForm& dialog) { Press(dialog, "ButGpCon"); });
  }
  bool Terminated() { return env.app.Terminated(); }
};

struct SetupFormsTest : ::testing::Test, SetupRun {};

TEST_F(SetupFormsTest, TheWelcomeWindowOffersUninstallationOnlyWithSomethingToUninstall) {
  struct Case {
    const char* name;
    bool installed;
    std::vector<std::string> commandLine;
    bool enabled, chosen;
  };
  const Case cases[] = {
      {"nothing installed", false, {}, false, false},
      {"installed", true, {}, true, false},
      {"asked for by the list of installed programs", true, {"/uninstall"}, true, true},
      {"asked for with nothing installed", false, {"/Uninstall"}, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.installed) env.registry.CreateKey(kPlayerKey);
    if (!c.installed) env.registry.DeleteKey(kPlayerKey);
    setup::TFormTitle& form = Start(c.commandLine);
    EXPECT_EQ(form.Caption(), "MIDI Tunora Setup");
    EXPECT_EQ(form.State().SourceFolder, kSourceFolder);
    EXPECT_EQ(form.RadioUninstall.Enabled(), c.enabled);
    EXPECT_EQ(form.RadioUninstall.Checked(), c.chosen);
    EXPECT_EQ(form.RadioInstall.Checked(), !c.chosen);
    EXPECT_FALSE(form.CheckBox1.Visible());
    EXPECT_EQ(form.Button1.Caption(), "&Continue");
    welcome.reset();
  }
}

TEST_F(SetupFormsTest, TheWelcomeWindowShowsInTheMiddleOfTheScreen) {
  welcome = std::make_unique<setup::TFormTitle>();
  env.app.CreateForm(*welcome);
  env.app.Terminate();
  env.app.Run();
  EXPECT_TRUE(welcome->Visible());
  // Without a window there is no frame: the form is as large as its client area.
  EXPECT_EQ(welcome->Left(), (1024 - 342) / 2);
  EXPECT_EQ(welcome->Top(), (768 - 186) / 2);
}

TEST_F(SetupFormsTest, AnInstallationThroughEveryWindowEndsOnTheFinishPage) {
  setup::TFormTitle& form = Start();
  env.files.AddFolder(std::string(kProgramsFolder) + "\\Accessories");
  struct {
    std::string proposed, drives;
    bool welcomeShown = true;
  } dir;
  env.modal.When("FormDir", [&](ui::TForm& dialog) {
    dir.proposed = Find<ui::TEdit>(dialog, "DirEdit").Text();
    dir.welcomeShown = form.Visible();
    for (const auto& drive : Find<controls::TDriveComboBox>(dialog, "DriveComboBox").Items()) dir.drives += drive;
    TypeInto(dialog, "DirEdit", kTargetFolder);
    Press(dialog, "ButDirCont");
  });
  std::vector<std::string> groups;
  bool groupShownAtTheQuestion = true;
  env.modal.When("FormGroup", [&](ui::TForm& dialog) {
    groups = Find<ui::TListBox>(dialog, "ListBox").Items();
    EXPECT_EQ(Find<ui::TEdit>(dialog, "Edit").Text(), "MIDI Tunora");
    EXPECT_TRUE(dialog.TopMost());
    env.backend.WhileBoxShown = [&](const ui::HeadlessBackend::Box& box) {
      if (box.caption == "Create Shortcut") groupShownAtTheQuestion = dialog.Visible();
    };
    Press(dialog, "ButGpCon");
    env.backend.WhileBoxShown = nullptr;
  });
  env.backend.AnswerNext(ui::mrYes);

  Press(form, "Button1");

  EXPECT_EQ(dir.proposed, "C:\\MIDITunora") << "the root of the Windows drive";
  EXPECT_FALSE(dir.welcomeShown);
  EXPECT_EQ(groups, (Texts{"Accessories"}));
  EXPECT_FALSE(groupShownAtTheQuestion) << "the group dialog hides once the group is made";
  EXPECT_EQ(Shown(), (Texts{"Tasks Complete: Installer has successfully created directory and copied files.",
                            "Create Shortcut: Do you want to create a shortcut to MIDI Tunora on desktop?"}));
  EXPECT_EQ(Value(kFolderKey), kTargetFolder);
  EXPECT_TRUE(env.files.FileExists(std::string(kDesktopFolder) + "\\MIDI Tunora.lnk"));

  EXPECT_TRUE(form.OnFinishPage());
  EXPECT_TRUE(form.Visible());
  EXPECT_FALSE(Terminated());
  EXPECT_EQ(form.Caption(), "MIDI Tunora Installation Complete");
  EXPECT_EQ(form.Label1.Caption(),
            "You have finisned the installation of MIDI Tunora 1.0. If you want to view readme text and launch MIDI "
            "Tunora now, click 'Finish' button to proceed.");
  EXPECT_EQ(form.Label2.Caption(), "Installation");
  EXPECT_EQ(form.Label3.Caption(), "Complete");
  EXPECT_EQ(form.Label3.Font().Size(), 24);
  EXPECT_EQ(form.Label3.Top(), form.Label2.Top());
  EXPECT_EQ(form.Label3.Width(), form.ClientWidth() - form.Label3.Left() - 2);
  for (const ui::TControl* hidden :
       std::vector<const ui::TControl*>{&form.Label4, &form.RadioInstall, &form.RadioUninstall, &form.Button2}) {
    EXPECT_FALSE(hidden->Visible()) << hidden->Name();
  }
  EXPECT_TRUE(form.CheckBox1.Showing());
  EXPECT_TRUE(form.CheckBox2.Showing());
  EXPECT_EQ(form.Button1.Caption(), "&Finish");
  EXPECT_EQ(form.Button1.Left(), (form.ClientWidth() - form.Button1.Width()) / 2);
  EXPECT_GE(form.Button1.Top(), form.GroupBox1.Top() + form.GroupBox1.Height()) << "clear of the group box";
  EXPECT_EQ(env.backend.CursorHistory().back(), ui::TCursor::crDefault);

  Press(form, "Button1");

  EXPECT_TRUE(Terminated());
  ASSERT_EQ(env.shell.Opened().size(), 3u) << "the group's Explorer window, the read-me, the player";
  EXPECT_EQ(env.shell.Opened()[1].path, std::string(kTargetFolder) + "\\ReadMe.txt");
  EXPECT_EQ(env.shell.Opened()[2].path, std::string(kTargetFolder) + "\\MIDI_Tunora.exe");
}

TEST_F(SetupFormsTest, TheFolderListProposesARootsDefaultFolderOrTheFolderItself) {
  env.files.AddFolder("C:\\Music\\Players");
  env.files.AddDrive('D', os::DriveType::Fixed);
  env.files.AddDrive('E', os::DriveType::CdRom);
  env.files.AddDrive('N', os::DriveType::Remote);
  env.files.AddFolder("N:\\Apps");
  setup::TFormTitle& form = Start();
  Texts proposed;
  env.modal.When("FormDir", [&](ui::TForm& dialog) {
    auto& folders = Find<controls::TDirectoryListBox>(dialog, "DirectoryListBox");
    auto& drives = Find<controls::TDriveComboBox>(dialog, "DriveComboBox");
    EXPECT_EQ(drives.Items(), (Texts{"C:", "D:", "N:"})) << "no removable or CD-ROM drives";
    auto& edit = Find<ui::TEdit>(dialog, "DirEdit");
    EXPECT_EQ(env.app.Screen().ActiveControl(), &edit);
    folders.OpenRow(folders.CurrentRow() + 1);  // C:\Music
    proposed.push_back(edit.Text());
    drives.UserSelect(2);  // N:, at its root
    proposed.push_back(edit.Text());
    folders.OpenRow(folders.CurrentRow() + 1);  // N:\\Apps
    proposed.push_back(edit.Text());
    folders.OpenRow(0);
    proposed.push_back(edit.Text());
  });

  Press(form, "Button1");

  EXPECT_EQ(proposed, (Texts{"C:\\Music", "N:\\MIDITunora", "N:\\Apps", "N:\\MIDITunora"}));
}

TEST_F(SetupFormsTest, ClosingADialogWithoutContinueReturnsToTheWelcomeWithNothingRecorded) {
  setup::TFormTitle& form = Start();
  env.modal.When("FormDir", [](ui::TForm& dialog) { dialog.Close(); });
  Press(form, "Button1");
  EXPECT_TRUE(form.Visible());
  EXPECT_FALSE(Terminated());
  EXPECT_EQ(form.State().TargetFolder, "");
  EXPECT_FALSE(form.OnFinishPage());

  ChooseFolder(kTargetFolder);
  env.modal.When("FormGroup", [](ui::TForm& dialog) { dialog.Close(); });
  Press(form, "Button1");
  EXPECT_TRUE(form.Visible());
  EXPECT_FALSE(Terminated());
  EXPECT_EQ(form.State().GroupFolder, "");
  EXPECT_TRUE(env.files.FileExists(std::string(kTargetFolder) + "\\MIDI_Tunora.exe")) << "copied files stay";
  EXPECT_FALSE(env.registry.KeyExists(kFolderKey));
  EXPECT_FALSE(form.OnFinishPage());

  // The user starts over and goes through.
  ChooseFolder(kTargetFolder);
  AcceptGroup();
  env.backend.AnswerNext(ui::mrNo);
  Press(form, "Button1");
  EXPECT_TRUE(form.OnFinishPage());
  EXPECT_EQ(Value(kFolderKey), kTargetFolder);
}

TEST_F(SetupFormsTest, AGroupThatCannotBeMadeReturnsToTheWelcome) {
  setup::TFormTitle& form = Start();
  ChooseFolder(kTargetFolder);
  env.modal.When("FormGroup", [](ui::TForm& dialog) {
    TypeInto(dialog, "Edit", "Gone\\MIDI Tunora");
    Press(dialog, "ButGpCon");
  });
  Press(form, "Button1");
  EXPECT_EQ(Shown().back(), "Error - Create Program Group: Cannot create program group!");
  EXPECT_TRUE(form.Visible());
  EXPECT_FALSE(form.OnFinishPage());
  EXPECT_FALSE(env.registry.KeyExists(kFolderKey));
}

TEST(SetupEnds, WhatEndsSetupOnTheWay) {
  using testing_support::SetupMachine;
  struct Case {
    const char* name;
    void (*act)(SetupRun& test);
    bool copied;
  };
  const Case cases[] = {
      {"Quit in the folder dialog",
       [](SetupRun& test) {
         test.env.modal.When("FormDir", [](ui::TForm& dialog) { Press(dialog, "ButDirQuit"); });
       },
       false},
      {"a missing source file",
       [](SetupRun& test) {
         test.env.files.Delete(std::string(SetupMachine::kSourceFolder) + "\\Xg_reset.mid");
         test.ChooseFolder(SetupMachine::kTargetFolder);
       },
       true},
      {"a folder that cannot be made",
       [](SetupRun& test) { test.ChooseFolder("C:\\Gone\\MIDI Tunora"); }, false},
      {"Quit in the group dialog",
       [](SetupRun& test) {
         test.ChooseFolder(SetupMachine::kTargetFolder);
         test.env.modal.When("FormGroup", [](ui::TForm& dialog) { Press(dialog, "ButGpQuit"); });
       },
       true},
      {"a registry key that cannot be written",
       [](SetupRun& test) {
         test.env.registry.RefuseKey({os::RegistryRoot::ClassesRoot, ".mpl"});
         test.ChooseFolder(SetupMachine::kTargetFolder);
         test.AcceptGroup();
         test.env.backend.AnswerNext(ui::mrNo);
       },
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetupRun test;
    setup::TFormTitle& form = test.Start();
    c.act(test);
    Press(form, "Button1");
    EXPECT_TRUE(test.Terminated());
    EXPECT_FALSE(form.Visible() && form.OnFinishPage()) << "the user never sees the finish page";
    const std::string player = std::string(SetupMachine::kTargetFolder) + "\\MIDI_Tunora.exe";
    EXPECT_EQ(test.env.files.FileExists(player), c.copied);
    EXPECT_FALSE(test.env.registry.KeyExists({os::RegistryRoot::ClassesRoot, ".mpl"}));
  }
}

TEST_F(SetupFormsTest, WithoutAProgramsFolderNoGroupCanBeMade) {
  env.shell.SetSpecialFolder(os::SpecialFolder::Programs, "");
  setup::TFormTitle& form = Start();
  ChooseFolder(kTargetFolder);
  bool continueEnabled = true;
  env.modal.When("FormGroup", [&](ui::TForm& dialog) {
    continueEnabled = Find<ui::TButton>(dialog, "ButGpCon").Enabled();
    dialog.Close();
  });
  Press(form, "Button1");
  EXPECT_FALSE(continueEnabled);
  EXPECT_EQ(Shown().back(), "Error - Program Groups: Can't find program group!");
  EXPECT_TRUE(form.Visible());
}

TEST_F(SetupFormsTest, ChoosingAnExistingGroupPutsItsNameInTheEditBox) {
  env.files.AddFolder(std::string(kProgramsFolder) + "\\Accessories");
  env.files.AddFolder(std::string(kProgramsFolder) + "\\Music");
  setup::TFormTitle& form = Start();
  ChooseFolder(kTargetFolder);
  env.modal.When("FormGroup", [](ui::TForm& dialog) {
    auto& list = Find<ui::TListBox>(dialog, "ListBox");
    list.UserSelect(1);
    EXPECT_EQ(Find<ui::TEdit>(dialog, "Edit").Text(), "Music");
    Press(dialog, "ButGpCon");
  });
  env.backend.AnswerNext(ui::mrNo);
  Press(form, "Button1");
  EXPECT_EQ(form.State().GroupFolder, std::string(kProgramsFolder) + "\\Music");
  EXPECT_EQ(Shown()[1], "Group Exist: Program group already exist.");
}

TEST_F(SetupFormsTest, FinishWithNeitherChoiceJustEndsSetup) {
  setup::TFormTitle& form = Start();
  ChooseFolder(kTargetFolder);
  AcceptGroup();
  env.backend.AnswerNext(ui::mrNo);
  Press(form, "Button1");
  const auto opened = env.shell.Opened().size();
  SetChecked(form, "CheckBox1", false);
  SetChecked(form, "CheckBox2", false);
  Press(form, "Button1");
  EXPECT_TRUE(Terminated());
  EXPECT_EQ(env.shell.Opened().size(), opened);
}

TEST_F(SetupFormsTest, UninstallationFromTheWelcomeWindow) {
  setup::TFormTitle& form = Start();
  ChooseFolder(kTargetFolder);
  AcceptGroup();
  env.backend.AnswerNext(ui::mrYes);
  Press(form, "Button1");
  welcome.reset();

  // A group folder holding the user's file keeps setup on the welcome page.
  env.files.AddFile(std::string(kProgramsFolder) + "\\MIDI Tunora\\Notes.txt", "mine");
  setup::TFormTitle& again = Start();
  ASSERT_TRUE(again.RadioUninstall.Enabled());
  again.RadioUninstall.Click();
  Press(again, "Button1");
  EXPECT_FALSE(Terminated());
  EXPECT_TRUE(again.Visible());
  EXPECT_TRUE(env.registry.KeyExists(kPlayerKey));

  env.files.Delete(std::string(kProgramsFolder) + "\\MIDI Tunora\\Notes.txt");
  env.backend.ClearBoxes();
  Press(again, "Button1");
  EXPECT_TRUE(Terminated());
  EXPECT_EQ(Shown().front(), "Uninstallation Complete: Uninstaller has removed MIDI Tunora from your system.");
  EXPECT_FALSE(env.registry.KeyExists(kPlayerKey));
  EXPECT_FALSE(env.files.FileExists(std::string(kTargetFolder) + "\\MIDI_Tunora.exe"));
}

}  // namespace
