// Kill This File!: the selected entry's file deleted from the disk after a warning, read-only or not,
// then the entry removed so that the current index keeps naming the loaded file.
#include "base/text.h"
#include "player/form_player.h"

namespace player {

namespace {

constexpr const char* kDeleteTitle = "Error - Delete file ";

}  // namespace

void TFormPlayer::PopDeleteClick(ui::TObject* sender) {
  const int i = SongList.ItemIndex();
  if (i < 0 || i >= static_cast<int>(PathList.size())) return;
  const std::string path = PathList[i];
  const int answer = ui::Application().ShowMessageBox(
      "Do you really want to delete '" + base::NameAfterBackslash(path) +
          "'?\nYou will lose this file forever if you press 'Yes'!\n"
          "Advice: Press 'No' then remove this file from the play list.",
      "Warning - Delete file", ui::mbYesNo | ui::mbIconWarning | ui::mbDefButton2);
  if (answer != ui::mrYes) return;
  if (!DeleteEntryFile(path)) return;

  if (PathList.size() == 1) {
    FileClearListClick(this);
    RereadFileList();
    SaveNamedList();
    return;
  }
  RemoveDeletedEntry(i);
  SongListClick(sender);
  RereadFileList();
  MarkListChanged();
  SaveNamedList();
}

bool TFormPlayer::DeleteEntryFile(const std::string& path) {
  os::FileSystem& files = ui::Application().Services().files;
  os::FileAttributes attributes = os::FileAttributes::None;
  const bool attributesRead = files.GetAttributes(path, attributes) == os::FileError::None;
  // A read-only file goes too: the user has said so.
  if (attributesRead) files.SetAttributes(path, os::FileAttributes::None);
  const os::FileError error = files.Delete(path);
  if (error == os::FileError::None) return true;
  // The file stays, as it was.
  if (attributesRead) files.SetAttributes(path, attributes);
  std::string text;
  switch (error) {
    case os::FileError::AccessDenied:
    case os::FileError::SharingViolation:
      text = "Permission denied! Check if the file is playing, opened or on a read-only device.";
      break;
    case os::FileError::NotFound:
    case os::FileError::PathNotFound:
      text = "No such a file! This file may have been deleted or renamed.";
      break;
    default:
      text = "Cannot delete '" + base::NameAfterBackslash(path) + "'.";
      break;
  }
  ui::Application().ShowMessageBox(text, kDeleteTitle, ui::mbIconError);
  return false;
}

void TFormPlayer::RemoveDeletedEntry(int index) {
  const int count = static_cast<int>(PathList.size());
  if (count == 2) {
    SpdBtnNext.SetEnabled(false);
    SpdBtnPrev.SetEnabled(false);
  }
  if (index != CurrentIndex) {
    DeleteEntry(index);
    if (index < CurrentIndex) --CurrentIndex;
    SongList.SetItemIndex(index == count - 1 ? index - 1 : index);
    return;
  }

  // The loaded file has gone: another entry takes its place on the device.
  ResetCounter();
  if (MIDIPlayer.IsOpen() && MIDIPlayer.Mode() == os::DeviceMode::Playing) MIDIPlayer.Close();
  if (index == count - 1) {
    DeleteEntry(index);
    CurrentIndex = 0;
    ResetCounter();
    SongList.SetItemIndex(0);
    SongListClick(this);
    LoadEntry(0);
    StartOrStop(LoopPlay.Checked());
    return;
  }
  LoadEntry(index + 1);
  StartOrStop(AutoPlay.Checked());
  DeleteEntry(index);
  SongList.SetItemIndex(CurrentIndex);
}

}  // namespace player
