// The events of the file operations, the Play Control dialog and the About box.
#include "player/form_player.h"

namespace player {

void TFormPlayer::BindFileOperationEvents() {
  PopRename.OnClick = [this](ui::TObject* sender) { PopRenameClick(sender); };
  EditFile.OnKeyPress = [this](ui::TObject* sender, char& key) { EditFileKeyPress(sender, key); };
  EditFile.OnKeyDown = [this](ui::TObject* sender, std::uint16_t& key, ui::TShiftState shift) {
    EditFileKeyDown(sender, key, shift);
  };
  EditFile.OnExit = [this](ui::TObject* sender) { EditFileExit(sender); };
  SongList.OnVScroll = [this](ui::TObject* sender, controls::TScrollCode code, int& scrollPos) {
    SongListVScroll(sender, code, scrollPos);
  };
  SongList.OnHScroll = [this](ui::TObject* sender, controls::TScrollCode code, int& scrollPos) {
    SongListHScroll(sender, code, scrollPos);
  };

  PopDelete.OnClick = [this](ui::TObject* sender) { PopDeleteClick(sender); };
  BtnKill.OnClick = PopDelete.OnClick;

  // One handler opens the folder dialog in the mode of whichever command the user chose.
  SpdMoveAllFiles.OnClick = [this](ui::TObject* sender) { SpdMoveAllFilesClick(sender); };
  MoveAllFilesTo.OnClick = SpdMoveAllFiles.OnClick;
  SpdMoveFile.OnClick = SpdMoveAllFiles.OnClick;
  MoveFileTo.OnClick = SpdMoveAllFiles.OnClick;
  PopNewFolder.OnClick = SpdMoveAllFiles.OnClick;
  PopDeleteFolder.OnClick = [this](ui::TObject* sender) { PopDeleteFolderClick(sender); };
  DirectoryListBox.OnDragOver = [this](ui::TObject* sender, ui::TObject* source, int x, int y, ui::TDragState state,
                                       bool& accept) { DirectoryListBoxDragOver(sender, source, x, y, state, accept); };
  DirectoryListBox.OnDragDrop = [this](ui::TObject* sender, ui::TObject* source, int x, int y) {
    DirectoryListBoxDragDrop(sender, source, x, y);
  };

  PlayControl.OnClick = [this](ui::TObject* sender) { PlayControlClick(sender); };
  HelpAbout.OnClick = [this](ui::TObject* sender) { HelpAboutClick(sender); };
}

}  // namespace player
