// The folder the file box shows. Until the file box has a folder list of its own, that folder is the
// process's current folder, in which the file box starts.
#include "player/form_player.h"

namespace player {

std::string TFormPlayer::FileBoxFolder() { return ui::Application().Services().files.GetCurrentFolder(); }

void TFormPlayer::ShowFolderInFileBox(const std::string& folder) {
  if (folder.empty()) return;
  // A folder that no longer exists leaves the file box in the folder it started in; start-up goes on.
  ui::Application().Services().files.SetCurrentFolder(folder);
}

}  // namespace player
