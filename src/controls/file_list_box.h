// The file box's file list: the files of one folder whose names match a mask, each drawn with the
// shell's small icon for its type. The icons are fetched as items are drawn, so that a folder of
// thousands of files costs only the icons of the rows on screen.
#pragma once

#include <string>

#include "ui/stdctrls.h"

namespace controls {

class TFileListBox : public ui::TListBox {
 public:
  explicit TFileListBox(ui::TComponent* owner, std::string name = {});

  // The folder listed: a full path without a trailing backslash, except a drive root ("C:\"); "" for
  // none. Setting another folder reads it (see Update); setting the same one does nothing.
  const std::string& Directory() const { return directory_; }
  void SetDirectory(const std::string& folder);
  // ";"-separated patterns matched as the system matches names ("*.mid;*.rmi"); "" is "*.*". Setting
  // another mask reads the folder again.
  const std::string& Mask() const { return mask_; }
  void SetMask(const std::string& mask);

  // Reads the folder's matching files again, long names sorted as the file system gives them, and
  // shows them as one change with nothing selected. A folder that cannot be read leaves the list
  // empty and throws the library's error saying why.
  void Update();

  // The full path of an item: the folder, a backslash unless the folder ends in one, the name.
  std::string FilePath(int index) const;

  // The shell's small icon, then the name.
  void DrawItem(int index, ui::TRect rect, ui::TOwnerDrawState state) override;

 private:
  std::string directory_;
  std::string mask_ = "*.*";
};

}  // namespace controls
