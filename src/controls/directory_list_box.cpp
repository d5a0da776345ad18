#include "controls/directory_list_box.h"

#include <cctype>
#include <utility>

#include "base/text.h"
#include "controls/file_box_glyphs.h"
#include "controls/file_list_box.h"
#include "controls/folder_error.h"
#include "ui/canvas.h"
#include "ui/forms.h"

namespace controls {

namespace {

constexpr int kIndent = 8;

// "C:" and "C:\Music" as the folders they name: a root keeps its backslash.
std::string JoinPath(const std::vector<std::string>& parts, std::size_t count) {
  std::string path = parts[0] + "\\";
  for (std::size_t i = 1; i < count; ++i) path += (i > 1 ? "\\" : "") + parts[i];
  return path;
}

std::vector<std::string> SplitPath(const std::string& full) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= full.size()) {
    std::size_t end = full.find('\\', start);
    if (end == std::string::npos) end = full.size();
    if (end > start) parts.push_back(full.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

// Errors that mean the folder is not there, so that the nearest folder above it is shown instead.
bool Missing(os::FileError error) {
  return error == os::FileError::NotFound || error == os::FileError::PathNotFound ||
         error == os::FileError::InvalidName;
}

const ui::TIcon& Glyph(ui::TIcon& icon, std::string (*picture)()) {
  if (icon.Empty()) icon = ui::TIcon::FromPicture(picture());
  return icon;
}

}  // namespace

TDirectoryListBox::TDirectoryListBox(ui::TComponent* owner, std::string name)
    : ui::TListBox(owner, std::move(name)) {
  SetStyle(ui::TListBoxStyle::lbOwnerDrawFixed);
  ItemHeight = 16;
}

void TDirectoryListBox::SetDirectory(const std::string& path) {
  os::FileSystem& files = ui::Application().Services().files;
  const std::string full = files.FullPath(path);
  if (full.size() < 2 || full[1] != ':') throw FolderError(os::FileError::InvalidName, path);
  std::vector<std::string> parts = SplitPath(full);
  parts[0][0] = static_cast<char>(std::toupper(static_cast<unsigned char>(parts[0][0])));

  std::vector<os::FolderEntry> subfolders;
  for (;;) {
    const std::string folder = JoinPath(parts, parts.size());
    const os::FileError error = files.ListFolders(folder, subfolders);
    if (error == os::FileError::None) break;
    if (!Missing(error) || parts.size() == 1) throw FolderError(error, folder);
    parts.pop_back();
  }
  // Each name takes its letter case on disk; a level whose parent cannot be listed keeps the case given.
  std::vector<os::FolderEntry> siblings;
  for (std::size_t level = 1; level < parts.size(); ++level) {
    if (files.ListFolders(JoinPath(parts, level), siblings) != os::FileError::None) continue;
    for (const os::FolderEntry& sibling : siblings)
      if (base::SameText(sibling.name, parts[level])) parts[level] = sibling.name;
  }

  std::vector<std::string> rows = parts;
  rows[0] += "\\";
  rows.reserve(parts.size() + subfolders.size());
  for (os::FolderEntry& subfolder : subfolders) rows.push_back(std::move(subfolder.name));
  parts_ = std::move(parts);
  directory_ = JoinPath(parts_, parts_.size());
  Assign(std::move(rows));
  SetItemIndex(CurrentRow());
  if (fileList_) fileList_->SetDirectory(directory_);
}

void TDirectoryListBox::SetDrive(char letter) {
  const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
  if (upper == Drive()) return;
  SetDirectory(std::string(1, upper) + ":");
}

void TDirectoryListBox::SetFileList(TFileListBox* fileList) {
  fileList_ = fileList;
  if (fileList_ && !directory_.empty()) fileList_->SetDirectory(directory_);
}

void TDirectoryListBox::Update() {
  if (!directory_.empty()) SetDirectory(directory_);
}

std::string TDirectoryListBox::GetItemPath(int row) const {
  if (row < 0 || row >= Count()) throw ui::EListError(row);
  if (row <= CurrentRow()) return JoinPath(parts_, row + 1);
  return directory_ + (directory_.back() == '\\' ? "" : "\\") + Item(row);
}

int TDirectoryListBox::Level(int row) const {
  if (row < 0 || row >= Count()) throw ui::EListError(row);
  return row <= CurrentRow() ? row : CurrentRow() + 1;
}

void TDirectoryListBox::OpenRow(int row) {
  SetDirectory(GetItemPath(row));
  if (OnChange) OnChange(this);
}

void TDirectoryListBox::DblClick() {
  if (ItemIndex() >= 0) OpenRow(ItemIndex());
  ui::TListBox::DblClick();
}

void TDirectoryListBox::KeyDown(std::uint16_t& key, ui::TShiftState shift) {
  ui::TListBox::KeyDown(key, shift);
  if (key == ui::vkReturn && ItemIndex() >= 0) OpenRow(ItemIndex());
}

void TDirectoryListBox::DrawItem(int index, ui::TRect rect, ui::TOwnerDrawState state) {
  if (OnDrawItem || index < 0 || index >= Count()) {
    ui::TListBox::DrawItem(index, rect, state);
    return;
  }
  const ui::TIcon& glyph = index < CurrentRow()    ? Glyph(openIcon_, file_box_glyphs::OpenFolder)
                           : index == CurrentRow() ? Glyph(currentIcon_, file_box_glyphs::CurrentFolder)
                                                   : Glyph(closedIcon_, file_box_glyphs::ClosedFolder);
  const std::string& text = Item(index);
  ui::DrawListItem(*this, [&](ui::TObject*, int, ui::TRect r, ui::TOwnerDrawState) {
    ui::TCanvas& canvas = Canvas();
    canvas.FillRect(r, canvas.BrushColor);
    const int left = r.left + 2 + Level(index) * kIndent;
    canvas.DrawIcon(left, r.top + (r.Height() - 16) / 2, glyph.Handle());
    canvas.TextAt(left + 18, r.top + (r.Height() - canvas.TextExtent(text).cy) / 2, text);
  }, text, index, rect, state);
}

}  // namespace controls
