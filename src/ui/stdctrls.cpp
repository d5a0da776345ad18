#include "ui/stdctrls.h"

#include <algorithm>
#include <utility>

#include "base/text.h"
#include "ui/canvas.h"

namespace ui {

std::unique_ptr<Peer> TPanel::MakePeer(Backend& backend) { return backend.CreatePeer(*this); }
std::unique_ptr<Peer> TLabel::MakePeer(Backend& backend) { return backend.CreatePeer(*this); }
std::unique_ptr<Peer> TBevel::MakePeer(Backend& backend) { return backend.CreatePeer(*this); }
std::unique_ptr<Peer> TSpeedButton::MakePeer(Backend& backend) { return backend.CreatePeer(*this); }
std::unique_ptr<Peer> TListBox::MakePeer(Backend& backend) { return backend.CreatePeer(*this); }
std::unique_ptr<Peer> TTrackBar::MakePeer(Backend& backend) { return backend.CreatePeer(*this); }
std::unique_ptr<Peer> TComboBox::MakePeer(Backend& backend) { return backend.CreatePeer(*this); }

void TLabel::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  SetBounds(Left(), Top(), Width(), Height());
}

void TLabel::FontChanged() {
  TControl::FontChanged();
  SetBounds(Left(), Top(), Width(), Height());
}

void TLabel::SetWordWrap(bool wordWrap) {
  if (wordWrap == wordWrap_) return;
  wordWrap_ = wordWrap;
  Changed(Change::Style);
  SetBounds(Left(), Top(), Width(), Height());
}

void TLabel::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Changed(Change::Style);
}

void TLabel::ConstrainBounds(int& width, int& height) {
  if (!autoSize_) return;
  if (wordWrap_) {
    height = Canvas().WrappedTextHeight(Caption(), width);
    return;
  }
  const TSize extent = Canvas().TextExtent(Caption());
  width = extent.cx;
  height = extent.cy;
}

void DrawListItem(TControl& control, const TDrawItemEvent& onDrawItem, const std::string& text, int index,
                  TRect rect, TOwnerDrawState state) {
  TCanvas& canvas = control.Canvas();
  const bool selected = state & odSelected;
  canvas.BrushColor = selected ? clHighlight : control.Color();
  canvas.FontColor = selected ? clHighlightText : control.FontColor();
  if (onDrawItem) {
    onDrawItem(&control, index, rect, state);
    return;
  }
  canvas.FillRect(rect, canvas.BrushColor);
  canvas.TextAt(rect.left + 2, rect.top, text);
}

namespace {
// An index into a list that gained an item at `at`, or lost the one there (-1 when it was that one).
void FollowInsert(int& index, int at) {
  if (index >= at) ++index;
}
void FollowDelete(int& index, int at) {
  if (index == at) index = -1;
  else if (index > at) --index;
}
}  // namespace

void TListBox::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw EListError(index);
}

void TListBox::Insert(int index, const std::string& text) {
  if (index < 0 || index > Count()) throw EListError(index);
  items_.insert(items_.begin() + index, text);
  selected_.insert(selected_.begin() + index, false);
  FollowInsert(itemIndex_, index);
  FollowInsert(anchor_, index);
  Changed(Change::Items, index);
}

void TListBox::Delete(int index) {
  CheckIndex(index);
  items_.erase(items_.begin() + index);
  selected_.erase(selected_.begin() + index);
  // The list box drops the selection of the deleted item and keeps the others on their items.
  FollowDelete(itemIndex_, index);
  FollowDelete(anchor_, index);
  topIndex_ = std::clamp(topIndex_, 0, std::max(0, Count() - 1));
  Changed(Change::Items, index);
}

