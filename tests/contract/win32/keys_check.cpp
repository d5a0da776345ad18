// Keys under Win32: a key pressed on a control reaches its KeyDown with the modifiers held, a key the
// handler consumed goes no further, the short-cuts of the popup menus of the control and its parents run
// their items, and Enter reaches a list box past a dialog manager.
#include <string>
#include <vector>

#include "ui/menus.h"
#include "ui/stdctrls.h"
#include "win32_check.h"

namespace {

using win32_check::H;
using win32_check::HoldKeys;

struct KeysForm : ui::TForm {
  ui::TPopupMenu panelPopup{this, "PanelPopup"}, listPopup{this, "ListPopup"};
  ui::TMenuItem gotoItem{this, "Goto", "&Goto Current", ui::Ctrl('G')};
  ui::TMenuItem removeItem{this, "Remove", "&Remove File", ui::vkDelete};
  ui::TPanel panel{this, "Panel"};
  ui::TListBox inner{this, "Inner"}, outer{this, "Outer"};
  std::vector<std::string> events;
  // What the inner list's handler does with each key: consume it or let it go on.
  bool consume = false;

  KeysForm() : TForm(nullptr, "KeysForm") {
    SetClientWidth(300);
    SetClientHeight(200);
    panelPopup.Items().Add(gotoItem);
    listPopup.Items().Add(removeItem);
    panel.SetParent(this);
    panel.SetBounds(0, 0, 150, 150);
    panel.PopupMenu = &panelPopup;
    inner.SetParent(&panel);
    inner.SetBounds(5, 5, 140, 100);
    inner.PopupMenu = &listPopup;
    outer.SetParent(this);
    outer.SetBounds(160, 5, 130, 100);
    for (ui::TListBox* list : {&inner, &outer})
      for (const char* item : {"a", "b", "c"}) list->Add(item);
    gotoItem.OnClick = [this](ui::TObject*) { events.push_back("goto"); };
    removeItem.OnClick = [this](ui::TObject*) { events.push_back("remove"); };
    auto record = [this](const char* list) {
      return [this, list](ui::TObject*, std::uint16_t& key, ui::TShiftState shift) {
        events.push_back(std::string(list) + " key " + std::to_string(key) + " shift " + std::to_string(shift));
        if (consume) key = 0;
      };
    };
    inner.OnKeyDown = record("inner");
    outer.OnKeyDown = record("outer");
  }
};

class KeysCheck : public win32_check::Win32Check {
 protected:
  KeysForm form;

  void SetUp() override { app.CreateForm(form); }
  void TearDown() override { HoldKeys(); }

  // A key as the user presses it: through the message loop.
  void Press(const ui::TControl& control, UINT message, WPARAM key) {
    PostMessageA(H(control), message, key, 0);
    loop.ProcessPending();
  }
};

TEST_F(KeysCheck, AKeyReachesTheControlWithTheModifiersHeldAndAConsumedOneGoesNoFurther) {
  form.inner.SetItemIndex(0);
  HoldKeys(false, true);
  Press(form.inner, WM_KEYDOWN, 'A');
  HoldKeys(true, false, true);
  Press(form.inner, WM_SYSKEYDOWN, 'X');
  HoldKeys();
  EXPECT_EQ(form.events, (std::vector<std::string>{"inner key 65 shift " + std::to_string(ui::ssCtrl),
                                                   "inner key 88 shift " + std::to_string(ui::ssShift | ui::ssAlt)}));

  form.consume = true;
  Press(form.inner, WM_KEYDOWN, VK_DOWN);
  EXPECT_EQ(SendMessageA(H(form.inner), LB_GETCURSEL, 0, 0), 0) << "the list never saw the key";
  form.consume = false;
  Press(form.inner, WM_KEYDOWN, VK_DOWN);
  EXPECT_EQ(SendMessageA(H(form.inner), LB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(form.inner.ItemIndex(), 1);
}

TEST_F(KeysCheck, APopupMenusShortCutRunsItsItemForTheControlAndItsChildren) {
  struct Case {
    const char* what;
    const ui::TControl& control;
    bool ctrl;
    WPARAM key;
    std::vector<std::string> events;
  } cases[] = {
      {"the list's own popup", form.inner, false, VK_DELETE, {"remove"}},
      {"its parent's popup", form.inner, true, 'G', {"goto"}},
      {"a list outside the panel", form.outer, true, 'G', {"outer key 71 shift " + std::to_string(ui::ssCtrl)}},
      {"a key no item has", form.inner, false, VK_INSERT, {"inner key 45 shift 0"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    form.events.clear();
    HoldKeys(false, c.ctrl);
    Press(c.control, WM_KEYDOWN, c.key);
    EXPECT_EQ(form.events, c.events);
  }

  HoldKeys();
  form.removeItem.SetEnabled(false);
  form.events.clear();
  Press(form.inner, WM_KEYDOWN, VK_DELETE);
  EXPECT_EQ(form.events, std::vector<std::string>{"inner key 46 shift 0"}) << "a disabled item's key goes on";
}

TEST_F(KeysCheck, EnterReachesAListBoxThatADialogManagerHandles) {
  form.SetVisible(true);
  loop.ProcessPending();
  SetFocus(H(form.inner));
  ASSERT_EQ(GetFocus(), H(form.inner));
  MSG enter{H(form.inner), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  EXPECT_TRUE(IsDialogMessageA(H(form), &enter));
  EXPECT_EQ(form.events, std::vector<std::string>{"inner key 13 shift 0"});
}

}  // namespace
