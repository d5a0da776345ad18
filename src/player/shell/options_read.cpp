// Start-up reads of the installation folder and of the options, each value applied as it is read, in
// the order they are stored. A value that cannot be read ends the reading; what was read keeps its effect.
#include <cstdint>

#include "player/form_player.h"
#include "player/shell/player_keys.h"

namespace player {

void TFormPlayer::ReadProgramFolder() {
  os::Registry& registry = ui::Application().Services().registry;
  if (!registry.KeyExists(kFolderKey)) return;
  ProgramFolder = RegistryValues(registry, kFolderKey).ReadString("");
}

bool TFormPlayer::ResetFileExists(const char* name) {
  return ui::Application().Services().files.FileExists(ProgramFolder + "\\Reset\\" + name);
}

void TFormPlayer::CheckResetType(ui::TMenuItem* type) {
  for (ui::TMenuItem* item : {&GM, &GS, &XG}) {
    item->SetEnabled(type != nullptr);
    item->SetChecked(item == type);
  }
}

void TFormPlayer::CheckDesignResetType() {
  // A player not installed by setup has no reset files: GM as designed would block every MIDI entry.
  if (GM.Checked() && !ResetFileExists("Gm_reset.mid")) CheckResetType(nullptr);
}

void TFormPlayer::ReadOptions(RegistryValues& options) {
  SetTop(options.ReadInteger("Top"));
  SetLeft(options.ReadInteger("Left"));
  CheckTwins(PlayList, PlayList1, options.ReadBool("PlayList"));
  CheckTwins(FileBox, FileBox1, options.ReadBool("FileBox"));
  CheckTwins(TrackB, TrackB1, options.ReadBool("TrackBar"));
  CheckTwins(Menu, Menu1, options.ReadBool("Menu"));
  // The popup menu's twin follows once the file box's state is known.
  Counter.SetChecked(options.ReadBool("Counter"));
  WindowHidden = options.ReadBool("Hide");
  TimeCount.Tag = options.ReadBool("TimeCount") ? 1 : 0;
  CheckTwins(StayOnTop, StayOnTop1, options.ReadBool("StayOnTop"));
  AutoPlay.SetChecked(options.ReadBool("AutoPlay"));

  // Loop, Repeat and Random exclude each other: the first one stored as on wins, the rest are not read.
  LoopPlay.SetChecked(options.ReadBool("LoopPlay"));
  if (LoopPlay.Checked()) {
    LoopPlayClick(this);
  } else {
    RepeatPlay.SetChecked(options.ReadBool("RepeatPlay"));
    if (RepeatPlay.Checked()) {
      RepeatPlayClick(this);
    } else {
      RandomPlay.SetChecked(options.ReadBool("RandomPlay"));
      if (RandomPlay.Checked()) {
        RandomPlayClick(this);
      } else {
        for (ui::TLabel* label : {&LblRandom, &LblRepeat, &LblLoop}) label->SetFontColor(ui::clGray);
      }
    }
  }
  ShufflePlay.SetChecked(options.ReadBool("ShufflePlay"));
  if (ShufflePlay.Checked()) ShufflePlayClick(this);

  // The first reset type stored as on whose file exists wins; without one the three items go off.
  if (options.ReadBool("GM") && ResetFileExists("Gm_reset.mid")) {
    CheckResetType(&GM);
  } else if (options.ReadBool("GS") && ResetFileExists("Gs_reset.mid")) {
    CheckResetType(&GS);
  } else if (options.ReadBool("XG") && ResetFileExists("Xg_reset.mid")) {
    CheckResetType(&XG);
  } else {
    CheckResetType(nullptr);
  }

  AutoLoad.SetChecked(options.ReadBool("AutoLoad"));
  if (options.Exists("AutoLoadList")) LastListFileName = options.ReadString("AutoLoadList");
  if (options.Exists("ListDirectory")) OpenDialogFolder = options.ReadString("ListDirectory");
  OpExit.SetChecked(options.ReadBool("OpExit"));
  LastOne = options.ReadInteger("LastOne");
  SetFileBoxFolder(options.ReadString("MIDIDirectory"));
  // Both are kept in 16 bits: larger values come back as their low 16 bits, sign included.
  SkipSeconds = static_cast<std::int16_t>(options.ReadInteger("SKIP"));
  WaitSeconds = static_cast<std::int16_t>(options.ReadInteger("WAIT"));
}

}  // namespace player
