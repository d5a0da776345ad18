// Files dropped on the play list, from the file list or from the shell: inserted one after another at the
// entry under the drop point (at the end below the last entry), the current entry keeping its file.
#include "base/text.h"
#include "player/form_player.h"
#include "player/playlist/busy.h"

namespace player {

void TFormPlayer::InsertDroppedFiles(int index, const std::vector<std::string>& paths,
                                     const std::vector<std::string>& texts) {
  if (paths.empty()) return;
  HourGlass busy;
  const bool hadEntries = !PathList.empty();
  const int count = static_cast<int>(paths.size());
  {
    ListUpdate update(SongList);
    // The first file of an empty list becomes current; the others follow it.
    for (int k = 0; k < count; ++k) AddFileEntry(index + k, paths[k], texts[k]);
  }
  EnableStepping();
  MeasureEntry("", true);
  if (hadEntries && CurrentIndex >= index) CurrentIndex += count;
  SongList.SetItemIndex(index + count - 1);
  FinishDrop();
}

void TFormPlayer::FinishDrop() {
  // All the selection's commands follow, not only up and down: a drag that left the list and came back
  // had switched the others off.
  SongListClick(&SongList);
  MarkListChanged();
  ui::Application().Screen().SetCursor(ui::TCursor::crDefault);
}

void TFormPlayer::SongListDropFiles(ui::TObject* sender, const std::vector<std::string>& files, int x, int y) {
  os::FileSystem& fileSystem = ui::Application().Services().files;
  std::vector<std::string> paths, texts;
  for (const std::string& file : files) {
    if (fileSystem.FolderExists(file)) continue;
    paths.push_back(file);
    texts.push_back(base::DisplayName(file));
  }
  const int index = SongList.ItemAtPos({x, y}, false);
  InsertDroppedFiles(index < 0 ? SongList.Count() : index, paths, texts);
}

}  // namespace player
