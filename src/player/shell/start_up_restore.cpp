// The start-up restore: the installation folder, the options and the state that follows from them.
// Without an options key this is the first run, which shows the file-type registration instead.
#include "player/form_player.h"
#include "player/shell/player_keys.h"

namespace player {

bool TFormPlayer::RestoreAtStartUp() {
  ReadProgramFolder();
  os::Registry& registry = ui::Application().Services().registry;
  if (!registry.KeyExists(kOptionsKey)) {
    CheckDesignResetType();
    FileRegistrationClick(this);
    return false;
  }
  RegistryValues options(registry, kOptionsKey);
  try {
    ReadOptions(options);
  } catch (...) {
    // The window agrees with the marks that were read; the history and the command line are left.
    ShowRestoredState();
    throw;
  }
  LoadListHistory();
  SaveDialogFolder = OpenDialogFolder;
  ShowRestoredState();
  return true;
}

void TFormPlayer::ShowRestoredState() {
  AutoPlayClick(this);
  // The counter is on while the file box is; otherwise the popup menu's twin follows the main menu.
  if (FileBox.Checked()) {
    CheckTwins(Counter, Counter1, true);
  } else {
    Counter1.SetChecked(Counter.Checked());
  }
  // The order counts: each call places parts from where the calls before it left them.
  PlayListClick(this);
  TrackBClick(this);
  FileBoxClick(this);
  if (!FileBox.Checked()) CounterClick(this);
  MenuClick(this);
  TimeLabelClick(this);
  BringBackOnScreen();
}

}  // namespace player
