// Storing the options: "Save Options Now!", the Save Options button and the exit with "Save Options
// on Exit"; the two option items that are only toggled here.
#include "player/form_player.h"
#include "player/shell/player_keys.h"

namespace player {

namespace {

// The text up to and including the last backslash or colon.
std::string FolderPart(const std::string& path) {
  const auto cut = path.find_last_of("\\:");
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

}  // namespace

void TFormPlayer::SaveOptionsClick(ui::TObject* sender) {
  os::Registry& registry = ui::Application().Services().registry;
  // A key that cannot be created fails at its first write, which names the value.
  registry.CreateKey(kPlayerKey);
  RegistryValues(registry, kPlayerKey).WriteString("", "MIDI Tunora Configuration Key");
  registry.CreateKey(kOptionsKey);
  RegistryValues options(registry, kOptionsKey);
  options.WriteInteger("Top", Top());
  options.WriteInteger("Left", Left());
  options.WriteBool("FileBox", FileBox.Checked());
  options.WriteBool("PlayList", PlayList.Checked());
  options.WriteBool("TrackBar", TrackB.Checked());
  options.WriteBool("Menu", Menu.Checked());
  options.WriteBool("Counter", Counter.Checked());
  options.WriteBool("Hide", WindowHidden);
  options.WriteBool("TimeCount", TimeCount.Tag != 0);
  options.WriteBool("StayOnTop", StayOnTop.Checked());
  options.WriteBool("AutoPlay", AutoPlay.Checked());
  options.WriteBool("LoopPlay", LoopPlay.Checked());
  options.WriteBool("RepeatPlay", RepeatPlay.Checked());
  options.WriteBool("RandomPlay", RandomPlay.Checked());
  options.WriteBool("ShufflePlay", ShufflePlay.Checked());
  options.WriteBool("GM", GM.Checked());
  options.WriteBool("GS", GS.Checked());
  options.WriteBool("XG", XG.Checked());
  options.WriteBool("AutoLoad", AutoLoad.Checked());
  options.WriteBool("OpExit", OpExit.Checked());
  // Without a history the list stored earlier stays the one loaded at the next start.
  if (!ListHistory.empty()) {
    options.WriteString("AutoLoadList", ListHistory.front());
    options.WriteString("ListDirectory", FolderPart(ListHistory.front()));
  }
  options.WriteInteger("LastOne", CurrentIndex);
  options.WriteString("MIDIDirectory", FileBoxFolder());
  options.WriteInteger("SKIP", static_cast<std::int16_t>(SkipSeconds));
  options.WriteInteger("WAIT", static_cast<std::int16_t>(WaitSeconds));
}

void TFormPlayer::StoreOpExitOnly() {
  os::Registry& registry = ui::Application().Services().registry;
  if (registry.KeyExists(kOptionsKey)) RegistryValues(registry, kOptionsKey).WriteBool("OpExit", false);
}

void TFormPlayer::AutoLoadClick(ui::TObject* sender) { AutoLoad.SetChecked(!AutoLoad.Checked()); }

void TFormPlayer::OpExitClick(ui::TObject* sender) {
  if (sender == &OpExit) OpExit.SetChecked(!OpExit.Checked());
}

}  // namespace player
