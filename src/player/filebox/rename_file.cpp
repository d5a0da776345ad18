// Renaming an entry's file in place: the rename box opens over the entry with its name, and Enter
// renames the file on the disk, then the entry, the caption and a named list follow. The box closes
// without renaming on Esc, when it loses the focus, and whenever the list changes under it.
#include "base/text.h"
#include "player/form_player.h"

namespace player {

namespace {

constexpr const char* kRenameTitle = "Error - Rename file";
// The longest full path a file can have, its terminating null not counted.
constexpr std::size_t kMaxPathLength = 259;

void ShowRenameError(const std::string& text) {
  ui::Application().ShowMessageBox(text, kRenameTitle, ui::mbIconError);
}

// The write-permission test of the runtime library: the attributes can be read and the file is not
// read-only. "" when the file may be renamed.
std::string PermissionRefusal(os::FileSystem& files, const std::string& path) {
  os::FileAttributes attributes = os::FileAttributes::None;
  switch (files.GetAttributes(path, attributes)) {
    case os::FileError::None:
      if (!os::Has(attributes, os::FileAttributes::ReadOnly)) return "";
      [[fallthrough]];
    case os::FileError::AccessDenied:
    case os::FileError::SharingViolation:
      return "Permission denied! You cannot write to this file.";
    case os::FileError::NotFound:
    case os::FileError::PathNotFound:
      return "The file is not there. What have you done to it?!\n"
             "Have you deleted, moved or renamed the file and its path?";
    default:
      return "How did you get here!?";
  }
}

std::string MoveFailure(os::FileError error) {
  switch (error) {
    case os::FileError::NotFound:
    case os::FileError::PathNotFound:
      return "No such a file! This file may have been deleted or renamed.";
    case os::FileError::DifferentDevice:
      return "Not same device!";
    case os::FileError::Exists:
      return "Permission denied! Same name file already exists.";
    default:
      return "How did you reach here?";
  }
}

}  // namespace

void TFormPlayer::BuildRenameBox() {
  EditFile.SetParent(&PanelSongList);
  EditFile.SetVisible(false);
  EditFile.SetHint("Type the new name (including extension)");
  EditFile.SetColor(ui::clBtnFace);
  EditFile.SetCtl3D(false);
  EditFile.OEMConvert = true;
}

void TFormPlayer::PopRenameClick(ui::TObject* sender) {
  const int i = SongList.ItemIndex();
  if (i < 0) return;
  const std::string text = SongList.Item(i);
  SelectEntryByText(i - 1, text);
  EditFile.SetBounds(SongList.Left() + 2, SongList.ItemRect(i).top + 5, SongList.ClientWidth(), 14);
  EditFile.SetVisible(true);
  EditFile.SetText(text);
  EditFile.SetFocus();
}

void TFormPlayer::EditFileKeyPress(ui::TObject* sender, char& key) {
  if (EditFile.Height() == 18) return;
  EditFile.SetBounds(EditFile.Left(), EditFile.Top() - 2, EditFile.Width(), 18);
}

void TFormPlayer::EditFileKeyDown(ui::TObject* sender, std::uint16_t& key, ui::TShiftState shift) {
  // A key that reaches the box after it closed renames nothing.
  if (!EditFile.Visible()) return;
  if (key == ui::vkEscape) {
    EditFile.Tag = 0;
    HideRenameBox();
    key = 0;
  } else if (key == ui::vkReturn) {
    key = 0;
    RenameSelectedEntry();
    // Whatever came of it, the box has closed over the list, which takes the keys again.
    if (SongList.CanFocus()) SongList.SetFocus();
  }
}

void TFormPlayer::EditFileExit(ui::TObject* sender) { HideRenameBox(); }

void TFormPlayer::ApplicationDeactivate(ui::TObject* sender) { HideRenameBox(); }

void TFormPlayer::SongListVScroll(ui::TObject* sender, controls::TScrollCode code, int& scrollPos) {
  HideRenameBox();
}

void TFormPlayer::SongListHScroll(ui::TObject* sender, controls::TScrollCode code, int& scrollPos) {
  HideRenameBox();
}

void TFormPlayer::HideRenameBox() {
  if (!EditFile.Visible()) return;
  const bool focused = EditFile.Focused();
  EditFile.SetVisible(false);
  // A hidden box keeps no focus: the list it lay over takes it.
  if (focused && SongList.CanFocus()) SongList.SetFocus();
}

std::string TFormPlayer::RenameRefusal(const std::string& folder, const std::string& name) const {
  // The system drops a name's trailing dots and blanks; nothing may be left of it.
  if (name.find_last_not_of(". ") == std::string::npos)
    return "The new name is empty!\nType the new name of the file, including its extension.";
  for (const char c : name)
    if (static_cast<unsigned char>(c) < ' ' || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
      return "A file name cannot contain any of these characters:\n\\ / : * ? \" < > |";
  if (folder.size() + name.size() > kMaxPathLength)
    return "The new name is too long!\nThe full path of a file can hold " + std::to_string(kMaxPathLength) +
           " characters at most.";
  return "";
}

void TFormPlayer::RenameSelectedEntry() {
  const int i = SongList.ItemIndex();
  if (i < 0 || i >= static_cast<int>(PathList.size())) {
    HideRenameBox();
    return;
  }
  const std::string name = EditFile.Text();
  const std::string oldName = SongList.Item(i);
  if (name == oldName) {
    HideRenameBox();
    return;
  }
  os::FileSystem& files = ui::Application().Services().files;
  const std::string old = PathList[i];
  if (const std::string refusal = PermissionRefusal(files, old); !refusal.empty()) {
    ShowRenameError(refusal);
    HideRenameBox();
    return;
  }
  const std::string folder = old.substr(0, old.size() - base::DisplayName(old).size());
  if (const std::string refusal = RenameRefusal(folder, name); !refusal.empty()) {
    ShowRenameError(refusal);
    HideRenameBox();
    return;
  }
  // The system's own form of the name: what the file will be called on the disk.
  const std::string renamed = files.FullPath(folder + name);
  if (const os::FileError error = files.Move(old, renamed); error != os::FileError::None) {
    ShowRenameError(MoveFailure(error));
    HideRenameBox();
    return;
  }

  // Every entry of the file takes its new name; the caption names the loaded one.
  const std::string shown = base::DisplayName(renamed);
  for (int k = 0; k < static_cast<int>(PathList.size()); ++k) {
    if (PathList[k] != old) continue;
    PathList[k] = renamed;
    SongList.SetItem(k, shown);
    if (k == CurrentIndex && MIDIPlayer.IsOpen()) NameLoadedFile(shown, MIDIPlayer.Length());
  }
  HideRenameBox();
  EditFile.Tag = 0;
  SpeedBtnRefreshClick(this);
  SaveNamedList();
  SongList.SetItemIndex(i);
}

}  // namespace player
