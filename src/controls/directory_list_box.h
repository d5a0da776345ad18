// The file box's folder list: the path of the current folder from its drive's root down, one row a
// level, then the current folder's subfolders, each indented by its level with an open, current or
// closed folder glyph. Opening a row (double-click, Enter) makes its folder current; a linked file
// list shows the current folder's files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/icon.h"
#include "ui/stdctrls.h"

namespace controls {

class TFileListBox;

class TDirectoryListBox : public ui::TListBox {
 public:
  explicit TDirectoryListBox(ui::TComponent* owner, std::string name = {});

  // The current folder, a full path with each name in its letter case on disk, without a trailing
  // backslash except at a drive root ("C:\"); "" until one is set.
  const std::string& Directory() const { return directory_; }
  // Makes the folder current: its rows are read, the current folder's row is highlighted and the file
  // list follows. A folder that does not exist (any more) gives way to the nearest one above it that
  // does. A folder that cannot be read (a drive without its medium, no rights) throws the library's
  // error saying why, and the list stays as it was. OnChange is the user's alone (see OpenRow).
  void SetDirectory(const std::string& path);
  // The current folder's drive letter, upper case; 0 until a folder is set.
  char Drive() const { return directory_.empty() ? '\0' : directory_[0]; }
  // Moves to that drive's current folder (the path "X:") unless it is the drive of the current folder,
  // letter case ignored.
  void SetDrive(char letter);

  // The file list that shows the current folder's files; it is given the folder at once.
  TFileListBox* FileList() const { return fileList_; }
  void SetFileList(TFileListBox* fileList);

  // Reads the current folder's rows again (see SetDirectory).
  void Update();

  // The full path of a row's folder: a path row's folder or a subfolder of the current one.
  std::string GetItemPath(int row) const;
  // The row of the current folder: the rows above it are its path, those below its subfolders.
  int CurrentRow() const { return static_cast<int>(parts_.size()) - 1; }
  // The indentation level of a row: 0 for the root.
  int Level(int row) const;

  // The user opens a row: its folder becomes current, then OnChange.
  void OpenRow(int row);
  ui::TNotifyEvent OnChange;

  // A double-click, and Enter, open the highlighted row (the ItemIndex).
  void DblClick() override;
  void KeyDown(std::uint16_t& key, ui::TShiftState shift) override;
  // The folder glyph at the row's indentation, then the name.
  void DrawItem(int index, ui::TRect rect, ui::TOwnerDrawState state) override;

 private:
  std::string directory_;
  // The current folder's path, one name a level: "C:" first.
  std::vector<std::string> parts_;
  TFileListBox* fileList_ = nullptr;
  ui::TIcon openIcon_, currentIcon_, closedIcon_;
};

}  // namespace controls