void TListBox::Exchange(int a, int b) {
  std::swap(items_.at(a), items_.at(b));
  const bool selectedA = selected_[a];
  selected_[a] = selected_[b];
  selected_[b] = selectedA;
  const int focused = itemIndex_;
  Changed(Change::Items, a);
  Changed(Change::Items, b);
  if (selected_[a] != selected_[b]) {
    Changed(Change::ItemSelected, a);
    Changed(Change::ItemSelected, b);
  }
  // Exchanging moves the selection (the focus and the anchor of a multi-selection list) with its item.
  if (anchor_ == a) anchor_ = b;
  else if (anchor_ == b) anchor_ = a;
  if (focused == a) SetItemIndex(b);
  else if (focused == b) SetItemIndex(a);
}

void TListBox::SetItem(int index, const std::string& text) {
  items_.at(index) = text;
  Changed(Change::Items, index);
}

void TListBox::Clear() {
  items_.clear();
  selected_.clear();
  itemIndex_ = anchor_ = -1;
  topIndex_ = 0;
  Changed(Change::Items, -1);
}

void TListBox::Assign(std::vector<std::string> items) {
  items_ = std::move(items);
  selected_.assign(items_.size(), false);
  itemIndex_ = anchor_ = -1;
  topIndex_ = 0;
  Changed(Change::Items, -1);
}

void TListBox::BeginUpdate() {
  if (updates_++ == 0) Changed(Change::Updating);
}

void TListBox::EndUpdate() {
  if (updates_ > 0 && --updates_ == 0) Changed(Change::Updating);
}

void TListBox::SetItemIndex(int index) {
  if (index < -1 || index >= Count()) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  Changed(Change::ItemIndex);
}

void TListBox::SetMultiSelect(bool multiSelect) {
  if (multiSelect == multiSelect_) return;
  multiSelect_ = multiSelect;
  std::fill(selected_.begin(), selected_.end(), false);
  if (multiSelect_ && itemIndex_ >= 0) selected_[itemIndex_] = true;
  anchor_ = multiSelect_ ? itemIndex_ : -1;
  Changed(Change::Style);
}

bool TListBox::Selected(int index) const {
  CheckIndex(index);
  return multiSelect_ ? selected_[index] : index == itemIndex_;
}

void TListBox::SetSelected(int index, bool selected) {
  CheckIndex(index);
  if (!multiSelect_) {
    if (selected) SetItemIndex(index);
    else if (index == itemIndex_) SetItemIndex(-1);
    return;
  }
  if (selected_[index] == selected) return;
  selected_[index] = selected;
  Changed(Change::ItemSelected, index);
}

int TListBox::SelCount() const {
  if (!multiSelect_) return itemIndex_ >= 0 ? 1 : 0;
  return static_cast<int>(std::count(selected_.begin(), selected_.end(), true));
}

void TListBox::SetTopIndex(int index) {
  index = std::clamp(index, 0, std::max(0, Count() - 1));
  if (index == topIndex_) return;
  topIndex_ = index;
  Changed(Change::TopIndex);
}

int TListBox::ItemAtPos(TPoint client, bool existing) const {
  if (client.x < 0 || client.y < 0 || client.x >= ClientWidth() || client.y >= ClientHeight()) return -1;
  const int index = topIndex_ + client.y / std::max(1, ItemHeight);
  if (index < Count()) return index;
  return existing ? -1 : Count();
}

TRect TListBox::ItemRect(int index) const {
  if (index < 0 || index > Count()) throw EListError(index);
  const int top = (index - topIndex_) * ItemHeight;
  return {0, top, ClientWidth(), top + ItemHeight};
}

void TListBox::SetHorizontalExtent(int extent) {
  if (extent == horizontalExtent_) return;
  horizontalExtent_ = extent;
  Changed(Change::HorizontalExtent);
}

void TListBox::SetStyle(TListBoxStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed(Change::Style);
}

void TListBox::DrawItem(int index, TRect rect, TOwnerDrawState state) {
  DrawListItem(*this, OnDrawItem, index >= 0 && index < Count() ? items_[index] : std::string(), index, rect, state);
}

