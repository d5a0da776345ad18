#include "controls/file_list_box.h"

#include <utility>
#include <vector>

#include "controls/folder_error.h"
#include "ui/canvas.h"
#include "ui/forms.h"

namespace controls {

TFileListBox::TFileListBox(ui::TComponent* owner, std::string name) : ui::TListBox(owner, std::move(name)) {
  SetStyle(ui::TListBoxStyle::lbOwnerDrawFixed);
  ItemHeight = 16;
}

void TFileListBox::SetDirectory(const std::string& folder) {
  if (folder == directory_) return;
  directory_ = folder;
  Update();
}

void TFileListBox::SetMask(const std::string& mask) {
  const std::string effective = mask.empty() ? "*.*" : mask;
  if (effective == mask_) return;
  mask_ = effective;
  Update();
}

void TFileListBox::Update() {
  if (directory_.empty()) {
    Assign({});
    return;
  }
  std::vector<os::FolderEntry> files;
  const os::FileError error = ui::Application().Services().files.ListFiles(directory_, mask_, files);
  std::vector<std::string> names;
  names.reserve(files.size());
  for (os::FolderEntry& file : files) names.push_back(std::move(file.name));
  // Files of a folder that can no longer be read are not shown as if they were still there.
  Assign(std::move(names));
  if (error != os::FileError::None) throw FolderError(error, directory_);
}

std::string TFileListBox::FilePath(int index) const {
  if (index < 0 || index >= Count()) throw ui::EListError(index);
  const std::string& name = Item(index);
  if (!directory_.empty() && directory_.back() == '\\') return directory_ + name;
  return directory_ + "\\" + name;
}

void TFileListBox::DrawItem(int index, ui::TRect rect, ui::TOwnerDrawState state) {
  if (OnDrawItem || index < 0 || index >= Count()) {
    ui::TListBox::DrawItem(index, rect, state);
    return;
  }
  const std::string& name = Item(index);
  ui::DrawListItem(*this, [&](ui::TObject*, int, ui::TRect r, ui::TOwnerDrawState) {
    ui::TCanvas& canvas = Canvas();
    canvas.FillRect(r, canvas.BrushColor);
    // The shell keeps one icon per type: asking for each row drawn is a lookup after the first.
    if (const os::IconHandle icon = ui::Application().Services().shell.SmallFileIcon(name))
      canvas.DrawIcon(r.left + 2, r.top + (r.Height() - 16) / 2, icon);
    canvas.TextAt(r.left + 20, r.top + (r.Height() - canvas.TextExtent(name).cy) / 2, name);
  }, name, index, rect, state);
}

}  // namespace controls
