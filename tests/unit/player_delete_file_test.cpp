// Kill This File!: the question, the file deleted from the disk (read-only too), the entry removed
// with the current index kept on the loaded file, the failures with their messages, and a named list
// saved.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/player_fixture.h"

namespace {

using testing_support::PlayerFixture;
using Names = std::vector<std::string>;

// C:\Music holds a.wav to d.wav (10 to 40 seconds).
struct DeleteFileTest : PlayerFixture {
  void SetUp() override {
    for (int i = 0; i < 4; ++i) {
      env.files.AddFile(Path(i), "RIFF");
      AddMediaFile(Path(i), 10000 * (i + 1));
    }
    env.files.CurrentFolder = "C:\\Music";
    Construct();
    form->GM.SetChecked(false);
    form->AutoPlay.SetChecked(false);
    Create();
  }
  static std::string Path(int i) { return std::string("C:\\Music\\") + static_cast<char>('a' + i) + ".wav"; }
  void Fill(int count) {
    Names paths;
    for (int i = 0; i < count; ++i) paths.push_back(Path(i));
    AddEntries(paths);
  }
  void MakeCurrent(int index, bool playing) {
    form->AutoPlay.SetChecked(playing);
    DoubleClickEntry(index);
    form->AutoPlay.SetChecked(false);
  }
  // Kill This File! on the entry, answered Yes unless told otherwise.
  void Kill(int index, int answer = ui::mrYes) {
    env.app.Dispatch([&] { form->SongList.UserSelect(index); });
    env.backend.AnswerNext(answer);
    Click(form->BtnKill);
  }
  Names Entries() const { return form->SongList.Items(); }
  bool Playing() const { return form->MIDIPlayer.Mode() == os::DeviceMode::Playing; }
  std::string Loaded() const { return form->Caption().substr(0, 5); }
};

TEST_F(DeleteFileTest, TheQuestionWarnsAndNoKeepsEverything) {
  Fill(3);
  form->ListChanged = 0;
  form->ListFileName = "C:\\Music\\Songs.mpl";
  Kill(1, ui::mrNo);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text,
            "Do you really want to delete 'b.wav'?\nYou will lose this file forever if you press 'Yes'!\n"
            "Advice: Press 'No' then remove this file from the play list.");
  EXPECT_EQ(Boxes()[0].caption, "Warning - Delete file");
  EXPECT_EQ(Boxes()[0].flags, ui::mbYesNo | ui::mbIconWarning | ui::mbDefButton2);
  EXPECT_TRUE(env.files.FileExists(Path(1)));
  EXPECT_EQ(Entries().size(), 3u);
  EXPECT_EQ(form->ListChanged, 0);
  EXPECT_FALSE(env.files.FileExists("C:\\Music\\Songs.mpl")) << "a declined deletion saves nothing";
}

TEST_F(DeleteFileTest, TheKillItemOfThePopupDeletesToo) {
  Fill(2);
  env.app.Dispatch([&] { form->SongList.UserSelect(1); });
  env.backend.AnswerNext(ui::mrYes);
  Choose(form->PopDelete);
  EXPECT_FALSE(env.files.FileExists(Path(1)));
  EXPECT_EQ(Entries(), Names{"a.wav"});
}

struct IndexCase {
  const char* name;
  int count, current;
  bool playing;
  int deleted;
  bool loop, autoPlay;
  Names entriesAfter;
  int currentAfter;
  const char* loadedAfter;
  bool playingAfter;
  int selectedAfter;
};

const IndexCase kIndexCases[] = {
    // Another entry goes: the device is not touched and the current index follows its file.
    {"AboveCurrent", 4, 2, true, 0, false, false, {"b.wav", "c.wav", "d.wav"}, 1, "c.wav", true, 0},
    {"JustAboveCurrent", 4, 2, true, 1, false, false, {"a.wav", "c.wav", "d.wav"}, 1, "c.wav", true, 1},
    {"BelowCurrent", 4, 1, true, 2, false, false, {"a.wav", "b.wav", "d.wav"}, 1, "b.wav", true, 2},
    {"LastNotCurrent", 4, 0, false, 3, true, true, {"a.wav", "b.wav", "c.wav"}, 0, "a.wav", false, 2},
    // The current entry in the middle: the one after it is loaded at the same index, started with Auto.
    {"CurrentMiddleAuto", 4, 1, false, 1, false, true, {"a.wav", "c.wav", "d.wav"}, 1, "c.wav", true, 1},
    {"CurrentMiddleNoAuto", 4, 1, true, 1, true, false, {"a.wav", "c.wav", "d.wav"}, 1, "c.wav", false, 1},
    // The current entry at the end: the first is loaded, started with Loop.
    {"CurrentLastLoop", 4, 3, false, 3, true, false, {"a.wav", "b.wav", "c.wav"}, 0, "a.wav", true, 0},
    {"CurrentLastNoLoop", 4, 3, true, 3, false, true, {"a.wav", "b.wav", "c.wav"}, 0, "a.wav", false, 0},
    {"TwoEntriesCurrentFirst", 2, 0, false, 0, false, false, {"b.wav"}, 0, "b.wav", false, 0},
};

struct DeleteIndexTest : DeleteFileTest, ::testing::WithParamInterface<IndexCase> {};

