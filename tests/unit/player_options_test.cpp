#include <gtest/gtest.h>

#include <cstdint>

#include "player/shell/player_keys.h"
#include "support/player_fixture.h"
#include "support/player_options.h"

namespace {

using testing_support::PlayerFixture;
using testing_support::StoredOptions;
using Log = std::vector<std::string>;

const os::RegistryKey& kOptions = player::kOptionsKey;

struct OptionsTest : PlayerFixture {
  // Starts the player with these options stored, and a media file on the command line that is played
  // only when the start-up gets as far as the command line.
  void StartWith(const StoredOptions& options) {
    options.Store(env.registry);
    AddMediaFile("C:\\cue.wav", 3000);
    Start({"C:\\cue.wav"});
  }
  bool CommandLineRan() const { return form->PathList.size() == 1; }
  // The reads of the Options key, "read " left out.
  Log Reads() const {
    Log names;
    for (const std::string& line : env.registry.Log())
      if (line.starts_with("read ")) names.push_back(line.substr(5));
    return names;
  }
  // The reads from first up to last, both included.
  Log ReadsBetween(const std::string& first, const std::string& last) const {
    const Log all = Reads();
    auto from = std::find(all.begin(), all.end(), first);
    auto to = std::find(from, all.end(), last);
    return to == all.end() ? Log{} : Log(from, to + 1);
  }
  std::uint32_t Integer(const std::string& name) {
    std::uint32_t value = 0xDEADBEEF;
    env.registry.ReadInteger(kOptions, name, value);
    return value;
  }
  std::string Text(const std::string& name) {
    std::string value = "<missing>";
    env.registry.ReadString(kOptions, name, value);
    return value;
  }
  std::string Modes() const {
    std::string modes;
    modes += form->LoopPlay.Checked() ? 'L' : '-';
    modes += form->RepeatPlay.Checked() ? 'R' : '-';
    modes += form->RandomPlay.Checked() ? 'D' : '-';
    modes += form->ShufflePlay.Checked() ? 'S' : '-';
    return modes;
  }
  // "GM", "GS", "XG" or "" for the checked reset type, lower case when the items are disabled.
  std::string ResetType() const {
    std::string type;
    for (ui::TMenuItem* item : {&form->GM, &form->GS, &form->XG})
      if (item->Checked()) type += item->Name();
    const bool enabled = form->GM.Enabled() && form->GS.Enabled() && form->XG.Enabled();
    const bool disabled = !form->GM.Enabled() && !form->GS.Enabled() && !form->XG.Enabled();
    if (!enabled && !disabled) return "mixed";
    return enabled ? type : "off" + type;
  }
};

TEST_F(OptionsTest, EveryValueIsReadInItsOrderAndApplied) {
  env.files.AddFolder("C:\\Music");
  StartWith(StoredOptions()
                .Set("Top", 40u)
                .Set("Left", 50u)
                .Set("FileBox", 0u)
                .Set("TrackBar", 0u)
                .Set("Menu", 0u)
                .Set("Counter", 0u)
                .Set("Hide", 1u)
                .Set("TimeCount", 1u)
                .Set("StayOnTop", 1u)
                .Set("AutoPlay", 0u)
                .Set("LoopPlay", 0u)
                .Set("RepeatPlay", 1u)
                .Set("RandomPlay", 1u)
                .Set("GM", 0u)
                .Set("GS", 1u)
                .Set("XG", 1u)
                .Set("AutoLoad", 0u)
                .Set("AutoLoadList", std::string("C:\\Lists\\Evening.mpl"))
                .Set("ListDirectory", std::string("C:\\Lists\\"))
                .Set("OpExit", 0u)
                .Set("LastOne", 3u)
                .Set("MIDIDirectory", std::string("C:\\Music"))
                .Set("SKIP", 12u)
                .Set("WAIT", 4u));
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(Reads(), (Log{"Top", "Left", "PlayList", "FileBox", "TrackBar", "Menu", "Counter", "Hide", "TimeCount",
                          "StayOnTop", "AutoPlay", "LoopPlay", "RepeatPlay", "ShufflePlay", "GM", "GS", "AutoLoad",
                          "AutoLoadList", "ListDirectory", "OpExit", "LastOne", "MIDIDirectory", "SKIP", "WAIT"}));
  EXPECT_EQ(form->Top(), 40);
  EXPECT_EQ(form->Left(), 50);
  for (ui::TMenuItem* item : {&form->PlayList, &form->PlayList1, &form->StayOnTop, &form->StayOnTop1})
    EXPECT_TRUE(item->Checked()) << item->Name();
  for (ui::TMenuItem* item : {&form->FileBox, &form->FileBox1, &form->TrackB, &form->TrackB1, &form->Menu,
                              &form->Menu1, &form->Counter, &form->AutoPlay, &form->AutoLoad, &form->OpExit})
    EXPECT_FALSE(item->Checked()) << item->Name();
  EXPECT_TRUE(form->WindowHidden);
  EXPECT_EQ(form->TimeCount.Tag, 1);
  EXPECT_EQ(Modes(), "-R--");
  EXPECT_EQ(form->LblRepeat.FontColor(), ui::clLime);
  EXPECT_EQ(form->LblAuto.FontColor(), ui::clGray) << "Auto is applied after the reading";
  EXPECT_EQ(ResetType(), "GS");
  EXPECT_EQ(form->LastListFileName, "C:\\Lists\\Evening.mpl");
  EXPECT_EQ(form->ListFileName, "*.mpl");
  EXPECT_EQ(form->OpenDialogFolder, "C:\\Lists\\");
  EXPECT_EQ(form->SaveDialogFolder, "C:\\Lists\\") << "the Save dialog starts where the Open dialog does";
  EXPECT_EQ(form->LastOne, 3);
  EXPECT_EQ(form->CurrentIndex, 0);
  EXPECT_EQ(form->FileBoxFolder(), "C:\\Music") << "the file box shows the stored folder";
  EXPECT_EQ(form->SkipSeconds, 12);
  EXPECT_EQ(form->WaitSeconds, 4);
  EXPECT_TRUE(CommandLineRan());
}

struct PlayModes {
  std::uint32_t loop, repeat, random, shuffle;
  Log reads;
  const char* modes;
  ui::TColor loopLabel, repeatLabel, randomLabel;
};

struct PlayModeRuleTest : OptionsTest, ::testing::WithParamInterface<PlayModes> {};

TEST_P(PlayModeRuleTest, ReadsUntilTheFirstModeThatIsOn) {
  const PlayModes& c = GetParam();
  StartWith(StoredOptions()
                .Set("LoopPlay", c.loop)
                .Set("RepeatPlay", c.repeat)
                .Set("RandomPlay", c.random)
                .Set("ShufflePlay", c.shuffle));
  EXPECT_EQ(ReadsBetween("LoopPlay", "ShufflePlay"), c.reads);
  EXPECT_EQ(Modes(), c.modes);
  EXPECT_EQ(form->LblLoop.FontColor(), c.loopLabel);
  EXPECT_EQ(form->LblRepeat.FontColor(), c.repeatLabel);
  EXPECT_EQ(form->LblRandom.FontColor(), c.randomLabel);
  EXPECT_EQ(form->LblShuffle.FontColor(), c.shuffle ? ui::clRed : ui::clGray);
  EXPECT_TRUE(Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Stored, PlayModeRuleTest,
    ::testing::Values(
        PlayModes{1, 1, 1, 0, {"LoopPlay", "ShufflePlay"}, "L---", ui::clFuchsia, ui::clGray, ui::clGray},
        PlayModes{0, 1, 1, 0, {"LoopPlay", "RepeatPlay", "ShufflePlay"}, "-R--", ui::clGray, ui::clLime, ui::clGray},
        PlayModes{0, 0, 1, 0, {"LoopPlay", "RepeatPlay", "RandomPlay", "ShufflePlay"}, "--D-", ui::clGray,
                  ui::clGray, ui::clYellow},
        PlayModes{0, 0, 0, 0, {"LoopPlay", "RepeatPlay", "RandomPlay", "ShufflePlay"}, "----", ui::clGray,
                  ui::clGray, ui::clGray},
        PlayModes{0, 0, 1, 1, {"LoopPlay", "RepeatPlay", "RandomPlay", "ShufflePlay"}, "---S", ui::clGray,
                  ui::clGray, ui::clGray},
        PlayModes{1, 0, 0, 1, {"LoopPlay", "ShufflePlay"}, "L--S", ui::clFuchsia, ui::clGray, ui::clGray}));

struct ResetTypes {
  std::uint32_t gm, gs, xg;
  const char* missingFiles;  // letters of the reset files removed: M, S, X
  Log reads;
  const char* type;
};

struct ResetTypeRuleTest : OptionsTest, ::testing::WithParamInterface<ResetTypes> {};

TEST_P(ResetTypeRuleTest, TakesTheFirstTypeOnWhoseFileExists) {
  const ResetTypes& c = GetParam();
  const std::string missing = c.missingFiles;
  Construct();
  const struct {
    char letter;
    const char* file;
  } files[] = {{'M', "C:\\Reset\\Gm_reset.mid"}, {'S', "C:\\Reset\\Gs_reset.mid"}, {'X', "C:\\Reset\\Xg_reset.mid"}};
  for (const auto& f : files)
    if (missing.find(f.letter) != std::string::npos) env.files.Delete(f.file);
  StoredOptions().Set("GM", c.gm).Set("GS", c.gs).Set("XG", c.xg).Store(env.registry);
  Create();
  Log resetReads;
  for (const std::string& name : Reads())
    if (name == "GM" || name == "GS" || name == "XG") resetReads.push_back(name);
  EXPECT_EQ(resetReads, c.reads);
  EXPECT_EQ(ResetType(), c.type);

  // What is shown is what the next save stores: once all three are off, they stay off.
  Choose(form->SaveOptions);
  EXPECT_EQ(Integer("GM"), std::string(c.type) == "GM" ? 1u : 0u);
  EXPECT_EQ(Integer("GS"), std::string(c.type) == "GS" ? 1u : 0u);
  EXPECT_EQ(Integer("XG"), std::string(c.type) == "XG" ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Stored, ResetTypeRuleTest,
                         ::testing::Values(ResetTypes{1, 1, 1, "", {"GM"}, "GM"},
                                           ResetTypes{1, 1, 0, "M", {"GM", "GS"}, "GS"},
                                           ResetTypes{0, 1, 1, "", {"GM", "GS"}, "GS"},
                                           ResetTypes{1, 1, 1, "MS", {"GM", "GS", "XG"}, "XG"},
                                           ResetTypes{1, 0, 0, "M", {"GM", "GS", "XG"}, "off"},
                                           ResetTypes{0, 0, 0, "", {"GM", "GS", "XG"}, "off"},
                                           ResetTypes{0, 0, 1, "X", {"GM", "GS", "XG"}, "off"}));

struct FolderKey {
  const char* what;
  bool key;
  bool expand;
  std::string value;
  std::string programFolder;
};

struct ProgramFolderTest : OptionsTest, ::testing::WithParamInterface<FolderKey> {};

// The reset files live below ProgramFolder, which comes from the key setup writes.
TEST_P(ProgramFolderTest, ComesFromTheFolderKeyUnexpanded) {
  const FolderKey& c = GetParam();
  if (c.key) env.registry.CreateKey(player::kFolderKey);
  if (c.key && !c.value.empty()) {
    if (c.expand) {
      env.registry.WriteExpandString(player::kFolderKey, "", c.value);
    } else {
      env.registry.WriteString(player::kFolderKey, "", c.value);
    }
  }
  env.files.AddFile(c.programFolder + "\\Reset\\Gs_reset.mid", "MThd");
  StartWith(StoredOptions().Set("GM", 0u).Set("GS", 1u));
  EXPECT_EQ(form->ProgramFolder, c.programFolder);
  EXPECT_EQ(ResetType(), "GS");
}

INSTANTIATE_TEST_SUITE_P(Installed, ProgramFolderTest,
                         ::testing::Values(FolderKey{"folder", true, false, "D:\\Tunora", "D:\\Tunora"},
                                           FolderKey{"expandable", true, true, "%ProgramFiles%\\Tunora",
                                                     "%ProgramFiles%\\Tunora"},
                                           FolderKey{"no value", true, false, "", ""},
                                           FolderKey{"no key", false, false, "", ""}));

struct BadValue {
  std::string name;
  // What it is stored as: "missing", "string", "binary" or "integer".
  std::string as;
  // Other values stored so that the bad one is read at all.
  std::vector<std::pair<std::string, std::uint32_t>> context;
  // The error box's text, or "" when the value reads without an error.
  std::string error;
};

std::ostream& operator<<(std::ostream& out, const BadValue& v) { return out << v.name << " as " << v.as; }

struct BadValueTest : OptionsTest, ::testing::WithParamInterface<BadValue> {};

TEST_P(BadValueTest, EndsTheReadingWithTheLibrarysErrorAndThePlayerComesUp) {
  const BadValue& bad = GetParam();
  StoredOptions options;
  for (const auto& [name, value] : bad.context) options.Set(name, value);
  if (bad.as == "missing") {
    options.Remove(bad.name);
  } else if (bad.as == "string") {
    options.Set(bad.name, std::string("1"));
  } else if (bad.as == "integer") {
    options.Set(bad.name, 1u);
  }
  options.Store(env.registry);
  if (bad.as == "binary") env.registry.WriteBinary(kOptions, bad.name, std::string("\x01\0\0\0", 4));
  AddMediaFile("C:\\cue.wav", 3000);
  Start({"C:\\cue.wav"});

  if (bad.error.empty()) {
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Reads().back(), "WAIT");
    EXPECT_TRUE(CommandLineRan());
  } else {
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, bad.error + ".");
    EXPECT_EQ(Boxes()[0].caption, "MIDI Tunora 1.01");
    EXPECT_EQ(Boxes()[0].flags, ui::mbOK | ui::mbIconError);
    EXPECT_EQ(Reads().back(), bad.name) << "nothing is read after the failing value";
    EXPECT_FALSE(CommandLineRan()) << "the rest of the start-up is skipped";
  }
  EXPECT_TRUE(form->Visible());
  EXPECT_EQ(env.backend.CursorHistory().back(), ui::TCursor::crDefault);
  // The player stays usable: a file added to the list loads and plays.
  AddMediaFile("C:\\ok.wav", 2000);
  form->ClearEntries();
  form->FileSaveList.SetEnabled(false);
  AddEntries({"C:\\ok.wav"});
  EXPECT_EQ(form->Caption(), "ok.wav - 0:02 - MIDI Tunora");
}

std::vector<BadValue> BadValues() {
  const std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::uint32_t>>>> numbers = {
      {"Top", {}},
      {"Left", {}},
      {"PlayList", {}},
      {"FileBox", {}},
      {"TrackBar", {}},
      {"Menu", {}},
      {"Counter", {}},
      {"Hide", {}},
      {"TimeCount", {}},
      {"StayOnTop", {}},
      {"AutoPlay", {}},
      {"LoopPlay", {}},
      {"RepeatPlay", {{"LoopPlay", 0}}},
      {"RandomPlay", {{"LoopPlay", 0}}},
      {"ShufflePlay", {}},
      {"GM", {}},
      {"GS", {{"GM", 0}}},
      {"XG", {{"GM", 0}}},
      {"AutoLoad", {}},
      {"OpExit", {}},
      {"LastOne", {}},
      {"SKIP", {}},
      {"WAIT", {}},
  };
  std::vector<BadValue> values;
  for (const auto& [name, context] : numbers) {
    values.push_back({name, "missing", context, "Failed to get data for '" + name + "'"});
    values.push_back({name, "string", context, "Invalid data type for '" + name + "'"});
    values.push_back({name, "binary", context, "Invalid data type for '" + name + "'"});
  }
  // Texts: a missing one reads as empty, the two optional ones keep the design value.
  for (const std::string name : {"MIDIDirectory", "AutoLoadList", "ListDirectory"}) {
    values.push_back({name, "missing", {}, ""});
    values.push_back({name, "integer", {}, "Invalid data type for '" + name + "'"});
    values.push_back({name, "binary", {}, "Invalid data type for '" + name + "'"});
  }
  return values;
}

INSTANTIATE_TEST_SUITE_P(Options, BadValueTest, ::testing::ValuesIn(BadValues()));

TEST_F(OptionsTest, ValuesReadBeforeAFailureKeepTheirEffect) {
  StartWith(StoredOptions()
                .Set("Top", 40u)
                .Set("StayOnTop", 1u)
                .Set("LoopPlay", 0u)
                .Set("AutoLoad", 0u)
                .Set("OpExit", std::string("0"))
                .Set("LastOne", 2u)
                .Set("SKIP", 9u));
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "Invalid data type for 'OpExit'.");
  EXPECT_EQ(form->Top(), 40);
  EXPECT_TRUE(form->StayOnTop.Checked());
  EXPECT_EQ(Modes(), "----");
  EXPECT_FALSE(form->AutoLoad.Checked());
  EXPECT_TRUE(form->OpExit.Checked()) << "as designed";
  EXPECT_EQ(form->LastOne, 0);
  EXPECT_EQ(form->SkipSeconds, 5);
}

