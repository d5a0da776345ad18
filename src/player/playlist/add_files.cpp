// Adding files of the file box at the end of the play list: the double-clicked one (or the one Enter
// was pressed on), the selected ones, or all of them, in the file box's order.
#include "base/text.h"
#include "player/form_player.h"
#include "player/playlist/busy.h"

namespace player {

void TFormPlayer::FileListBoxDblClick(ui::TObject* sender) {
  const int focused = FileListBox.ItemIndex();
  if (focused < 0 || !FileListBox.Selected(focused)) return;
  HourGlass busy;
  MarkListChanged();
  if (!SongList.Enabled()) SongList.SetEnabled(true);
  const std::string path = FileListBox.FilePath(focused);
  const std::string text = base::DisplayName(path);
  AddFileEntry(-1, path, text);
  EnableStepping();
  SongList.SetItemIndex(SongList.Count() - 1);
  MeasureEntry(text, true);
  SongListClick(sender);
}

void TFormPlayer::FileListBoxKeyDown(ui::TObject* sender, std::uint16_t& key, ui::TShiftState shift) {
  if (key == ui::vkReturn) FileListBoxDblClick(sender);
}

void TFormPlayer::BtnAddFileClick(ui::TObject* sender) { AddFileBoxFiles(sender, false); }

void TFormPlayer::BtnAddAllClick(ui::TObject* sender) { AddFileBoxFiles(sender, true); }

void TFormPlayer::AddFileBoxFiles(ui::TObject* sender, bool all) {
  if (FileListBox.Count() == 0) {
    DirectoryListBox.SetFocus();
    return;
  }
  // With no file selected there is nothing to add, and the list has not changed.
  if (!all && FileListBox.SelCount() == 0) return;
  HourGlass busy;
  MarkListChanged();
  {
    ListUpdate update(SongList);
    for (int i = 0; i < FileListBox.Count(); ++i)
      if (all || FileListBox.Selected(i)) AddFileEntry(-1, FileListBox.FilePath(i), FileListBox.Item(i));
  }
  EnableStepping();
  MeasureEntry("", true);
  SongList.SetItemIndex(SongList.Count() - 1);
  SongListClick(sender);
}

}  // namespace player
