#include "ui/stdctrls.h"

#include <algorithm>
#include <utility>

#include "base/text.h"

namespace ui {

std::unique_ptr<Peer> TPanel::MakePeer(Backend& backend) { return backend.CreatePeer(*this); }
std::unique_ptr<Peer> TLabel::MakePeer(Backend& backend) { return backend.CreatePeer(*this); }
std::unique_ptr<Peer> TBevel::MakePeer(Backend& backend) { return backend.CreatePeer(*this); }
std::unique_ptr<Peer> TSpeedButton::MakePeer(Backend& backend) { return backend.CreatePeer(*this); }
std::unique_ptr<Peer> TListBox::MakePeer(Backend& backend) { return backend.CreatePeer(*this); }
std::unique_ptr<Peer> TTrackBar::MakePeer(Backend& backend) { return backend.CreatePeer(*this); }

void TListBox::Insert(int index, const std::string& text) {
  if (index < 0 || index > Count()) throw EListError(index);
  items_.insert(items_.begin() + index, text);
  if (itemIndex_ >= index) ++itemIndex_;
  Changed(Change::Items, index);
}

void TListBox::Delete(int index) {
  if (index < 0 || index >= Count()) throw EListError(index);
  items_.erase(items_.begin() + index);
  // The list box drops the selection of the deleted item and keeps the others on their items.
  if (itemIndex_ == index) {
    itemIndex_ = -1;
  } else if (itemIndex_ > index) {
    --itemIndex_;
  }
  topIndex_ = std::clamp(topIndex_, 0, std::max(0, Count() - 1));
  Changed(Change::Items, index);
}

void TListBox::Exchange(int a, int b) {
  std::swap(items_.at(a), items_.at(b));
  const int selected = itemIndex_;
  Changed(Change::Items, a);
  Changed(Change::Items, b);
  // Exchanging moves the selection with its item.
  if (selected == a) SetItemIndex(b);
  else if (selected == b) SetItemIndex(a);
}

void TListBox::SetItem(int index, const std::string& text) {
  items_.at(index) = text;
  Changed(Change::Items, index);
}

void TListBox::Clear() {
  items_.clear();
  itemIndex_ = -1;
  topIndex_ = 0;
  Changed(Change::Items, -1);
}

void TListBox::SetItemIndex(int index) {
  if (index < -1 || index >= Count()) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  Changed(Change::ItemIndex);
}

void TListBox::SetTopIndex(int index) {
  index = std::clamp(index, 0, std::max(0, Count() - 1));
  if (index == topIndex_) return;
  topIndex_ = index;
  Changed(Change::TopIndex);
}

void TListBox::SetHorizontalExtent(int extent) {
  if (extent == horizontalExtent_) return;
  horizontalExtent_ = extent;
  Changed(Change::HorizontalExtent);
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

void TListBox::UserSelect(int index) {
  SetItemIndex(index);
  Click();
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
