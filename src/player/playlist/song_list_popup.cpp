// The play list's popup menu: its items follow the list and its selection when it opens; Goto Current
// and Show File Path are its own commands.
#include "player/form_player.h"

namespace player {

void TFormPlayer::PopupSongListPopup(ui::TObject* sender) {
  HideRenameBox();
  const bool entries = !PathList.empty();
  const bool selected = entries && SongList.ItemIndex() >= 0;
  // With entries but no selection, Goto Current keeps the state it had.
  if (!entries || selected) PopGoto.SetEnabled(selected);
  for (ui::TMenuItem* item : {&PopShowFilePath, &PopRemove, &MoveFileTo, &PopRename, &PopDelete})
    item->SetEnabled(selected);
  for (ui::TMenuItem* item : {&PopClearList, &PopSortList, &MoveAllFilesTo}) item->SetEnabled(entries);
}

void TFormPlayer::GotoCurrent1Click(ui::TObject* sender) {
  if (CurrentIndex < 0 || CurrentIndex >= SongList.Count()) return;
  SongList.SetItemIndex(CurrentIndex);
  SelectEntryByText(CurrentIndex - 1, SongList.Item(CurrentIndex));
}

void TFormPlayer::PopShowFilePathClick(ui::TObject* sender) {
  const int selected = SongList.ItemIndex();
  if (selected < 0) return;
  const std::string& path = PathList.at(selected);
  ui::TApplication& application = ui::Application();
  if (!application.Services().files.FileExists(path)) {
    application.ShowMessageBox("This file does not exist!", "Error - Find File", ui::mbIconError | ui::mbTopMost);
  } else {
    application.ShowMessageBox("File path:\n" + path, "Information - File Path",
                           ui::mbIconInformation | ui::mbTopMost);
  }
}

}  // namespace player
