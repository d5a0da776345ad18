// Choosing, loading and starting the entry that follows the one that ended, by play mode.
#include "base/text.h"
#include "player/form_player.h"
#include "player/playlist/list_file_reader.h"

namespace player {

bool TFormPlayer::ConsumeShuffledEntry(int index) {
  DeleteEntry(index);
  if (PathList.size() == 1) {
    SpdBtnPrev.SetEnabled(false);
    SpdBtnNext.SetEnabled(false);
  }
  if (!PathList.empty()) return true;
  if (ListFileName != "*.mpl") {
    RereadShuffledList();
  } else {
    ListChanged = 0;
    FileClearListClick(this);
  }
  return false;
}

void TFormPlayer::AdvanceAfterEnd() {
  const int count = static_cast<int>(PathList.size());
  const int i = CurrentIndex;
  // After editing the current index may name no entry; nothing follows then.
  if (i < 0 || i >= count) return;
  const bool shuffle = ShufflePlay.Checked();
  const bool random = RandomPlay.Checked() || shuffle;

  if (RepeatPlay.Checked()) {
    MIDIPlayer.Rewind();
    ResetCounter();
    LoadEntry(i);
    Start();
    return;
  }

  if (MIDIPlayer.Mode() == os::DeviceMode::Playing) MIDIPlayer.Close();
  const bool last = i == count - 1;
  if (shuffle && !ConsumeShuffledEntry(i)) return;
  if (random) {
    CurrentIndex = random_.Index(static_cast<int>(PathList.size()));
  } else {
    CurrentIndex = last ? 0 : i + 1;
  }
  ResetCounter();
  LoadEntry(CurrentIndex);
  // Without Loop or a random mode the list ends after its last entry: the first one waits, loaded.
  if (!last || LoopPlay.Checked() || random) {
    Start();
  } else {
    ShowStoppedButtons();
  }
}

void TFormPlayer::RereadShuffledList() {
  try {
    PathList = ReadListFile(ui::Application().Services().files, LastListFileName);
  } catch (...) {
    // The list stays empty and the player as after Clear List; the error still goes to the error box.
    FileClearListClick(this);
    throw;
  }
  for (std::size_t n = 0; n < PathList.size(); ++n) {
    SongList.Add(base::DisplayName(PathList[n]));
    if (n == 0 && !FileSaveList.Enabled()) ActivateFirstEntry();
  }
  EnableStepping();
  if (PathList.empty()) {
    FileClearListClick(this);
    return;
  }
  SongList.SetItemIndex(0);
  CurrentIndex = random_.Index(static_cast<int>(PathList.size()));
  ResetCounter();
  LoadEntry(CurrentIndex);
  if (LoopPlay.Checked()) {
    Start();
  } else {
    ShowStoppedButtons();
  }
}

}  // namespace player
