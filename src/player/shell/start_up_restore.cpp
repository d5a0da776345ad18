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
    if (RunFileRegistration) RunFileRegistration();
    return false;
  }
  RegistryValues options(registry, kOptionsKey);
  ReadOptions(options);
  AutoPlayClick(this);
  SaveDialogFolder = OpenDialogFolder;
  return true;
}

}  // namespace player
