// Drag and drop under Win32: the source holds the mouse while its drag waits or runs and feeds the drag
// the window messages, a press on a multiple selection keeps it for the drag, the window under the
// mouse names the target, and the drag's pointer shows unless the screen's own overrides it.
#include <string>
#include <vector>

#include "ui/stdctrls.h"
#include "win32_check.h"

namespace {

using win32_check::H;

struct DragForm : ui::TForm {
  ui::TListBox source{this, "Source"}, target{this, "Target"}, disabled{this, "Disabled"};
  ui::TPanel panel{this, "Panel"};
  std::vector<std::string> events;

  DragForm() : TForm(nullptr, "DragForm") {
    SetBounds(40, 40, 0, 0);
    SetClientWidth(360);
    SetClientHeight(200);
    source.SetParent(this);
    source.SetBounds(10, 10, 100, 150);
    source.SetMultiSelect(true);
    source.DragMode = ui::TDragMode::dmAutomatic;
    source.DragCursor = ui::TCursor::crMultiDrag;
    for (const char* item : {"a", "b", "c", "d", "e", "f"}) source.Add(item);
    target.SetParent(this);
    target.SetBounds(120, 10, 100, 150);
    panel.SetParent(this);
    panel.SetBounds(230, 10, 120, 150);
    disabled.SetParent(&panel);
    disabled.SetBounds(10, 10, 100, 100);
    disabled.SetEnabled(false);

    target.OnDragOver = [](ui::TObject*, ui::TObject*, int, int, ui::TDragState, bool& accept) { accept = true; };
    target.OnDragDrop = [this](ui::TObject*, ui::TObject* from, int x, int y) {
      events.push_back(std::string(from == &source ? "source" : "?") + " dropped at " + std::to_string(x) + "," +
                       std::to_string(y));
    };
    source.OnEndDrag = [this](ui::TObject*, ui::TObject* to, int, int) {
      events.push_back(to == &target ? "ended on target" : to ? "ended elsewhere" : "ended without a drop");
    };
  }
};

class DragCheck : public win32_check::Win32Check {
 protected:
  DragForm form;

  void SetUp() override {
    app.CreateForm(form);
    form.SetVisible(true);
    loop.ProcessPending();
    UpdateWindow(H(form));
    form.source.SetSelected(1, true);
    form.source.SetSelected(3, true);
  }
  void TearDown() override {
    if (GetCapture()) ReleaseCapture();
  }

  std::vector<int> Selection() const {
    std::vector<int> selected;
    for (int i = 0; i < form.source.Count(); ++i)
      if (SendMessageA(H(form.source), LB_GETSEL, i, 0) > 0) selected.push_back(i);
    return selected;
  }

  // A point of a control in the source's client coordinates, as the source's messages carry it.
  LPARAM AtSource(const ui::TControl& control, ui::TPoint at) const {
    const ui::TPoint p = form.source.ScreenToClient(control.ClientToScreen(at));
    return MAKELPARAM(p.x, p.y);
  }
  LPARAM AtItem(int index) const { return MAKELPARAM(20, index * form.source.ItemHeight + 3); }

