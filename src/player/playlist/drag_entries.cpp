// Dragging over and dropping on the play list: an entry dragged to another place, files dragged from the
// file list inserted where they are dropped. The screen shows the drag pointer while the drag is over the
// list, which the refresh tick reads to scroll lists held at their edge.
#include "player/form_player.h"

namespace player {

void TFormPlayer::SongListMouseDown(ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift, int x,
                                    int y) {
  // The list has selected the pressed entry before it reports the press.
  DragIndex = SongList.ItemIndex();
  if (button == ui::TMouseButton::mbLeft && (shift & ui::ssAlt)) {
    EditFile.Tag = 1;
    PopRenameClick(sender);
    return;
  }
  EditFile.Tag = 0;
  if (button != ui::TMouseButton::mbRight) return;
  // So that the popup acts on the entry under the pointer.
  const int entry = SongList.ItemAtPos({x, y}, true);
  if (entry >= 0) SongList.SetItemIndex(entry);
}

// An entry may be dropped on a folder of the folder list, whose highlight then marks the target.
void TFormPlayer::SongListStartDrag(ui::TObject* sender) { DirectoryListBox.SetItemIndex(-1); }

void TFormPlayer::SongListDragOver(ui::TObject* sender, ui::TObject* source, int x, int y, ui::TDragState state,
                                   bool& accept) {
  accept = true;
  ui::TCursor pointer = ui::TCursor::crDrag;
  if (source == &FileListBox) {
    if (FileListBox.SelCount() > 1) pointer = ui::TCursor::crMultiDrag;
    FileListBox.DragCursor = pointer;
  }
  ui::TScreen& screen = ui::Application().Screen();
  if (screen.Cursor() != pointer) screen.SetCursor(pointer);

  if (state == ui::TDragState::dsDragLeave) {
    SongList.SetItemIndex(-1);
    for (ui::TControl* command : std::initializer_list<ui::TControl*>{&MoveFileUp, &MoveFileDown, &SpdMoveFile,
                                                                       &BtnRemove, &BtnKill})
      command->SetEnabled(false);
    return;
  }
  SongList.SetItemIndex(SongList.ItemAtPos({x, y}, true));
}

void TFormPlayer::SongListDragDrop(ui::TObject* sender, ui::TObject* source, int x, int y) {
  if (source != &FileListBox && source != &SongList) return;
  const int index = SongList.ItemAtPos({x, y}, false);
  if (index < 0) return;  // outside the client area
  if (source == &SongList) {
    MoveDraggedEntry(sender, index);
    return;
  }
  std::vector<std::string> paths, texts;
  for (int i = 0; i < FileListBox.Count(); ++i) {
    if (!FileListBox.Selected(i)) continue;
    paths.push_back(FileListBox.FilePath(i));
    texts.push_back(FileListBox.Item(i));
  }
  InsertDroppedFiles(index, paths, texts);
}

void TFormPlayer::MoveDraggedEntry(ui::TObject* sender, int index) {
  const int from = DragIndex;
  // A drag begun below the last entry, with nothing selected, carries no entry.
  if (from < 0 || from >= static_cast<int>(PathList.size())) return;
  if (index == from || index == from + 1) {
    SongList.SetItemIndex(from);
    SongListClick(sender);
    return;
  }
  if (CurrentIndex == from) {
    CurrentIndex = from < index ? index - 1 : index;
  } else if (from < CurrentIndex && CurrentIndex < index) {
    --CurrentIndex;
  } else if (index <= CurrentIndex && CurrentIndex < from) {
    ++CurrentIndex;
  }
  const std::string path = PathList[from], text = SongList.Item(from);
  InsertEntry(index, path, text);
  DeleteEntry(index < from ? from + 1 : from);
  SongList.SetItemIndex(from < index ? index - 1 : index);
  FinishDrop();
}

void TFormPlayer::SongListEndDrag(ui::TObject* sender, ui::TObject* target, int x, int y) {
  ui::Application().Screen().SetCursor(ui::TCursor::crDefault);
}

}  // namespace player
