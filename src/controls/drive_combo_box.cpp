#include "controls/drive_combo_box.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "controls/directory_list_box.h"
#include "controls/file_box_glyphs.h"
#include "ui/canvas.h"
#include "ui/forms.h"

namespace controls {

namespace {

char Upper(char letter) { return static_cast<char>(std::toupper(static_cast<unsigned char>(letter))); }

}  // namespace

TDriveComboBox::TDriveComboBox(ui::TComponent* owner, std::string name, const DriveKinds& kinds)
    : ui::TComboBox(owner, std::move(name)) {
  SetStyle(ui::TComboBoxStyle::csOwnerDrawFixed);
  os::FileSystem& files = ui::Application().Services().files;
  for (const os::Drive& drive : files.Drives()) {
    if (std::find(kinds.begin(), kinds.end(), drive.type) == kinds.end() || drive.root.empty()) continue;
    Add(std::string(1, Upper(drive.root[0])) + ":");
    types_.push_back(drive.type);
  }
  const std::string current = files.GetCurrentFolder();
  SetItemIndex(current.empty() ? 0 : IndexOf(current[0]));
}

int TDriveComboBox::IndexOf(char letter) const {
  for (int i = 0; i < Count(); ++i)
    if (Item(i)[0] == Upper(letter)) return i;
  return -1;
}

char TDriveComboBox::Drive() const { return ItemIndex() < 0 ? '\0' : Item(ItemIndex())[0]; }

void TDriveComboBox::SetDrive(char letter) {
  const int index = IndexOf(letter);
  if (index < 0) return;
  SetItemIndex(index);
  MoveDirList();
}

void TDriveComboBox::MoveDirList() {
  if (!dirList_) return;
  try {
    dirList_->SetDrive(Drive());
  } catch (...) {
    // The box keeps showing the drive the folder list is on.
    SetItemIndex(IndexOf(dirList_->Drive()));
    throw;
  }
}

void TDriveComboBox::Change() {
  MoveDirList();
  ui::TComboBox::Change();
}

void TDriveComboBox::Repaint() { Changed(ui::Change::Invalidate); }

void TDriveComboBox::DrawItem(int index, ui::TRect rect, ui::TOwnerDrawState state) {
  if (OnDrawItem || index < 0 || index >= Count()) {
    ui::TComboBox::DrawItem(index, rect, state);
    return;
  }
  ui::TIcon& glyph = glyphs_[types_[index]];
  if (glyph.Empty()) glyph = ui::TIcon::FromPicture(file_box_glyphs::Drive(types_[index]));
  const std::string& text = Item(index);
  ui::DrawListItem(*this, [&](ui::TObject*, int, ui::TRect r, ui::TOwnerDrawState) {
    ui::TCanvas& canvas = Canvas();
    canvas.FillRect(r, canvas.BrushColor);
    canvas.DrawIcon(r.left + 2, r.top + (r.Height() - 16) / 2, glyph.Handle());
    canvas.TextAt(r.left + 22, r.top + (r.Height() - canvas.TextExtent(text).cy) / 2, text);
  }, text, index, rect, state);
}

}  // namespace controls