TEST_P(DeleteIndexTest, TheCurrentIndexKeepsNamingTheLoadedFile) {
  const IndexCase& c = GetParam();
  Fill(c.count);
  MakeCurrent(c.current, c.playing);
  form->LoopPlay.SetChecked(c.loop);
  form->AutoPlay.SetChecked(c.autoPlay);
  form->ListChanged = 0;
  Kill(c.deleted);

  EXPECT_EQ(Boxes().size(), 1u) << "the question only";
  EXPECT_FALSE(env.files.FileExists(Path(c.deleted)));
  EXPECT_EQ(Entries(), c.entriesAfter);
  EXPECT_EQ(form->PathList.size(), c.entriesAfter.size());
  EXPECT_EQ(form->CurrentIndex, c.currentAfter);
  EXPECT_EQ(Loaded(), c.loadedAfter);
  EXPECT_EQ(Playing(), c.playingAfter);
  EXPECT_EQ(Transport(), c.playingAfter ? "-PS" : "P--");
  EXPECT_EQ(form->SongList.ItemIndex(), c.selectedAfter);
  EXPECT_EQ(form->ListChanged, 1);
  const bool stepping = c.entriesAfter.size() > 1;
  EXPECT_EQ(form->SpdBtnNext.Enabled(), stepping);
  EXPECT_EQ(form->SpdBtnPrev.Enabled(), stepping);
  EXPECT_EQ(form->BtnKill.Enabled(), true) << "the selection rule ran";
  EXPECT_EQ(form->FileListBox.Count(), 3) << "the file list is read again";
}

INSTANTIATE_TEST_SUITE_P(Situations, DeleteIndexTest, ::testing::ValuesIn(kIndexCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DeleteFileTest, TheOnlyEntryGoneEmptiesTheListAndItsFile) {
  Fill(1);
  env.files.AddFile("C:\\Music\\Songs.mpl", "C:\\Music\\a.wav\r\n");
  form->ListFileName = "C:\\Music\\Songs.mpl";
  Kill(0);
  EXPECT_FALSE(env.files.FileExists(Path(0)));
  EXPECT_TRUE(Entries().empty());
  EXPECT_TRUE(form->PathList.empty());
  EXPECT_FALSE(form->SongList.Enabled());
  EXPECT_FALSE(form->FileSaveList.Enabled());
  EXPECT_EQ(Transport(), "---");
  EXPECT_EQ(form->Caption(), "Songs - MIDI Tunora");
  std::string saved = "?";
  env.files.ReadFile("C:\\Music\\Songs.mpl", saved);
  EXPECT_EQ(saved, "") << "the list's file names no deleted file";
}

TEST_F(DeleteFileTest, AReadOnlyFileGoesOnceTheUserSaidYes) {
  Fill(3);
  env.files.SetAttributes(Path(2), os::FileAttributes::ReadOnly | os::FileAttributes::Hidden);
  Kill(2);
  EXPECT_EQ(Boxes().size(), 1u);
  EXPECT_FALSE(env.files.FileExists(Path(2)));
  EXPECT_EQ(Entries(), (Names{"a.wav", "b.wav"}));
}

TEST_F(DeleteFileTest, ANamedListIsSavedAfterwards) {
  Fill(3);
  env.files.AddFile("C:\\Music\\Songs.mpl", "");
  form->ListFileName = "C:\\Music\\Songs.mpl";
  Kill(0);
  std::string saved;
  env.files.ReadFile("C:\\Music\\Songs.mpl", saved);
  EXPECT_EQ(saved, "C:\\Music\\b.wav\r\nC:\\Music\\c.wav\r\n");
  EXPECT_EQ(form->ListChanged, 0);
}

struct DeleteFailure {
  const char* name;
  void (*prepare)(os::FakeFileSystem& files);
  const char* text;
};

const DeleteFailure kDeleteFailures[] = {
    {"InUse", [](os::FakeFileSystem& f) { f.SetInUse("C:\\Music\\b.wav", true); },
     "Permission denied! Check if the file is playing, opened or on a read-only device."},
    {"FolderLocked", [](os::FakeFileSystem& f) { f.DenyWriting("C:\\Music"); },
     "Permission denied! Check if the file is playing, opened or on a read-only device."},
    {"Vanished",
     [](os::FakeFileSystem& f) {
       f.SetAttributes("C:\\Music\\b.wav", os::FileAttributes::None);
       f.Delete("C:\\Music\\b.wav");
     },
     "No such a file! This file may have been deleted or renamed."},
};

struct DeleteFailureTest : DeleteFileTest, ::testing::WithParamInterface<DeleteFailure> {};

TEST_P(DeleteFailureTest, IsReportedAndTheListAndTheFileStayAsTheyWere) {
  Fill(3);
  const bool existed = GetParam().prepare != kDeleteFailures[2].prepare;
  env.files.SetAttributes(Path(1), os::FileAttributes::ReadOnly);
  GetParam().prepare(env.files);
  form->ListChanged = 0;
  Kill(1);
  ASSERT_EQ(Boxes().size(), 2u);
  EXPECT_EQ(Boxes()[1].text, GetParam().text);
  EXPECT_EQ(Boxes()[1].caption, "Error - Delete file ");
  EXPECT_EQ(Boxes()[1].flags, ui::mbIconError);
  EXPECT_EQ(Entries(), (Names{"a.wav", "b.wav", "c.wav"}));
  EXPECT_EQ(form->ListChanged, 0);
  EXPECT_EQ(env.files.FileExists(Path(1)), existed);
  if (!existed) return;
  os::FileAttributes attributes = os::FileAttributes::None;
  env.files.GetAttributes(Path(1), attributes);
  EXPECT_EQ(attributes, os::FileAttributes::ReadOnly) << "the attributes cleared for the deletion come back";
}

INSTANTIATE_TEST_SUITE_P(Failures, DeleteFailureTest, ::testing::ValuesIn(kDeleteFailures),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
