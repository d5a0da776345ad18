// One file from the file box or the shell joins the play list: measured for the scroll range without
// applying it, and made current when it is the first entry of an empty list.
#include "player/form_player.h"

namespace player {

void TFormPlayer::AddFileEntry(int index, const std::string& path, const std::string& text) {
  if (index < 0) {
    AppendEntry(path, text);
  } else {
    InsertEntry(index, path, text);
  }
  MeasureEntry(text, false);
  // Save List is off exactly while the list had no entries.
  if (PathList.size() == 1 && !FileSaveList.Enabled()) ActivateFirstEntry();
}

}  // namespace player
