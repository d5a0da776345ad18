// The file-type dialog as the user meets it: from Register File Types... and at the first start, its
// look, the boxes it shows checked, and what OK and Cancel leave in the registry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "player/filetypes/file_type_dialog.h"
#include "support/player_fixture.h"

namespace {

using testing_support::Find;
using testing_support::Press;
using testing_support::PressEscape;
using testing_support::SetChecked;
using Names = std::vector<std::string>;

const std::string kOwnOpen = "C:\\MIDI Tunora\\MIDI_Tunora.exe %1";
const std::string kOwnPlay = "C:\\MIDI Tunora\\MIDI_Tunora.exe /play /close %1";
const std::string kForeignOpen = "C:\\Windows\\mplayer.exe /open %1";
const std::string kForeignPlay = "C:\\Windows\\mplayer.exe /play /close %1";

os::RegistryKey Classes(const std::string& path) { return {os::RegistryRoot::ClassesRoot, path}; }
os::RegistryKey Command(const std::string& className, const char* verb) {
  return Classes(className + "\\shell\\" + verb + "\\command");
}

// The player installed by setup on a machine whose media kinds each have a class with a foreign
// program's commands.
struct FileTypeDialogTest : testing_support::PlayerFixture {
  void SetUp() override {
    SetCommands("MIDI Tunora MPL File", kOwnOpen, kOwnPlay);
    for (const auto& [extension, className] : {std::pair<const char*, const char*>{".avi", "AVIFile"},
                                               {".mid", "midfile"},
                                               {".rmi", "rmifile"},
                                               {".wav", "soundrec"}}) {
      env.registry.CreateKey(Classes(extension));
      env.registry.WriteString(Classes(extension), "", className);
      SetCommands(className, kForeignOpen, kForeignPlay);
    }
  }
  void SetCommands(const std::string& className, const std::string& open, const std::string& play) {
    for (const auto& [verb, command] : {std::pair<const char*, std::string>{"open", open}, {"play", play}}) {
      env.registry.CreateKey(Command(className, verb));
      env.registry.WriteString(Command(className, verb), "", command);
    }
  }
  std::string Value(const os::RegistryKey& key, const std::string& name = "") {
    std::string text = "<missing>";
    env.registry.ReadString(key, name, text);
    return text;
  }
  // The boxes as the dialog shows them: R checked, - unchecked, x disabled.
  static std::string States(ui::TForm& dialog) {
    std::string states;
    for (const char* name : {"CheckBoxAvi", "CheckBoxMid", "CheckBoxWav"}) {
      auto& box = Find<ui::TCheckBox>(dialog, name);
      states += !box.Enabled() ? 'x' : box.Checked() ? 'R' : '-';
    }
    return states;
  }
  // Opens the dialog from the menu, sets the boxes as given ("R" checked, "-" unchecked) and presses the
  // button; returns the boxes the dialog opened with.
  std::string Choose(const std::string& boxes, const char* button) {
    std::string shown;
    env.modal.When("FRegDlg", [&](ui::TForm& dialog) {
      shown = States(dialog);
      const char* names[] = {"CheckBoxAvi", "CheckBoxMid", "CheckBoxWav"};
      for (int i = 0; i < 3; ++i)
        if (boxes[i] != 'x') SetChecked(dialog, names[i], boxes[i] == 'R');
      Press(dialog, button);
    });
    PlayerFixture::Choose(form->FileRegistration);
    return shown;
  }
  std::vector<std::string> Writes() const {
    std::vector<std::string> writes;
    for (const std::string& line : env.registry.Log())
      if (!line.starts_with("read")) writes.push_back(line);
    return writes;
  }
};

TEST_F(FileTypeDialogTest, TheDialogAsItShows) {
  Start();
  env.modal.When("FRegDlg", [&](ui::TForm& shown) {
    auto& dialog = dynamic_cast<player::TFRegDlg&>(shown);
    EXPECT_EQ(dialog.Caption(), "MIDI Tunora File Types Registration");
    EXPECT_EQ(dialog.ClientWidth(), 257);
    EXPECT_EQ(dialog.ClientHeight(), 181);
    EXPECT_EQ(dialog.BorderStyle, ui::TFormBorderStyle::bsDialog);
    EXPECT_EQ(dialog.BorderIcons, 0u) << "no caption-bar buttons";
    EXPECT_EQ(dialog.Owner(), form.get());
    EXPECT_EQ(dialog.Left(), (1024 - 257) / 2) << "centred on the screen";
    EXPECT_EQ(dialog.Top(), (768 - 181) / 2);
    EXPECT_TRUE(dialog.Label1.WordWrap());
    EXPECT_EQ(dialog.Label1.Caption(),
              "MIDI Tunora can rigister the below file types.  After checking a file type, you can double click a "
              "file icon to launch it with MIDI Tunora.  If you change your mind later, you can always uncheck them "
              "to restore the previous registration value.");
    EXPECT_EQ(env.backend.IconSource(dialog.ImageFR.Icon().Handle()), "resource:MAINICON");
    const std::pair<ui::TControl&, const char*> captions[] = {{dialog.CheckBoxAvi, "Register .avi file"},
                                                              {dialog.CheckBoxMid, "Register .mid .rmi  file"},
                                                              {dialog.CheckBoxWav, "Register .wav file"},
                                                              {dialog.OKBtn, "OK"},
                                                              {dialog.CancelBtn, "Cancel"}};
    for (const auto& [control, caption] : captions) {
      EXPECT_EQ(control.Caption(), caption);
      EXPECT_TRUE(control.Showing()) << caption;
      EXPECT_LE(control.Left() + control.Width(), control.Parent()->ClientWidth()) << caption << " fits";
      EXPECT_LE(control.Top() + control.Height(), control.Parent()->ClientHeight()) << caption << " fits";
    }
    EXPECT_EQ(dialog.CheckBoxAvi.Parent(), &dialog.GroupBox1);
    EXPECT_TRUE(dialog.OKBtn.Default());
    EXPECT_TRUE(dialog.CancelBtn.Cancel);
    EXPECT_FALSE(form->Enabled()) << "the main window waits";
    PressEscape(dialog);
  });
  PlayerFixture::Choose(form->FileRegistration);
  EXPECT_EQ(env.backend.ModalForms(), Names{"FRegDlg"});
  EXPECT_TRUE(form->Enabled());
}

TEST_F(FileTypeDialogTest, OkRegistersTheCheckedKindsAndTheDialogShowsThemCheckedNextTime) {
  Start();
  EXPECT_EQ(Choose("R-R", "OKBtn"), "---");
  for (const char* className : {"AVIFile", "soundrec"}) {
    EXPECT_EQ(Value(Command(className, "open")), kOwnOpen) << className;
    EXPECT_EQ(Value(Command(className, "play")), kOwnPlay);
    EXPECT_EQ(Value(Command(className, "open"), "MIDITunora.Bak"), kForeignOpen);
    EXPECT_EQ(Value(Command(className, "play"), "MIDITunora.Bak"), kForeignPlay);
  }
  EXPECT_EQ(Value(Command("midfile", "open")), kForeignOpen);
  EXPECT_EQ(Choose("RRR", "OKBtn"), "R-R");
  for (const char* className : {"midfile", "rmifile"}) EXPECT_EQ(Value(Command(className, "play")), kOwnPlay);
  EXPECT_EQ(Choose("RRR", "CancelBtn"), "RRR");
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(FileTypeDialogTest, UncheckingAndOkPutsTheEarlierCommandsBack) {
  Start();
  Choose("RRR", "OKBtn");
  EXPECT_EQ(Choose("-R-", "OKBtn"), "RRR");
  for (const char* className : {"AVIFile", "soundrec"}) {
    EXPECT_EQ(Value(Command(className, "open")), kForeignOpen) << className;
    EXPECT_EQ(Value(Command(className, "play")), kForeignPlay);
    EXPECT_FALSE(env.registry.ValueExists(Command(className, "open"), "MIDITunora.Bak"));
    EXPECT_FALSE(env.registry.ValueExists(Command(className, "play"), "MIDITunora.Bak"));
  }
  EXPECT_EQ(Value(Command("midfile", "open")), kOwnOpen);
}

// Cancel, Esc, or OK with nothing changed write nothing; opening may create missing command keys.
TEST_F(FileTypeDialogTest, CancelWritesNothing) {
  env.registry.DeleteKey(Command("soundrec", "open"));
  Start();
  env.registry.ClearLog();
  EXPECT_EQ(Choose("RRR", "CancelBtn"), "---");
  EXPECT_TRUE(Writes().empty()) << Writes().front();
  EXPECT_TRUE(env.registry.KeyExists(Command("soundrec", "open"))) << "made as the dialog opened";
  EXPECT_EQ(Value(Command("AVIFile", "open")), kForeignOpen);

  env.registry.ClearLog();
  env.modal.When("FRegDlg", [](ui::TForm& dialog) {
    SetChecked(dialog, "CheckBoxMid", true);
    PressEscape(dialog);
  });
  PlayerFixture::Choose(form->FileRegistration);
  Choose("---", "OKBtn");
  EXPECT_TRUE(Writes().empty()) << Writes().front();
}

TEST_F(FileTypeDialogTest, AKindWithoutItsExtensionIsReportedBeforeTheDialogAndCannotBeChosen) {
  env.registry.DeleteKey(Classes(".avi"));
  env.registry.DeleteKey(Classes(".wav"));
  Start();
  EXPECT_EQ(Choose("xRx", "OKBtn"), "x-x");
  ASSERT_EQ(Boxes().size(), 2u);
  EXPECT_EQ(Boxes()[0].text, "Vedio for Windows not available?\nYou need to install 'Vedio Compression' under "
                             "Windows Setup.");
  EXPECT_EQ(Boxes()[0].caption, "AVI class not found");
  EXPECT_EQ(Boxes()[0].flags, ui::mbOK);
  EXPECT_EQ(Boxes()[1].text, "No support for Audio file?\nInstall 'Sound Recorder' under Windows Setup");
  EXPECT_EQ(Boxes()[1].caption, "WAV class not found");
  EXPECT_EQ(Value(Command("midfile", "open")), kOwnOpen) << "the kind that is there still registers";

  env.registry.DeleteKey(Classes(".mid"));
  env.backend.ClearBoxes();
  EXPECT_EQ(Choose("xxx", "OKBtn"), "xxx");
  ASSERT_EQ(Boxes().size(), 3u);
  EXPECT_EQ(Boxes()[1].text, "No support for MIDI Sequence file?\nPlease install Multimedia component first under "
                             "add/remove programs.");
  EXPECT_EQ(Boxes()[1].caption, "MID class not found");
}

// The first start shows the dialog before the window, and what the user registers there stays.
TEST_F(FileTypeDialogTest, TheFirstStartShowsTheDialogBeforeTheWindow) {
  firstRun = true;
  Construct({"C:\\Music\\a.wav"});
  bool windowShown = true;
  env.modal.When("FRegDlg", [&](ui::TForm& dialog) {
    windowShown = form->Visible();
    SetChecked(dialog, "CheckBoxWav", true);
    Press(dialog, "OKBtn");
  });
  Create();
  EXPECT_EQ(env.backend.ModalForms(), Names{"FRegDlg"});
  EXPECT_FALSE(windowShown);
  EXPECT_TRUE(form->Visible());
  EXPECT_EQ(Value(Command("soundrec", "open")), kOwnOpen);
  EXPECT_TRUE(form->PathList.empty()) << "the command line waits for a later start";
}

}  // namespace
