// Sorting: the paths in the user's locale order, letter case ignored; playing starts again at the top.
#include <algorithm>

#include "base/text.h"
#include "player/form_player.h"

namespace player {

void TFormPlayer::FileSortListClick(ui::TObject* sender) {
  HideRenameBox();
  // The popup's item stays on for an emptied list; there is nothing to sort or load then.
  if (PathList.empty()) return;
  ResetCounter();
  const os::Collation& collation = ui::Application().Services().collation;
  std::sort(PathList.begin(), PathList.end(),
            [&](const std::string& a, const std::string& b) { return collation.CompareText(a, b) < 0; });
  if (MIDIPlayer.Mode() == os::DeviceMode::Playing) MIDIPlayer.Stop();
  SongList.Clear();
  MIDIPlayer.Close();
  // The set of texts is unchanged, so the scroll range needs no new measure.
  for (const std::string& path : PathList) SongList.Add(base::NameAfterBackslash(path));
  CurrentIndex = 0;
  ResetCounter();
  LoadEntry(0);
  // The transport buttons follow, as after every other load: they are the record of what plays.
  StartOrStop(AutoPlay.Checked());
  MarkListChanged();
}

}  // namespace player
