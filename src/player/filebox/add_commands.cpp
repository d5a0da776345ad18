// The add buttons and the file list popup's add items follow what the file list shows and selects.
#include "player/form_player.h"

namespace player {

void TFormPlayer::FileListBoxClick(ui::TObject* sender) {
  const bool listed = FileListBox.Count() > 0;
  BtnAddFile.SetEnabled(listed && FileListBox.SelCount() > 0);
  BtnAddAll.SetEnabled(listed);
}

void TFormPlayer::PopupFileBoxPopup(ui::TObject* sender) {
  PopupAddFile.SetEnabled(FileListBox.SelCount() > 0);
  PopupAddAll.SetEnabled(FileListBox.Count() > 0);
}

}  // namespace player
