#include "ui/win32/win32_menus.h"

#include "ui/forms.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_form.h"

namespace ui::win32 {

Win32MenuPeer::Win32MenuPeer(Win32Backend& backend, TMenu& menu)
    : backend_(backend), menu_(menu), isMainMenu_(dynamic_cast<TMainMenu*>(&menu) != nullptr) {
  if (isMainMenu_) RebuildBar();
}

Win32MenuPeer::~Win32MenuPeer() {
  if (!bar_) return;
  if (FormPeer* form = Form()) form->AttachMenu(nullptr);
  DestroyMenu(bar_);
}

FormPeer* Win32MenuPeer::Form() const {
  auto* form = dynamic_cast<TForm*>(menu_.Owner());
  if (!form || form->Menu() != &menu_) return nullptr;
  return dynamic_cast<FormPeer*>(form->GetPeer());
}

UINT Win32MenuPeer::IdOf(TMenuItem& item) {
  auto [it, added] = ids_.try_emplace(&item, nextId_);
  if (added) ++nextId_;
  return it->second;
}

TMenuItem* Win32MenuPeer::Find(TMenuItem& parent, UINT id) {
  for (TMenuItem* item : parent.Items()) {
    const auto it = ids_.find(item);
    if (it != ids_.end() && it->second == id) return item;
    if (TMenuItem* found = Find(*item, id)) return found;
  }
  return nullptr;
}

HMENU Win32MenuPeer::Build(HMENU menu, TMenuItem& parent) {
  for (TMenuItem* item : parent.Items()) {
    if (!item->Visible()) continue;
    if (item->Caption() == "-") {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    std::string text = item->Caption();
    if (item->ShortCut()) {
      text += '\t';
      text.append(ShortCutToText(item->ShortCut()));
    }
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING | MIIM_ID | MIIM_STATE | MIIM_FTYPE;
    info.fType = MFT_STRING | (item->RadioItem ? MFT_RADIOCHECK : 0);
    info.fState = (item->Checked() ? MFS_CHECKED : MFS_UNCHECKED) | (item->Enabled() ? MFS_ENABLED : MFS_GRAYED);
    info.wID = IdOf(*item);
    info.dwTypeData = text.data();
    if (!item->Items().empty()) {
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = Build(CreatePopupMenu(), *item);
    }
    InsertMenuItemA(menu, GetMenuItemCount(menu), TRUE, &info);
  }
  return menu;
}

void Win32MenuPeer::RebuildBar() {
  HMENU old = bar_;
  bar_ = Build(CreateMenu(), menu_.Items());
  if (GetMenuItemCount(bar_) == 0) {
    DestroyMenu(bar_);
    bar_ = nullptr;
  }
  if (FormPeer* form = Form()) form->AttachMenu(bar_);
  if (old) DestroyMenu(old);
  stale_ = false;
}

void Win32MenuPeer::ItemChanged(TMenuItem&) {
  if (!isMainMenu_) return;  // popup menus are built when they pop up
  if (inMenuLoop_) {
    stale_ = true;
  } else {
    RebuildBar();
  }
}

void Win32MenuPeer::MenuLoop(bool entered) {
  inMenuLoop_ = entered;
  if (!entered && stale_) RebuildBar();
}

bool Win32MenuPeer::Command(UINT id) {
  TMenuItem* item = Find(menu_.Items(), id);
  if (!item) return false;
  item->Click();
  return true;
}

void Win32MenuPeer::Popup(int x, int y) {
  HMENU popup = Build(CreatePopupMenu(), menu_.Items());
  HWND owner = backend_.OwnerWindow();
  // Without the owner in the foreground the menu would not close when the user clicks elsewhere.
  SetForegroundWindow(owner);
  const UINT id = static_cast<UINT>(
      TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, x, y, 0, owner, nullptr));
  PostMessageA(owner, WM_NULL, 0, 0);
  DestroyMenu(popup);
  if (id) Command(id);
}

}  // namespace ui::win32