  void Send(UINT message, WPARAM wParam, LPARAM lParam) { SendMessageA(H(form.source), message, wParam, lParam); }
  // A press on a selected item, then a move over the target: the drag runs.
  void StartDrag() {
    Send(WM_LBUTTONDOWN, MK_LBUTTON, AtItem(1));
    Send(WM_MOUSEMOVE, MK_LBUTTON, AtSource(form.target, {30, 40}));
    ASSERT_TRUE(app.Drag().Running());
  }
};

TEST_F(DragCheck, TheControlUnderAScreenPointIsTheDeepestEnabledOneTheWindowSystemFinds) {
  auto screen = [](const ui::TControl& control, ui::TPoint at) { return control.ClientToScreen(at); };
  struct Case {
    const char* what;
    ui::TPoint screen;
    const ui::TControl* found;
  } cases[] = {
      {"a list", screen(form.target, {5, 5}), &form.target},
      {"the form's own surface", screen(form, {5, 190}), &form},
      {"a disabled list: its enabled parent", screen(form.disabled, {5, 5}), &form.panel},
      {"the caption", screen(form, {5, -5}), nullptr},
  };
  for (const Case& c : cases) EXPECT_EQ(backend.ControlAtScreen(c.screen), c.found) << c.what;
  form.disabled.SetEnabled(true);
  EXPECT_EQ(backend.ControlAtScreen(screen(form.disabled, {5, 5})), &form.disabled);
}

TEST_F(DragCheck, APressOnTheSelectionHoldsTheMouseAndTheDragCarriesTheSelectionToTheTarget) {
  Send(WM_LBUTTONDOWN, MK_LBUTTON, AtItem(1));
  EXPECT_EQ(Selection(), (std::vector<int>{1, 3})) << "the press leaves the selection to the drag";
  EXPECT_TRUE(app.Drag().Pending());
  EXPECT_EQ(GetCapture(), H(form.source));

  Send(WM_MOUSEMOVE, MK_LBUTTON, AtSource(form.target, {30, 40}));
  EXPECT_TRUE(app.Drag().Running());
  EXPECT_EQ(app.Drag().Target(), &form.target);
  EXPECT_EQ(GetCursor(), backend.CursorHandle(ui::TCursor::crMultiDrag));
  Send(WM_MOUSEMOVE, MK_LBUTTON, AtSource(form, {5, 190}));
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_NO)) << "the form takes no drop";
  // The screen's pointer overrides the drag's.
  app.Screen().SetCursor(ui::TCursor::crDrag);
  Send(WM_MOUSEMOVE, MK_LBUTTON, AtSource(form, {6, 190}));
  EXPECT_EQ(GetCursor(), backend.CursorHandle(ui::TCursor::crDrag));
  app.Screen().SetCursor(ui::TCursor::crDefault);

  Send(WM_MOUSEMOVE, MK_LBUTTON, AtSource(form.target, {30, 41}));
  Send(WM_LBUTTONUP, 0, AtSource(form.target, {30, 41}));
  EXPECT_EQ(form.events, (std::vector<std::string>{"source dropped at 30,41", "ended on target"}));
  EXPECT_FALSE(app.Drag().Source());
  EXPECT_NE(GetCapture(), H(form.source));
  EXPECT_EQ(Selection(), (std::vector<int>{1, 3}));
}

TEST_F(DragCheck, APressOnTheSelectionReleasedWithoutADragIsTheListsClick) {
  Send(WM_LBUTTONDOWN, MK_LBUTTON, AtItem(3));
  Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(21, 3 * form.source.ItemHeight + 4));  // within the drag distance
  Send(WM_LBUTTONUP, 0, AtItem(3));
  EXPECT_FALSE(app.Drag().Source());
  EXPECT_TRUE(form.events.empty());
  EXPECT_EQ(Selection(), std::vector<int>{3});
  EXPECT_EQ(form.source.SelCount(), 1);
  EXPECT_NE(GetCapture(), H(form.source));
}

TEST_F(DragCheck, ASingleSelectionListSelectsThePressedItemBeforeItsDragBegins) {
  ui::TListBox& list = form.target;
  for (const char* item : {"a", "b", "c"}) list.Add(item);
  list.DragMode = ui::TDragMode::dmAutomatic;
  list.OnMouseDown = [&](ui::TObject*, ui::TMouseButton, ui::TShiftState, int, int) {
    form.events.push_back("pressed with " + std::to_string(list.ItemIndex()) + " selected");
  };
  list.OnEndDrag = [&](ui::TObject*, ui::TObject* to, int, int) {
    form.events.push_back(to ? "dropped" : "ended without a drop");
  };
  HWND window = H(list);
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 2 * list.ItemHeight + 3));
  EXPECT_EQ(GetCapture(), window);
  SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, 165));  // the form below the list
  EXPECT_TRUE(app.Drag().Running());
  EXPECT_EQ(SendMessageA(window, LB_GETCURSEL, 0, 0), 2) << "the list does not follow the mouse during the drag";
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(20, 165));
  EXPECT_EQ(form.events, (std::vector<std::string>{"pressed with 2 selected", "ended without a drop"}));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(DragCheck, EscOrTheMouseTakenAwayCancelsTheDrag) {
  StartDrag();
  Send(WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(form.events, std::vector<std::string>{"ended without a drop"});
  EXPECT_NE(GetCapture(), H(form.source));

  form.events.clear();
  StartDrag();
  SetCapture(H(form.target));
  EXPECT_EQ(form.events, std::vector<std::string>{"ended without a drop"});
  EXPECT_FALSE(app.Drag().Source());
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW)) << "the drag's pointer is gone";
}

}  // namespace