struct Sixteen {
  std::uint32_t stored;
  int read;
};

struct SkipAndWaitTest : OptionsTest, ::testing::WithParamInterface<Sixteen> {};

TEST_P(SkipAndWaitTest, KeepTheirLow16BitsWithTheSign) {
  StartWith(StoredOptions().Set("SKIP", GetParam().stored).Set("WAIT", GetParam().stored));
  EXPECT_EQ(form->SkipSeconds, GetParam().read);
  EXPECT_EQ(form->WaitSeconds, GetParam().read);
  // Saved again sign-extended from those 16 bits.
  Choose(form->SaveOptions);
  EXPECT_EQ(static_cast<std::int32_t>(Integer("SKIP")), GetParam().read);
  EXPECT_EQ(static_cast<std::int32_t>(Integer("WAIT")), GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(Stored, SkipAndWaitTest,
                         ::testing::Values(Sixteen{5, 5}, Sixteen{0x00010005, 5}, Sixteen{0xFFFFFFFB, -5},
                                           Sixteen{0x0001FFFF, -1}, Sixteen{0x8000, -32768}, Sixteen{70000, 4464},
                                           Sixteen{0x7FFF, 32767}));

TEST_F(OptionsTest, ExpandableTextsAreTakenUnexpanded) {
  StoredOptions().Set("AutoLoad", 0u).Store(env.registry);
  env.registry.WriteExpandString(kOptions, "AutoLoadList", "%USERPROFILE%\\Evening.mpl");
  env.registry.WriteExpandString(kOptions, "ListDirectory", "%USERPROFILE%\\");
  env.registry.WriteExpandString(kOptions, "MIDIDirectory", "%WINDIR%\\Media");
  Start();
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(form->LastListFileName, "%USERPROFILE%\\Evening.mpl");
  EXPECT_EQ(form->OpenDialogFolder, "%USERPROFILE%\\");
  EXPECT_EQ(env.files.GetCurrentFolder(), "C:\\") << "no such folder: the file box stays where it started";
}

TEST_F(OptionsTest, SaveWritesEveryValueInItsOrder) {
  StartWith(StoredOptions());
  env.registry.ClearLog();
  // A state unlike the design's in every value that can differ.
  form->SetBounds(33, 44, form->Width(), form->Height());
  form->PlayList.SetChecked(false);
  form->FileBox.SetChecked(false);
  form->TrackB.SetChecked(false);
  form->Menu.SetChecked(false);
  form->Counter.SetChecked(false);
  form->WindowHidden = true;
  form->TimeCount.Tag = 1;
  form->StayOnTop.SetChecked(true);
  form->AutoPlay.SetChecked(false);
  form->RandomPlay.SetChecked(true);
  form->ShufflePlay.SetChecked(true);
  form->XG.SetChecked(true);
  form->AutoLoad.SetChecked(false);
  form->ListHistory = {"D:\\Lists\\Night.mpl", "C:\\Old.mpl"};
  form->CurrentIndex = 7;
  form->SkipSeconds = 20;
  form->WaitSeconds = 3;
  env.files.AddFolder("C:\\Box");
  form->SetFileBoxFolder("C:\\Box");
  Click(form->SpdBtnSaveOption);

  EXPECT_TRUE(Boxes().empty());
  Log writes;
  for (const std::string& line : env.registry.Log()) writes.push_back(line);
  EXPECT_EQ(writes, (Log{"write ", "write Top", "write Left", "write FileBox", "write PlayList", "write TrackBar",
                         "write Menu", "write Counter", "write Hide", "write TimeCount", "write StayOnTop",
                         "write AutoPlay", "write LoopPlay", "write RepeatPlay", "write RandomPlay",
                         "write ShufflePlay", "write GM", "write GS", "write XG", "write AutoLoad", "write OpExit",
                         "write AutoLoadList", "write ListDirectory", "write LastOne", "write MIDIDirectory",
                         "write SKIP", "write WAIT"}));
  std::string text;
  env.registry.ReadString(player::kPlayerKey, "", text);
  EXPECT_EQ(text, "MIDI Tunora Configuration Key");
  const struct {
    const char* name;
    std::uint32_t value;
  } numbers[] = {{"Top", 44},     {"Left", 33},       {"FileBox", 0},    {"PlayList", 0},    {"TrackBar", 0},
                 {"Menu", 0},     {"Counter", 0},     {"Hide", 1},       {"TimeCount", 1},   {"StayOnTop", 1},
                 {"AutoPlay", 0}, {"LoopPlay", 0},    {"RepeatPlay", 0}, {"RandomPlay", 1},  {"ShufflePlay", 1},
                 {"GM", 0},       {"GS", 0},          {"XG", 1},         {"AutoLoad", 0},    {"OpExit", 1},
                 {"LastOne", 7},  {"SKIP", 20},       {"WAIT", 3}};
  for (const auto& n : numbers) {
    EXPECT_EQ(Integer(n.name), n.value) << n.name;
    EXPECT_EQ(env.registry.ValueType(kOptions, n.name), os::RegistryType::Integer) << n.name;
  }
  EXPECT_EQ(Text("AutoLoadList"), "D:\\Lists\\Night.mpl");
  EXPECT_EQ(Text("ListDirectory"), "D:\\Lists\\");
  EXPECT_EQ(Text("MIDIDirectory"), "C:\\Box");
}

TEST_F(OptionsTest, TheListFolderIsTheTextUpToTheLastBackslashOrColon) {
  const struct {
    const char* list;
    const char* folder;
  } cases[] = {{"C:\\a\\b.mpl", "C:\\a\\"}, {"C:b.mpl", "C:"}, {"b.mpl", ""}, {"C:\\", "C:\\"}};
  StartWith(StoredOptions());
  for (const auto& c : cases) {
    form->ListHistory = {c.list};
    Choose(form->SaveOptions);
    EXPECT_EQ(Text("AutoLoadList"), c.list);
    EXPECT_EQ(Text("ListDirectory"), c.folder) << c.list;
  }
}

TEST_F(OptionsTest, SavingWithoutHistoryKeepsTheListStoredEarlier) {
  StartWith(StoredOptions()
                .Set("AutoLoadList", std::string("C:\\Lists\\Evening.mpl"))
                .Set("ListDirectory", std::string("C:\\Lists\\")));
  form->ListHistory.clear();
  form->CurrentIndex = 4;
  Choose(form->SaveOptions);
  EXPECT_EQ(Text("AutoLoadList"), "C:\\Lists\\Evening.mpl");
  EXPECT_EQ(Text("ListDirectory"), "C:\\Lists\\");
  EXPECT_EQ(Integer("LastOne"), 4u) << "written even with an empty play list";
}

TEST_F(OptionsTest, AFailedWriteNamesTheValueAndWritesNothingAfterIt) {
  StartWith(StoredOptions().Set("SKIP", 11u));
  env.registry.ClearLog();
  env.registry.RefuseWritesOf("Counter");
  form->SetBounds(0, 99, form->Width(), form->Height());
  form->SkipSeconds = 30;
  Choose(form->SaveOptions);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "Failed to set data for 'Counter'.");
  EXPECT_EQ(Boxes()[0].flags, ui::mbOK | ui::mbIconError);
  EXPECT_EQ(env.registry.Log().back(), "write Counter");
  EXPECT_EQ(Integer("Top"), 99u) << "written before the failure";
  EXPECT_EQ(Integer("SKIP"), 11u) << "not written after it";
}

TEST_F(OptionsTest, AKeyThatCannotBeCreatedFailsAtTheFirstValue) {
  firstRun = true;
  Start();
  env.backend.ClearBoxes();  // the file-type dialog's, on a machine without media classes
  env.registry.RefuseWrites = true;
  Choose(form->SaveOptions);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "Failed to set data for ''.");
  EXPECT_FALSE(env.registry.KeyExists(player::kPlayerKey));
}

