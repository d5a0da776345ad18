#include "controls/filter_combo_box.h"

#include "controls/file_list_box.h"

namespace controls {

void TFilterComboBox::SetFilter(const std::string& filter) {
  filter_ = filter;
  Clear();
  masks_.clear();
  std::vector<std::string> parts;
  for (std::size_t start = 0; start <= filter.size();) {
    std::size_t end = filter.find('|', start);
    if (end == std::string::npos) end = filter.size();
    parts.push_back(filter.substr(start, end - start));
    start = end + 1;
  }
  for (std::size_t i = 0; i < parts.size(); i += 2) {
    if (parts[i].empty() && i + 1 >= parts.size()) break;  // nothing after a final "|"
    Add(parts[i]);
    masks_.push_back(i + 1 < parts.size() && !parts[i + 1].empty() ? parts[i + 1] : "*.*");
  }
  SetItemIndex(Count() > 0 ? 0 : -1);
  ApplyMask();
}

std::string TFilterComboBox::Mask() const { return ItemIndex() < 0 ? "*.*" : masks_.at(ItemIndex()); }

void TFilterComboBox::SetFileList(TFileListBox* fileList) {
  fileList_ = fileList;
  ApplyMask();
}

void TFilterComboBox::ApplyMask() {
  if (fileList_) fileList_->SetMask(Mask());
}

void TFilterComboBox::Change() {
  ApplyMask();
  ui::TComboBox::Change();
}

}  // namespace controls
