// The file box's filter box: named masks, given as "description|mask|description|mask"; choosing one
// gives its mask to a linked file list.
#pragma once

#include <string>
#include <vector>

#include "ui/stdctrls.h"

namespace controls {

class TFileListBox;

class TFilterComboBox : public ui::TComboBox {
 public:
  using ui::TComboBox::TComboBox;

  // The entries, their descriptions shown in order, the first one chosen. A description without a mask
  // stands for every file.
  const std::string& Filter() const { return filter_; }
  void SetFilter(const std::string& filter);
  // The mask of the entry shown; "*.*" when none is.
  std::string Mask() const;

  // The file list that shows the chosen mask's files; it takes the mask shown at once.
  TFileListBox* FileList() const { return fileList_; }
  void SetFileList(TFileListBox* fileList);

 protected:
  // The file list takes the chosen mask before OnChange.
  void Change() override;

 private:
  void ApplyMask();
  std::string filter_;
  std::vector<std::string> masks_;
  TFileListBox* fileList_ = nullptr;
};

}  // namespace controls
