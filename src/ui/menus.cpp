#include "ui/menus.h"

#include <algorithm>

#include "ui/forms.h"

namespace ui {

TMenuItem::TMenuItem(TComponent* owner, std::string name, std::string caption, TShortCut shortCut)
    : TComponent(owner, std::move(name)), caption_(std::move(caption)), shortCut_(shortCut) {}

TMenuItem::~TMenuItem() {
  for (TMenuItem* item : items_) item->parent_ = nullptr;
  if (parent_) std::erase(parent_->items_, this);
}

TMenu* TMenuItem::Menu() const {
  const TMenuItem* item = this;
  while (item->parent_) item = item->parent_;
  return item->menu_;
}

void TMenuItem::Changed() {
  if (TMenu* menu = Menu(); menu && menu->peer_) menu->peer_->ItemChanged(*this);
}

void TMenuItem::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed();
}

void TMenuItem::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Changed();
  if (checked && RadioItem && parent_) {
    for (TMenuItem* sibling : parent_->items_)
      if (sibling != this && sibling->RadioItem && sibling->GroupIndex == GroupIndex) sibling->SetChecked(false);
  }
}

void TMenuItem::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed();
}

void TMenuItem::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Changed();
}

void TMenuItem::Add(TMenuItem& item) {
  item.parent_ = this;
  items_.push_back(&item);
  Changed();
}

void TMenuItem::Click() {
  if (enabled_ && OnClick) OnClick(this);
}

TMenu::TMenu(TComponent* owner, std::string name)
    : TComponent(owner, std::move(name)), root_(nullptr, {}, {}) {
  root_.menu_ = this;
}

TMenu::~TMenu() { peer_.reset(); }

void TMenu::CreateHandle() {
  if (!peer_) peer_ = Application().GetBackend().CreateMenuPeer(*this);
}

namespace {
TMenuItem* FindIn(TMenuItem& item, TShortCut shortCut) {
  for (TMenuItem* child : item.Items()) {
    if (child->ShortCut() == shortCut) return child;
    if (TMenuItem* found = FindIn(*child, shortCut)) return found;
  }
  return nullptr;
}
}  // namespace

TMenuItem* TMenu::FindShortCut(TShortCut shortCut) { return shortCut ? FindIn(root_, shortCut) : nullptr; }

void TPopupMenu::Popup(int x, int y) {
  ++popups_;
  lastPopup_ = {x, y};
  if (OnPopup) OnPopup(this);
  CreateHandle();
  if (GetPeer()) GetPeer()->Popup(x, y);
}

}  // namespace ui
