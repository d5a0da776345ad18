// Open List, and what every way of opening a list file shares: the list commands it enables, and
// the start at its first (or a random) entry.
#include "base/text.h"
#include "player/form_player.h"
#include "player/playlist/list_file_reader.h"

namespace player {

namespace {

// The end of Open List, reached however it ends.
class OpenFinish {
 public:
  explicit OpenFinish(TFormPlayer& form) : form_(form) {}
  ~OpenFinish() {
    form_.BtnAddFile.SetEnabled(false);
    ui::Application().Screen().SetCursor(ui::TCursor::crDefault);
  }
  OpenFinish(const OpenFinish&) = delete;
  OpenFinish& operator=(const OpenFinish&) = delete;

 private:
  TFormPlayer& form_;
};

}  // namespace

void TFormPlayer::FileOpenListClick(ui::TObject* sender) {
  HideRenameBox();
  if (!ConfirmSaveChangedList()) return;
  OpenFinish finish(*this);
  const std::optional<std::string> chosen = AskListFileToOpen();
  if (!chosen) return;
  LastListFileName = *chosen;
  // Exactly ".mpl": a name in capitals is refused too, and stays offered by the next dialog.
  if (base::FileExtension(LastListFileName) != ".mpl") {
    ui::Application().ShowMessageBox(
        "You can only open a play list file (*.mpl).\nTo play mid, rmi, avi and wav files, simply double click "
        "them in the file box.",
        "Error - Play List File Type", ui::mbOK | ui::mbIconError);
    return;
  }
  ui::Application().Screen().SetCursor(ui::TCursor::crHourGlass);
  EnableOpenedListCommands();
  StopPlayingDevice();
  ClearEntries();
  SongList.SetEnabled(true);
  ReturnListToRecent();
  ReadOpenedList(LastListFileName);
  RecordListInHistory(LastListFileName);
  ListFileName = LastListFileName;
  ShowOpenedList();
}

void TFormPlayer::EnableOpenedListCommands() {
  for (ui::TControl* button : std::initializer_list<ui::TControl*>{&SpdBtnPrev, &SpdBtnNext, &SpdBtnStop,
                                                                    &SpdBtnPause})
    button->SetEnabled(false);
  for (ui::TMenuItem* item : {&FileCloseList, &FileSaveListAs, &SaveListAs1, &FileClearList, &FileSaveList,
                              &SaveList1})
    item->SetEnabled(true);
  for (ui::TControl* button : std::initializer_list<ui::TControl*>{&SpdBtnClose, &SpeedBtnSave, &SpdBtnBack,
                                                                    &SpdBtnStep})
    button->SetEnabled(true);
}

void TFormPlayer::ReadOpenedList(const std::string& fileName) {
  try {
    PathList = ReadListFile(ui::Application().Services().files, fileName);
  } catch (...) {
    // The list has been emptied: nothing may be saved over the file that was attached before unless the
    // user names it again, so the player is left as after Close List. The error still goes to the box.
    CloseList();
    throw;
  }
}

void TFormPlayer::ShowOpenedList() {
  ResetHorizontalExtent(0);
  FillDisplayFromPaths(true);
  if (PathList.empty()) {
    // A list file without entries stays attached, empty, as after Clear List: nothing to load.
    FileClearListClick(this);
    return;
  }
  const int count = static_cast<int>(PathList.size());
  CurrentIndex = RandomPlay.Checked() || ShufflePlay.Checked() ? random_.Index(count) : 0;
  ResetCounter();
  LoadEntry(CurrentIndex);
  if (AutoPlay.Checked()) {
    ShowPlayingButtons();
    SpdBtnStep.SetEnabled(true);
    SpdBtnBack.SetEnabled(true);
    Start();
  } else {
    SpdBtnPlay.SetEnabled(true);
  }
  if (count > 1) {
    SpdBtnNext.SetEnabled(true);
    SpdBtnPrev.SetEnabled(true);
    FileSortList.SetEnabled(true);
  }
  FileClearList.SetEnabled(true);
}

}  // namespace player
