// With Stay on Top checked, every box and dialog of the file operations, of Play Control and of the About
// box opens with the main window out of the top-most band, and the window is back on top afterwards.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/drag.h"
#include "support/player_fixture.h"

namespace {

using testing_support::MouseDrag;
using testing_support::PlayerFixture;

struct FileOperationsTopMostTest : PlayerFixture {
  void SetUp() override {
    for (const char* name : {"a.wav", "b.wav", "c.wav"}) {
      env.files.AddFile(std::string("C:\\Music\\") + name, "RIFF");
      AddMediaFile(std::string("C:\\Music\\") + name, 10000);
    }
    env.files.AddFile("C:\\Music\\Full\\x.wav", "");
    env.files.CurrentFolder = "C:\\Music";
    Construct();
    form->AutoPlay.SetChecked(false);
    Create();
    AddEntries({"C:\\Music\\a.wav", "C:\\Music\\b.wav", "C:\\Music\\c.wav"});
    Choose(form->StayOnTop);
    env.backend.WhileBoxShown = [this](const ui::HeadlessBackend::Box& box) {
      asked.push_back(box.caption + (form->TopMost() ? ": on top" : ""));
    };
  }
  void Select(int index) { env.app.Dispatch([&] { form->SongList.UserSelect(index); }); }
  // The modal form the user meets next: recorded, then acted in.
  void InForm(const std::string& name, std::function<void(ui::TForm&)> act = {}) {
    env.modal.When(name, [this, name, act](ui::TForm& shown) {
      asked.push_back(name + (form->TopMost() ? ": on top" : ""));
      if (act) act(shown);
    });
  }
  std::vector<std::string> asked;
};

TEST_F(FileOperationsTopMostTest, EveryBoxAndDialogOpensAboveTheWindowThatStaysOnTop) {
  ASSERT_TRUE(form->TopMost());
  const struct {
    const char* what;
    std::function<void()> act;
    std::vector<std::string> asked;
  } cases[] = {
      {"rename refused",
       [&] {
         Select(1);
         Choose(form->PopRename);
         env.app.Dispatch([&] { form->EditFile.UserType("a.wav"); });
         env.app.Dispatch([&] {
           std::uint16_t enter = ui::vkReturn;
           form->EditFile.KeyDown(enter, 0);
         });
       },
       {"Error - Rename file"}},
      {"delete declined", [&] { Select(1), Click(form->BtnKill); }, {"Warning - Delete file"}},
      {"delete failed",
       [&] {
         env.files.SetInUse("C:\\Music\\b.wav", true);
         env.backend.AnswerNext(ui::mrYes);
         Select(1);
         Click(form->BtnKill);
         env.files.SetInUse("C:\\Music\\b.wav", false);
       },
       {"Warning - Delete file", "Error - Delete file "}},
      {"folder dialog and its box",
       [&] {
         Select(1);
         InForm("FormNF", [](ui::TForm& dialog) { testing_support::Press(dialog, "BitOKNF"); });
         Click(form->SpdMoveFile);
       },
       {"FormNF", "Move File"}},
      {"delete folder refused",
       [&] {
         env.app.Dispatch([&] { form->DirectoryListBox.MouseDown(ui::TMouseButton::mbRight, ui::ssRight, 30, 42); });
         Choose(form->PopDeleteFolder);
       },
       {"Error - Delete Folder"}},
      {"drop refused",
       [&] {
         env.files.SetInUse("C:\\Music\\c.wav", true);
         env.app.Dispatch([&] { form->SongList.UserSelect(2); });
         MouseDrag(form->SongList, {40, 32}).MoveTo(form->SongList, {100, 32}).MoveTo(form->DirectoryListBox, {30, 8})
             .Release();
         env.files.SetInUse("C:\\Music\\c.wav", false);
       },
       {"Error - Move File"}},
      {"Play Control", [&] { InForm("TCDlg"), Choose(form->PlayControl); }, {"TCDlg"}},
      {"About", [&] { InForm("FormAbout"), Choose(form->HelpAbout); }, {"FormAbout"}},
  };
  for (const auto& c : cases) {
    asked.clear();
    c.act();
    EXPECT_EQ(asked, c.asked) << c.what;
    EXPECT_TRUE(form->TopMost()) << c.what << ": back on top";
  }
}

}  // namespace
