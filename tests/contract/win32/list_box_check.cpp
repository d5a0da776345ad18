// The list box peer under Win32: owner-drawn items, extended multiple selection both ways, the top index
// and item geometry in step with the window, and bulk changes made without repainting between.
#include <string>
#include <vector>

#include "ui/canvas.h"
#include "ui/stdctrls.h"
#include "ui/win32/win32_window.h"
#include "win32_check.h"

namespace {

using win32_check::H;

struct ListForm : ui::TForm {
  ui::TListBox list{this, "List"};
  std::vector<std::string> events;

  ListForm() : TForm(nullptr, "ListForm") {
    SetClientWidth(300);
    SetClientHeight(200);
    list.SetParent(this);
    list.SetBounds(10, 10, 150, 100);
    list.ItemHeight = 16;
    list.OnClick = [this](ui::TObject*) { events.push_back("click"); };
  }

  void AddItems(int count) {
    for (int i = 0; i < count; ++i) list.Add("item " + std::to_string(i));
  }
};

class ListBoxCheck : public win32_check::Win32Check {
 protected:
  ListForm form;

  void SetUp() override { app.CreateForm(form); }

  HWND List() const { return H(form.list); }
  LONG Style() const { return GetWindowLongA(List(), GWL_STYLE); }

  // A left click on an item, with Shift and Ctrl as given, as the window receives it.
  void ClickItem(int index, WPARAM keys = 0) {
    const LPARAM at = MAKELPARAM(20, (index - form.list.TopIndex()) * form.list.ItemHeight + 3);
    SendMessageA(List(), WM_LBUTTONDOWN, MK_LBUTTON | keys, at);
    SendMessageA(List(), WM_LBUTTONUP, keys, at);
  }