TEST_F(OptionsTest, AutoLoadAndOpExitOnlyToggleTheirMarks) {
  StartWith(StoredOptions());
  env.registry.ClearLog();
  Choose(form->AutoLoad);
  EXPECT_FALSE(form->AutoLoad.Checked());
  env.app.Dispatch([&] { form->AutoLoadClick(form.get()); });
  EXPECT_TRUE(form->AutoLoad.Checked());
  Choose(form->OpExit);
  EXPECT_FALSE(form->OpExit.Checked());
  env.app.Dispatch([&] { form->OpExitClick(form.get()); });
  EXPECT_FALSE(form->OpExit.Checked()) << "only its own item toggles it";
  EXPECT_TRUE(env.registry.Log().empty());
}

struct FirstRunTest : OptionsTest, ::testing::WithParamInterface<bool> {};

// A player that setup did not install has no reset files: the design's GM would stop every MIDI entry.
TEST_P(FirstRunTest, KeepsGmOnlyWithItsResetFile) {
  const bool gmFile = GetParam();
  firstRun = true;
  Construct();
  if (!gmFile) env.files.Delete("C:\\Reset\\Gm_reset.mid");
  Create();
  EXPECT_EQ(ResetType(), gmFile ? "GM" : "off");
  EXPECT_EQ(env.backend.ModalForms(), std::vector<std::string>{"FRegDlg"});
  // The file-type dialog reads the commands, the unnamed values of their keys.
  for (const std::string& line : env.registry.Log()) EXPECT_EQ(line, "read ") << "nothing of the options is read";
  EXPECT_FALSE(env.registry.KeyExists(kOptions));
}

INSTANTIATE_TEST_SUITE_P(GmFile, FirstRunTest, ::testing::Bool());

}  // namespace
