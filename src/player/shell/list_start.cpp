// A play list at start-up: the list file named on the command line, or the list that was open when
// the options were last saved, started at its stored entry when it is that same list.
#include "base/text.h"
#include "player/form_player.h"

namespace player {

void TFormPlayer::ListFileStart(const std::string& file) {
  const std::string stored = LastListFileName;
  LastListFileName = file;
  RecordListInHistory(file);
  ListFileName = file;
  EnableOpenedListCommands();
  FileListBoxClick(this);
  ClearEntries();
  SongList.SetEnabled(true);
  ReadOpenedList(file);
  std::vector<std::string> texts;
  texts.reserve(PathList.size());
  for (const std::string& path : PathList) texts.push_back(base::NameAfterBackslash(path));
  SongList.Assign(std::move(texts));
  const int count = static_cast<int>(PathList.size());
  if (RandomPlay.Checked()) {
    CurrentIndex = random_.Index(count);
  } else {
    CurrentIndex = file == stored && LastOne >= 0 && LastOne < count ? LastOne : 0;
  }
  LoadStartEntry();
}

void TFormPlayer::AutoLoadLastList() {
  if (!AutoLoad.Checked() || LastListFileName == "*.mpl") return;
  // The list loaded is attached, so the menu does not offer it.
  std::vector<std::string> recent = RecentCaptions();
  if (!recent.empty() && recent.front() == LastListFileName) {
    recent.erase(recent.begin());
    ShowRecentCaptions(recent);
  }
  ListFileName = LastListFileName;
  EnableOpenedListCommands();
  FileListBoxClick(this);
  ClearEntries();
  SongList.SetEnabled(true);
  ReadOpenedList(LastListFileName);
  FillDisplayFromPaths(true);
  const int count = static_cast<int>(PathList.size());
  if (RandomPlay.Checked() || ShufflePlay.Checked()) {
    CurrentIndex = random_.Index(count);
  } else {
    CurrentIndex = LastOne >= 0 && LastOne < count ? LastOne : 0;
  }
  LoadStartEntry();
}

void TFormPlayer::LoadStartEntry() {
  if (PathList.empty()) {
    // A list file without entries stays attached, empty, as after Clear List: nothing to load.
    FileClearListClick(this);
    return;
  }
  ResetCounter();
  LoadEntry(CurrentIndex);
  // The push buttons follow the selection, which the load has made.
  if (PathList.size() > 1) {
    SpdBtnPrev.SetEnabled(true);
    SpdBtnNext.SetEnabled(true);
    FileSortList.SetEnabled(true);
  }
  if (AutoPlay.Checked()) {
    ShowPlayingButtons();
    SpdBtnBack.SetEnabled(true);
    SpdBtnStep.SetEnabled(true);
    Start();
  } else {
    SpdBtnPlay.SetEnabled(true);
  }
}

}  // namespace player