void TListBox::ScrollIntoView(int index) {
  const int visibleRows = std::max(1, ClientHeight() / std::max(1, ItemHeight));
  if (index < topIndex_) SetTopIndex(index);
  else if (index >= topIndex_ + visibleRows) SetTopIndex(index - visibleRows + 1);
}

int TListBox::SelectByPrefix(int start, const std::string& prefix) {
  const int count = Count();
  for (int step = 1; step <= count; ++step) {
    const int i = ((start < 0 ? -1 : start) + step) % count;
    if (base::StartsWithText(items_[i], prefix)) {
      SetItemIndex(i);
      ScrollIntoView(i);
      return i;
    }
  }
  return -1;
}

void TListBox::SelectOnly(int index) {
  for (int i = 0; i < Count(); ++i) SetSelected(i, i == index);
}

void TListBox::UserSelect(int index, TShiftState shift) {
  if (multiSelect_) {
    CheckIndex(index);
    if (shift & ssShift) {
      if (anchor_ < 0) anchor_ = index;
      const int low = std::min(anchor_, index), high = std::max(anchor_, index);
      // With Ctrl the range adds to the selection; alone it replaces it.
      for (int i = 0; i < Count(); ++i)
        if ((i >= low && i <= high) || !(shift & ssCtrl)) SetSelected(i, i >= low && i <= high);
    } else if (shift & ssCtrl) {
      SetSelected(index, !selected_[index]);
      anchor_ = index;
    } else {
      SelectOnly(index);
      anchor_ = index;
    }
  }
  SetItemIndex(index);
  Click();
}

void TComboBox::Insert(int index, const std::string& text) {
  if (index < 0 || index > Count()) throw EListError(index);
  items_.insert(items_.begin() + index, text);
  FollowInsert(itemIndex_, index);
  Changed(Change::Items, index);
}

void TComboBox::Delete(int index) {
  if (index < 0 || index >= Count()) throw EListError(index);
  items_.erase(items_.begin() + index);
  FollowDelete(itemIndex_, index);
  Changed(Change::Items, index);
}

void TComboBox::Clear() {
  items_.clear();
  itemIndex_ = -1;
  Changed(Change::Items, -1);
}

void TComboBox::SetItemIndex(int index) {
  if (index < -1 || index >= Count()) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  Changed(Change::ItemIndex);
}

void TComboBox::SetStyle(TComboBoxStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed(Change::Style);
}

void TComboBox::DrawItem(int index, TRect rect, TOwnerDrawState state) {
  DrawListItem(*this, OnDrawItem, index >= 0 && index < Count() ? items_[index] : std::string(), index, rect,
               state);
}

void TComboBox::UserSelect(int index) {
  if (index < 0 || index >= Count()) throw EListError(index);
  SetItemIndex(index);
  Change();
}

void TComboBox::Change() {
  if (OnChange) OnChange(this);
}

void TTrackBar::SetMin(int v) {
  if (v == min_) return;
  min_ = v;
  max_ = std::max(max_, min_);
  Changed(Change::Range);
  SetPosition(position_);
}

void TTrackBar::SetMax(int v) {
  if (v == max_) return;
  max_ = v;
  min_ = std::min(min_, max_);
  Changed(Change::Range);
  SetPosition(position_);
}

void TTrackBar::SetPosition(int v) {
  v = std::clamp(v, min_, max_);
  if (v == position_) return;
  position_ = v;
  Changed(Change::Position);
}

void TTrackBar::UserMove(int position) {
  const int before = position_;
  SetPosition(position);
  if (position_ != before && OnChange) OnChange(this);
}

void TTrackBar::SetSelStart(int v) {
  if (v == selStart_) return;
  selStart_ = v;
  Changed(Change::Selection);
}

void TTrackBar::SetSelEnd(int v) {
  if (v == selEnd_) return;
  selEnd_ = v;
  Changed(Change::Selection);
}

}  // namespace ui
