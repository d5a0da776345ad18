// Menus as HMENU trees: the form's menu bar, kept up to date as items change, and popup menus, built
// each time they pop up. Invisible items are left out; a bar without visible items is no bar.
#pragma once

#include "ui/win32/windows_api.h"

#include <map>

#include "ui/backend.h"
#include "ui/menus.h"

namespace ui {
class Win32Backend;
}

namespace ui::win32 {

class FormPeer;

class Win32MenuPeer final : public MenuPeer {
 public:
  Win32MenuPeer(Win32Backend& backend, TMenu& menu);
  ~Win32MenuPeer() override;
  Win32MenuPeer(const Win32MenuPeer&) = delete;
  Win32MenuPeer& operator=(const Win32MenuPeer&) = delete;

  void ItemChanged(TMenuItem& item) override;
  void Popup(int x, int y) override;

  // The menu bar, nullptr when no item of it is visible (main menus only).
  HMENU Bar() const { return bar_; }
  // A WM_COMMAND of the bar: clicks the item with that id; false when the menu has none.
  bool Command(UINT id);
  // While the bar's menus are open they are left alone; changes meanwhile apply when they close.
  void MenuLoop(bool entered);

 private:
  HMENU Build(HMENU menu, TMenuItem& parent);
  UINT IdOf(TMenuItem& item);
  TMenuItem* Find(TMenuItem& parent, UINT id);
  void RebuildBar();
  FormPeer* Form() const;

  Win32Backend& backend_;
  TMenu& menu_;
  bool isMainMenu_;
  HMENU bar_ = nullptr;
  bool inMenuLoop_ = false;
  bool stale_ = false;
  // Ids stay with their items across rebuilds, so a command posted before a rebuild still finds its item.
  std::map<const TMenuItem*, UINT> ids_;
  UINT nextId_ = 100;
};

}  // namespace ui::win32
