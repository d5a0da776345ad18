// Main and popup menus: a tree of items with captions, short-cuts, check marks and radio groups.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/backend.h"
#include "ui/component.h"

namespace ui {

class TMenu;

class TMenuItem : public TComponent {
 public:
  TMenuItem(TComponent* owner, std::string name, std::string caption, TShortCut shortCut = 0);
  ~TMenuItem() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  TShortCut ShortCut() const { return shortCut_; }

  // Checking a radio item clears the other radio items of its group under the same parent.
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool RadioItem = false;
  int GroupIndex = 0;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  int HelpContext = 0;

  TNotifyEvent OnClick;

  void Add(TMenuItem& item);
  const std::vector<TMenuItem*>& Items() const { return items_; }
  TMenuItem* Parent() const { return parent_; }
  // The menu the item is part of, through its parents.
  TMenu* Menu() const;

  // The user chooses the item (or presses its short-cut): fires OnClick when enabled.
  void Click();

 private:
  friend class TMenu;
  void Changed();
  std::string caption_;
  TShortCut shortCut_;
  bool checked_ = false, enabled_ = true, visible_ = true;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on the root item only
};

class TMenu : public TComponent {
 public:
  explicit TMenu(TComponent* owner, std::string name = {});
  ~TMenu() override;
  TMenuItem& Items() { return root_; }
  MenuPeer* GetPeer() const { return peer_.get(); }
  void CreateHandle();
  // An item's short-cut, searched through the whole tree; nullptr when none has it.
  TMenuItem* FindShortCut(TShortCut shortCut);

 private:
  friend class TMenuItem;
  TMenuItem root_;
  std::unique_ptr<MenuPeer> peer_;
};

class TMainMenu : public TMenu {
 public:
  using TMenu::TMenu;
};

class TPopupMenu : public TMenu {
 public:
  using TMenu::TMenu;
  TNotifyEvent OnPopup;
  // Shows the menu at a screen position and runs it modally (headless: records the position).
  void Popup(int x, int y);
  bool HasPoppedUp() const { return popups_ > 0; }
  int PopupCount() const { return popups_; }
  TPoint LastPopupPos() const { return lastPopup_; }

 private:
  int popups_ = 0;
  TPoint lastPopup_;
};

}  // namespace ui
