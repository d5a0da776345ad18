#include "started_player.h"

#include "fuzz_check.h"
#include "player/shell/player_keys.h"
#include "player/shell/program_entry.h"
#include "support/player_options.h"

namespace fuzzing {

StartedPlayer::StartedPlayer(bool firstRun) {
  env.registry.CreateKey(player::kFolderKey);
  env.registry.WriteString(player::kFolderKey, "", kProgramFolder);
  for (const char* reset : {"Gm_reset.mid", "Gs_reset.mid", "Xg_reset.mid"}) {
    const std::string path = std::string(kProgramFolder) + "\\Reset\\" + reset;
    env.files.AddFile(path, "MThd");
    env.media.AddFile(path, 50);
  }
  const char* const songs[] = {"C:\\Songs\\Harbour.mid", "C:\\Songs\\Rain.wav", "C:\\Songs\\Clip.avi"};
  std::string list;
  for (const char* song : songs) {
    env.files.AddFile(song, "data");
    env.media.AddFile(song, 1000);
    list += std::string(song) + "\r\n";
  }
  env.files.AddFile(kListFile, list);
  if (!firstRun) testing_support::StoredOptions().Store(env.registry);
}

void StartedPlayer::Start(std::vector<std::string> words) {
  player::ReadHideOption(env.app);
  player::NameApplication(env.app);
  form = std::make_unique<player::TFormPlayer>(std::move(words), random);
  // The refresh timer's worker is a real thread: slowed down, it ticks in no run.
  form->ThreadedTimer.SetInterval(60000);
  player::CreateMainWindow(env.app, *form);
  if (env.app.ShowMainForm) form->SetVisible(true);
  env.loop.Advance(5000);
}

void StartedPlayer::Click(ui::TControl& control) {
  if (control.Enabled()) env.app.Dispatch([&] { control.Click(); });
}

void StartedPlayer::Choose(ui::TMenuItem& item) {
  if (item.Enabled()) env.app.Dispatch([&] { item.Click(); });
}

void StartedPlayer::Exit() { Choose(form->FileExit); }

void StartedPlayer::ExpectOnlyKnownBoxes() const {
  // The player's own messages, those of the file box's folders and the media device's error texts, as
  // a beginning and a part that follows it.
  static constexpr struct {
    std::string_view start, then;
  } kKnown[] = {
      {"Cannot open file ", ""}, {"Cannot create file ", ""}, {"This file does not exist!", ""},
      {"Save list now?", ""}, {"This list has been changed. Save it now?", ""},
      {"Failed to get data for '", "'."}, {"Invalid data type for '", "'."}, {"Failed to set data for '", "'."},
      {"Drive ", " is not ready."}, {"Drive ", " does not exist."}, {"Folder ", " does not exist."},
      {"Cannot read folder ", ""}, {"\"", "\" is not a valid folder name."},
      {"Invalid MCI device ID.", ""}, {"Cannot find the specified file.", ""},
      {"Cannot determine the device type from the given filename extension.", ""},
      {"The specified parameter is out of range for the specified command.", ""},
      {"The current MIDI Mapper setup refers to a MIDI device that is not installed on the system.", ""}};
  for (const auto& box : env.backend.Boxes()) {
    const std::string_view text = box.text;
    bool known = false;
    for (const auto& [start, then] : kKnown) {
      known = known || (text.starts_with(start) && text.find(then, start.size()) != std::string_view::npos);
    }
    if (!known) Fail("unexpected message box: \"" + box.text + "\" (" + box.caption + ")");
  }
}

}  // namespace fuzzing