  std::vector<int> WindowSelection() const {
    std::vector<int> selected;
    const int count = static_cast<int>(SendMessageA(List(), LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
      if (SendMessageA(List(), LB_GETSEL, i, 0) > 0) selected.push_back(i);
    return selected;
  }

  std::vector<std::string> ListBoxTexts() const {
    std::vector<std::string> texts;
    const int count = static_cast<int>(SendMessageA(List(), LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      std::string text(SendMessageA(List(), LB_GETTEXTLEN, i, 0), '\0');
      SendMessageA(List(), LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
      texts.push_back(text);
    }
    return texts;
  }

  std::vector<int> ControlSelection() const {
    std::vector<int> selected;
    for (int i = 0; i < form.list.Count(); ++i)
      if (form.list.Selected(i)) selected.push_back(i);
    return selected;
  }
};

TEST_F(ListBoxCheck, AnOwnerDrawnListMeasuresItsItemsAndDrawsThemOnItsCanvas) {
  // The style is one the window is made with: the list gets a new window.
  form.list.ItemHeight = 21;
  form.list.SetStyle(ui::TListBoxStyle::lbOwnerDrawFixed);
  EXPECT_TRUE(Style() & LBS_OWNERDRAWFIXED);
  EXPECT_TRUE(Style() & LBS_HASSTRINGS);
  EXPECT_EQ(SendMessageA(List(), LB_GETITEMHEIGHT, 0, 0), 21) << "asked through WM_MEASUREITEM";
  EXPECT_EQ(ui::win32::WindowPeer::FromWindow(List()), form.list.GetPeer());

  struct Drawn {
    int index;
    ui::TRect rect;
    ui::TOwnerDrawState state;
  };
  std::vector<Drawn> drawn;
  form.list.OnDrawItem = [&](ui::TObject*, int index, ui::TRect rect, ui::TOwnerDrawState state) {
    drawn.push_back({index, rect, state});
    form.list.Canvas().FillRect(rect, index == 1 ? ui::clLime : ui::clRed);
  };
  form.AddItems(3);
  form.list.SetItemIndex(1);
  char text[32] = {};
  SendMessageA(List(), LB_GETTEXT, 2, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "item 2");

  form.SetVisible(true);
  loop.ProcessPending();
  drawn.clear();
  InvalidateRect(List(), nullptr, TRUE);
  UpdateWindow(List());
  ASSERT_FALSE(drawn.empty());
  RECT second;
  SendMessageA(List(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
  for (const Drawn& d : drawn) {
    if (d.index != 1) continue;
    EXPECT_EQ(d.rect, (ui::TRect{second.left, second.top, second.right, second.bottom}));
    EXPECT_TRUE(d.state & ui::odSelected);
  }
  HDC dc = GetDC(List());
  EXPECT_EQ(GetPixel(dc, 5, second.top + 5), RGB(0, 255, 0));
  EXPECT_EQ(GetPixel(dc, 5, 5), RGB(255, 0, 0));
  ReleaseDC(List(), dc);
}

TEST_F(ListBoxCheck, AnExtendedMultipleSelectionGoesToTheWindowAndComesBackFromTheUser) {
  form.AddItems(6);
  form.list.SetItemIndex(2);
  HWND single = List();
  form.list.SetMultiSelect(true);
  EXPECT_NE(List(), single) << "made again with the style";
  EXPECT_TRUE(Style() & LBS_EXTENDEDSEL);
  EXPECT_EQ(SendMessageA(List(), LB_GETCOUNT, 0, 0), 6);
  EXPECT_EQ(WindowSelection(), std::vector<int>{2}) << "the selected item stays selected";

  form.list.SetSelected(4, true);
  form.list.SetItemIndex(4);
  EXPECT_EQ(WindowSelection(), (std::vector<int>{2, 4}));
  EXPECT_EQ(SendMessageA(List(), LB_GETCARETINDEX, 0, 0), 4);
  form.list.SetSelected(2, false);
  EXPECT_EQ(WindowSelection(), std::vector<int>{4});
  form.list.SetItem(4, "renamed");
  EXPECT_EQ(WindowSelection(), std::vector<int>{4}) << "a replaced item keeps its selection";

  // The user's clicks: the control reads the window's selection and its focused item back, then clicks.
  struct Case {
    const char* what;
    int item;
    WPARAM keys;
    std::vector<int> selected;
  } cases[] = {
      {"Ctrl adds an item", 1, MK_CONTROL, {1, 4}},
      {"a plain click selects one", 0, 0, {0}},
      {"Shift selects the range from the anchor", 3, MK_SHIFT, {0, 1, 2, 3}},
      {"Ctrl takes one away", 2, MK_CONTROL, {0, 1, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    form.events.clear();
    ClickItem(c.item, c.keys);
    EXPECT_EQ(WindowSelection(), c.selected);
    EXPECT_EQ(ControlSelection(), c.selected);
    EXPECT_EQ(form.list.SelCount(), static_cast<int>(c.selected.size()));
    EXPECT_EQ(form.list.ItemIndex(), c.item);
    EXPECT_FALSE(form.events.empty());
  }

  form.list.SetMultiSelect(false);
  EXPECT_FALSE(Style() & LBS_EXTENDEDSEL);
  EXPECT_EQ(SendMessageA(List(), LB_GETCURSEL, 0, 0), 2) << "the focused item becomes the selection";
}

TEST_F(ListBoxCheck, TheTopIndexAndTheItemsGeometryAgreeWithTheWindow) {
  form.AddItems(50);
  form.list.SetItemIndex(0);  // else the first key only selects the focused item
  struct Scroll {
    const char* what;
    UINT message;
    WPARAM wParam;
  } scrolls[] = {
      {"scroll bar", WM_VSCROLL, SB_PAGEDOWN},
      {"wheel", WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA)},
      {"End key", WM_KEYDOWN, VK_END},
      {"Home key", WM_KEYDOWN, VK_HOME},
  };
  int top = 0;
  for (const Scroll& s : scrolls) {
    SCOPED_TRACE(s.what);
    SendMessageA(List(), s.message, s.wParam, 0);
    EXPECT_NE(SendMessageA(List(), LB_GETTOPINDEX, 0, 0), top) << "the window scrolled";
    top = static_cast<int>(SendMessageA(List(), LB_GETTOPINDEX, 0, 0));
    EXPECT_EQ(form.list.TopIndex(), top);
  }
  form.list.SetTopIndex(49);
  EXPECT_LT(SendMessageA(List(), LB_GETTOPINDEX, 0, 0), 49) << "the last page stays full";
  EXPECT_EQ(form.list.TopIndex(), SendMessageA(List(), LB_GETTOPINDEX, 0, 0));
  form.list.SetTopIndex(20);
  ASSERT_EQ(SendMessageA(List(), LB_GETTOPINDEX, 0, 0), 20);

  // The client area is what the frame and the scroll bar leave; rows start at its top.
  RECT client;
  GetClientRect(List(), &client);
  EXPECT_EQ(form.list.ClientWidth(), client.right);
  EXPECT_EQ(form.list.ClientHeight(), client.bottom);
  POINT origin{0, 0};
  ClientToScreen(List(), &origin);
  EXPECT_EQ(form.list.ClientToScreen({0, 0}), (ui::TPoint{origin.x, origin.y}));
  for (int index : {20, 22, 25}) {
    RECT r;
    SendMessageA(List(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(form.list.ItemRect(index), (ui::TRect{r.left, r.top, r.right, r.bottom})) << index;
  }
  for (ui::TPoint p : {ui::TPoint{0, 0}, ui::TPoint{10, 17}, ui::TPoint{client.right - 1, client.bottom - 1}}) {
    const LRESULT hit = SendMessageA(List(), LB_ITEMFROMPOINT, 0, MAKELPARAM(p.x, p.y));
    EXPECT_EQ(form.list.ItemAtPos(p, true), LOWORD(hit)) << p.x << "," << p.y;
  }
  EXPECT_EQ(form.list.ItemAtPos({client.right, 5}, true), -1) << "over the scroll bar";
}

TEST_F(ListBoxCheck, BulkChangesReachTheWindowWithoutARepaintBetween) {
  form.AddItems(3);
  {
    win32_check::SentMessages sent(List());
    std::vector<std::string> items;
    for (int i = 0; i < 200; ++i) items.push_back("file " + std::to_string(i) + ".mid");
    form.list.Assign(items);
    ASSERT_FALSE(sent.all.empty());
    EXPECT_EQ(sent.all.front().message, static_cast<UINT>(WM_SETREDRAW));
    EXPECT_EQ(sent.all.front().wParam, FALSE);
    const auto redraws = sent.Of(WM_SETREDRAW);
    EXPECT_EQ(redraws.back().wParam, TRUE);
    EXPECT_EQ(sent.Of(LB_RESETCONTENT).size(), 1u);
    const auto storage = sent.Of(LB_INITSTORAGE);
    ASSERT_EQ(storage.size(), 1u) << "the storage for all items at once";
    EXPECT_EQ(storage[0].wParam, 200u);
    EXPECT_GE(storage[0].lParam, 200 * 11);
    EXPECT_EQ(sent.Of(LB_ADDSTRING).size(), 200u);
  }
  EXPECT_EQ(SendMessageA(List(), LB_GETCOUNT, 0, 0), 200);

  // A run of changes: the scroll bar follows once, at the end.
  SCROLLINFO range{};
  range.cbSize = sizeof range;
  range.fMask = SIF_RANGE;
  form.list.Clear();
  form.list.BeginUpdate();
  form.list.BeginUpdate();
  form.AddItems(40);
  form.list.EndUpdate();
  GetScrollInfo(List(), SB_VERT, &range);
  EXPECT_LT(range.nMax, 39) << "nothing recomputed while the run lasts";
  form.list.EndUpdate();
  GetScrollInfo(List(), SB_VERT, &range);
  EXPECT_EQ(range.nMax, 39);
  EXPECT_EQ(SendMessageA(List(), LB_GETCOUNT, 0, 0), 40);

  // The items a run changes reach the window in one fill at its end, with the selection and the top row.
  {
    win32_check::SentMessages sent(List());
    form.list.BeginUpdate();
    form.list.Insert(0, "first.mid");
    form.list.Delete(5);
    form.list.Add("last.mid");
    form.list.SetItemIndex(30);
    form.list.SetTopIndex(20);
    EXPECT_TRUE(sent.Of(LB_INSERTSTRING).empty() && sent.Of(LB_DELETESTRING).empty()) << "nothing while it lasts";
    form.list.EndUpdate();
    EXPECT_EQ(sent.Of(LB_INITSTORAGE).size(), 1u);
    EXPECT_TRUE(sent.Of(LB_INSERTSTRING).empty() && sent.Of(LB_DELETESTRING).empty());
  }
  EXPECT_EQ(ListBoxTexts(), form.list.Items());
  EXPECT_EQ(SendMessageA(List(), LB_GETCURSEL, 0, 0), 30);
  EXPECT_EQ(SendMessageA(List(), LB_GETTOPINDEX, 0, 0), form.list.TopIndex());
  EXPECT_EQ(form.list.TopIndex(), 20);
}

}  // namespace
