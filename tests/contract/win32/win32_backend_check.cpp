// The component library's native peers under Win32: what the windows show, and the window messages a
// user's actions make becoming the controls' events. Forms are created hidden unless the check needs
// pixels on screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "os/services.h"
#include "support/fake_services.h"
#include "ui/canvas.h"
#include "ui/forms.h"
#include "ui/menus.h"
#include "ui/message_window.h"
#include "ui/stdctrls.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_window.h"
#include "win32_check.h"

namespace {

HWND H(const ui::TControl& control) { return reinterpret_cast<HWND>(control.Handle()); }

std::string WindowText(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::vector<std::string> ListItems(HWND list) {
  std::vector<std::string> items;
  const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[256] = {};
    SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
    items.push_back(text);
  }
  return items;
}

SIZE ClientSize(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  return SIZE{r.right, r.bottom};
}

std::string ClassName(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// Answers the message boxes the thread shows while it lives, recording their text and caption.
class MessageBoxes {
 public:
  MessageBoxes() : hook_(SetWindowsHookExA(WH_CBT, &Hook, nullptr, GetCurrentThreadId())) { current_ = this; }
  ~MessageBoxes() {
    UnhookWindowsHookEx(hook_);
    current_ = nullptr;
  }
  MessageBoxes(const MessageBoxes&) = delete;
  MessageBoxes& operator=(const MessageBoxes&) = delete;
  std::vector<std::string> shown;  // "caption: text"

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    // The box is read and answered from inside its own loop, once it has its text.
    HWND box = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && current_ && ClassName(box) == "#32770") SetTimer(box, 1, 1, &Answer);
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static void CALLBACK Answer(HWND box, UINT, UINT_PTR timer, DWORD) {
    KillTimer(box, timer);
    std::string text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      if (!lstrcmpiA(ClassName(child).c_str(), "Static") && !WindowText(child).empty()) text = WindowText(child);
    if (current_) current_->shown.push_back(WindowText(box) + ": " + text);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  }
  static inline MessageBoxes* current_ = nullptr;
  HHOOK hook_;
};

class Painted : public ui::TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  void Paint() override {
    ++paints;
    Canvas().FillRect({0, 0, Width(), Height()}, ui::clRed);
  }
  int paints = 0;
};

struct CheckForm : ui::TForm {
  ui::TMainMenu menu{this, "MainMenu"};
  ui::TMenuItem list{this, "List", "&List"}, display{this, "Display", "&Display"};
  ui::TMenuItem open{this, "Open", "&Open List...", ui::Ctrl('O')}, separator{this, "N1", "-"};
  ui::TMenuItem hidden{this, "Hidden", "Hidden"}, refresh{this, "Refresh", "&Refresh", 0x74};  // F5
  ui::TMenuItem loop{this, "Loop", "&Loop"}, shuffle{this, "Shuffle", "&Shuffle"};
  ui::TPopupMenu popup{this, "Popup"};
  ui::TMenuItem popupOnly{this, "PopupOnly", "Popup only", 0x75};  // F6
  ui::TPanel panel{this, "Panel"};
  ui::TSpeedButton button{this, "SpdBtnPlay"};
  ui::TLabel label{this, "Label"};
  ui::TListBox songs{this, "SongList"};
  ui::TTrackBar track{this, "TrackBar"};
  Painted painted{this, "Painted"};
  std::vector<std::string> events;

  CheckForm() : TForm(nullptr, "CheckForm") {
    SetCaption("Check window");
    SetClientWidth(300);
    SetClientHeight(200);
    menu.Items().Add(list);
    menu.Items().Add(display);
    list.Add(open);
    list.Add(separator);
    list.Add(hidden);
    list.Add(refresh);
    hidden.SetVisible(false);
    display.Add(loop);
    display.Add(shuffle);
    loop.RadioItem = shuffle.RadioItem = true;
    shuffle.SetChecked(true);
    loop.SetEnabled(false);
    SetMenu(&menu);
    popup.Items().Add(popupOnly);
    panel.SetParent(this);
    panel.SetBounds(0, 0, 200, 31);
    button.SetParent(&panel);
    button.SetBounds(2, 2, 28, 28);
    button.SetHint("Play");
    label.SetParent(&panel);
    label.SetBounds(40, 2, 60, 13);
    label.SetCaption("Loop");
    songs.SetParent(this);
    songs.SetBounds(2, 40, 150, 100);
    track.SetParent(this);
    track.SetBounds(2, 150, 200, 26);
    painted.SetParent(this);
    painted.SetBounds(220, 40, 40, 30);
    auto record = [this](const char* what) { return [this, what](ui::TObject*) { events.push_back(what); }; };
    open.OnClick = record("open");
    refresh.OnClick = record("refresh");
    popupOnly.OnClick = record("popup only");
    button.OnClick = record("button click");
    button.OnMouseDown = [this](ui::TObject*, ui::TMouseButton, ui::TShiftState, int x, int y) {
      events.push_back("button down " + std::to_string(x) + "," + std::to_string(y));
    };
    label.OnClick = record("label click");
    label.OnDblClick = record("label double click");
    songs.OnClick = record("list click");
    songs.OnDblClick = record("list double click");
    track.OnChange = record("track change");
  }
};

class Win32BackendCheck : public ::testing::Test {
 protected:
  os::Win32MessageLoop loop;
  ui::Win32Backend backend{loop};
  testing_support::FakeServices fakes{loop};
  ui::TApplication app{backend, fakes.services};
  CheckForm form;

  void SetUp() override { app.CreateForm(form); }
};

TEST_F(Win32BackendCheck, FormHasAFixedBorderItsCaptionAndItsClientSizeWithOrWithoutTheMenuBar) {
  HWND window = H(form);
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_TRUE(style & WS_MAXIMIZEBOX);
  EXPECT_EQ(WindowText(window), "Check window");
  EXPECT_NE(GetMenu(window), nullptr);
  EXPECT_EQ(ClientSize(window).cx, 300);
  EXPECT_EQ(ClientSize(window).cy, 200);
  RECT frame;
  GetWindowRect(window, &frame);
  EXPECT_EQ(form.Width(), frame.right - frame.left);
  EXPECT_EQ(form.Height(), frame.bottom - frame.top);

  // Hiding every top-level item takes the bar away; the client area keeps its size.
  form.list.SetVisible(false);
  form.display.SetVisible(false);
  EXPECT_EQ(GetMenu(window), nullptr);
  EXPECT_EQ(ClientSize(window).cy, 200);
  form.display.SetVisible(true);
  EXPECT_NE(GetMenu(window), nullptr);
  EXPECT_EQ(ClientSize(window).cy, 200);

  form.SetClientHeight(150);
  EXPECT_EQ(ClientSize(window).cy, 150);
  form.SetCaption("Renamed");
  EXPECT_EQ(WindowText(window), "Renamed");
}

TEST_F(Win32BackendCheck, MaximizeCommandRunsTheFormsHandlerAndCloseAsksTheForm) {
  int maximized = 0;
  form.OnMaximize = [&] { ++maximized; };
  SendMessageA(H(form), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  SendMessageA(H(form), WM_SYSCOMMAND, SC_MAXIMIZE | 2, 0);  // a double click on the caption
  EXPECT_EQ(maximized, 2);
  EXPECT_FALSE(IsZoomed(H(form)));

  bool allow = false;
  form.OnCloseQuery = [&](ui::TObject*, bool& canClose) { canClose = allow; };
  SendMessageA(H(form), WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(H(form)));
  EXPECT_FALSE(loop.QuitRequested());
  allow = true;
  SendMessageA(H(form), WM_CLOSE, 0, 0);
  EXPECT_TRUE(loop.QuitRequested()) << "closing the main form ends the program";
}

TEST_F(Win32BackendCheck, MenuBarShowsCaptionsShortCutsMarksAndStatesAndItsCommandsClickTheItems) {
  HMENU bar = GetMenu(H(form));
  ASSERT_EQ(GetMenuItemCount(bar), 2);
  HMENU list = GetSubMenu(bar, 0), display = GetSubMenu(bar, 1);
  ASSERT_EQ(GetMenuItemCount(list), 3) << "the invisible item is left out";
  char text[64] = {};
  GetMenuStringA(list, 0, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "&Open List...\tCtrl+O");
  EXPECT_TRUE(GetMenuState(list, 1, MF_BYPOSITION) & MF_SEPARATOR);
  GetMenuStringA(list, 2, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "&Refresh\tF5");

  auto info = [&](int position) {
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID;
    GetMenuItemInfoA(GetSubMenu(GetMenu(H(form)), 1), position, TRUE, &item);
    return item;
  };
  EXPECT_TRUE(info(0).fType & MFT_RADIOCHECK);
  EXPECT_TRUE(info(0).fState & MFS_GRAYED);
  EXPECT_FALSE(info(0).fState & MFS_CHECKED);
  EXPECT_TRUE(info(1).fState & MFS_CHECKED);
  form.loop.SetEnabled(true);
  form.loop.SetChecked(true);
  EXPECT_TRUE(info(0).fState & MFS_CHECKED);
  EXPECT_FALSE(info(0).fState & MFS_GRAYED);
  EXPECT_FALSE(info(1).fState & MFS_CHECKED);
  (void)display;

  SendMessageA(H(form), WM_COMMAND, GetMenuItemID(GetSubMenu(GetMenu(H(form)), 0), 0), 0);
  EXPECT_EQ(form.events, std::vector<std::string>{"open"});
}

TEST_F(Win32BackendCheck, MainMenuShortCutsClickTheirItemsWhateverHasTheFocusAndWithTheBarHidden) {
  form.list.SetVisible(false);
  form.display.SetVisible(false);
  ASSERT_EQ(GetMenu(H(form)), nullptr);
  PostMessageA(H(form.songs), WM_KEYDOWN, VK_F5, 0);
  PostMessageA(H(form.songs), WM_KEYDOWN, VK_F6, 0);  // a popup menu's, and the list's popup is another
  PostMessageA(H(form.songs), WM_KEYDOWN, VK_F7, 0);  // no item has it
  loop.ProcessPending();
  EXPECT_EQ(form.events, std::vector<std::string>{"refresh"});
}

TEST_F(Win32BackendCheck, ControlsMirrorTheirProperties) {
  EXPECT_EQ(GetParent(H(form.button)), H(form.panel));
  EXPECT_EQ(WindowText(H(form.button)), "Play") << "a glyph button's window text is its hint";
  form.button.SetHint("Stop");
  EXPECT_EQ(WindowText(H(form.button)), "Stop");
  form.button.SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(H(form.button)));
  EXPECT_EQ(WindowText(H(form.label)), "Loop");
  form.label.SetVisible(false);
  EXPECT_FALSE(GetWindowLongA(H(form.label), GWL_STYLE) & WS_VISIBLE);

  form.songs.SetBounds(4, 42, 140, 90);
  RECT r;
  GetWindowRect(H(form.songs), &r);
  MapWindowPoints(nullptr, H(form), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 4);
  EXPECT_EQ(r.top, 42);
  EXPECT_EQ(r.right - r.left, 140);

  ui::TListBox& songs = form.songs;
  HWND list = H(songs);
  songs.Add("a");
  songs.Add("b");
  songs.Add("c");
  songs.Insert(1, "x");
  EXPECT_EQ(ListItems(list), songs.Items());
  songs.SetItemIndex(2);
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 2);
  songs.Delete(0);
  EXPECT_EQ(ListItems(list), songs.Items());
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), songs.ItemIndex());
  songs.SetItem(0, "y");
  songs.Exchange(0, 2);
  EXPECT_EQ(ListItems(list), songs.Items());
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), songs.ItemIndex());
  songs.SetHorizontalExtent(400);
  EXPECT_EQ(SendMessageA(list, LB_GETHORIZONTALEXTENT, 0, 0), 400);
  songs.Clear();
  EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 0);

  ui::TTrackBar& track = form.track;
  track.SetMax(50);
  track.SetPosition(20);
  track.SetSelStart(20);
  track.SetSelEnd(50);
  HWND bar = H(track);
  EXPECT_EQ(SendMessageA(bar, TBM_GETRANGEMAX, 0, 0), 50);
  EXPECT_EQ(SendMessageA(bar, TBM_GETPOS, 0, 0), 20);
  EXPECT_EQ(SendMessageA(bar, TBM_GETSELSTART, 0, 0), 20);
  EXPECT_EQ(SendMessageA(bar, TBM_GETSELEND, 0, 0), 50);
  EXPECT_TRUE(form.events.empty()) << "the program's changes fire no user events";
}

WNDPROC replacedProcedure = nullptr;
LRESULT CALLBACK ForwardingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(replacedProcedure, window, message, wParam, lParam);
}

TEST_F(Win32BackendCheck, PeersAreFoundFromTheirWindowsWhateverReplacedTheWindowProcedure) {
  // Something else subclasses the button, as a tool tip with TTF_SUBCLASS would.
  HWND button = H(form.button);
  replacedProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForwardingProcedure)));
  for (ui::TControl* control : std::vector<ui::TControl*>{&form, &form.panel, &form.button, &form.label, &form.songs,
                                                          &form.track, &form.painted}) {
    SCOPED_TRACE(control->Name());
    EXPECT_EQ(ui::win32::WindowPeer::FromWindow(H(*control)), control->GetPeer());
  }
  SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(replacedProcedure));
  EXPECT_EQ(ui::win32::WindowPeer::FromWindow(GetDesktopWindow()), nullptr);
  EXPECT_EQ(ui::win32::WindowPeer::FromWindow(nullptr), nullptr);

  // Child windows have control IDs of their own, by which their parent finds them.
  std::vector<int> ids;
  for (ui::TControl* control : form.Controls()) {
    if (!control->Handle()) continue;
    const int id = GetDlgCtrlID(H(*control));
    EXPECT_NE(id, 0) << control->Name();
    EXPECT_EQ(GetDlgItem(H(form), id), H(*control)) << control->Name();
    ids.push_back(id);
  }
  std::sort(ids.begin(), ids.end());
  EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end()) << "IDs are unique among siblings";
}

struct OwnedToolTips {
  HWND owner;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectToolTip(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<OwnedToolTips*>(param);
  if (GetWindow(window, GW_OWNER) == search.owner && !lstrcmpiA(ClassName(window).c_str(), TOOLTIPS_CLASSA))
    search.found.push_back(window);
  return TRUE;
}

// The tool-tip windows owned by a window of this thread.
std::vector<HWND> ToolTipsOf(HWND owner) {
  OwnedToolTips search{owner, {}};
  EnumThreadWindows(GetCurrentThreadId(), &CollectToolTip, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// What the tip shows for a control: it asks the form each time (Windows' comctl32 5 may answer with
// the callback marker instead; Wine and comctl32 6 ask).
std::string TipText(HWND tip, HWND form, HWND control) {
  char text[80] = {};
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.hwnd = form;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text;
  SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
  return text;
}

TEST_F(Win32BackendCheck, OneToolTipPerFormHoldsTheCurrentHintsOfAllItsControls) {
  form.songs.SetHint("Double click to play");
  form.label.SetHint("Toggle play mode");
  ui::TForm other(nullptr, "Other");
  ui::TSpeedButton otherButton(&other, "OtherButton");
  otherButton.SetParent(&other);
  otherButton.SetHint("Elsewhere");
  app.CreateForm(other);

  const std::vector<HWND> tips = ToolTipsOf(H(form));
  ASSERT_EQ(tips.size(), 1u);
  ASSERT_EQ(ToolTipsOf(H(other)).size(), 1u);
  HWND tip = tips[0];
  EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 3) << "the button, the list and the label";
  EXPECT_EQ(TipText(tip, H(form), H(form.button)), "Play");
  EXPECT_EQ(TipText(tip, H(form), H(form.songs)), "Double click to play");
  EXPECT_EQ(TipText(tip, H(form), H(form.label)), "Toggle play mode");

  form.songs.SetHint("Changed");
  EXPECT_EQ(TipText(tip, H(form), H(form.songs)), "Changed");
  form.songs.ShowHint = false;
  EXPECT_EQ(TipText(tip, H(form), H(form.songs)), "");
  form.label.SetHint("");
  EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 2) << "a control without a hint is no tool";
  form.track.SetHint("Drag and Release");
  EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 3);
  EXPECT_EQ(TipText(tip, H(form), H(form.track)), "Drag and Release");
}

// The tip is handed the mouse messages of its tools, and of no other control; the other messages of a
// tool do not pass through the tip at all.
TEST_F(Win32BackendCheck, TheToolsMouseMessagesReachTheirFormsTip) {
  const std::vector<HWND> tips = ToolTipsOf(H(form));
  ASSERT_EQ(tips.size(), 1u);
  win32_check::SentMessages toTip(tips[0]);
  SendMessageA(H(form.songs), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  SendMessageA(H(form.songs), LB_GETCOUNT, 0, 0);
  EXPECT_TRUE(toTip.Of(TTM_RELAYEVENT).empty()) << "the list has no hint";
  SendMessageA(H(form.button), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  SendMessageA(H(form.button), WM_GETTEXTLENGTH, 0, 0);
  EXPECT_EQ(toTip.Of(TTM_RELAYEVENT).size(), 1u);
  SendMessageA(H(form.button), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(H(form.button), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(toTip.Of(TTM_RELAYEVENT).size(), 3u);
}

TEST_F(Win32BackendCheck, UserActionsBecomeTheControlsEvents) {
  HWND button = H(form.button);
  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
  SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 6));
  HWND label = H(form.label);
  SendMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
  SendMessageA(label, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
  SendMessageA(label, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(1, 1));
  SendMessageA(label, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
  EXPECT_EQ(form.events, (std::vector<std::string>{"button down 5,6", "button click", "label click",
                                                   "label double click"}));
  form.events.clear();

  form.songs.Add("a");
  form.songs.Add("b");
  form.songs.Add("c");
  HWND list = H(form.songs);
  SendMessageA(list, LB_SETCURSEL, 2, 0);
  SendMessageA(H(form), WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  EXPECT_EQ(form.songs.ItemIndex(), 2);
  SendMessageA(H(form), WM_COMMAND, MAKEWPARAM(0, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));

  form.track.SetMax(30);
  HWND bar = H(form.track);
  SendMessageA(bar, TBM_SETPOS, TRUE, 7);
  SendMessageA(H(form), WM_HSCROLL, TB_THUMBTRACK, reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(form.track.Position(), 7);
  SendMessageA(H(form), WM_HSCROLL, TB_ENDTRACK, reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(form.events, (std::vector<std::string>{"list click", "list double click", "track change"}));
}

TEST_F(Win32BackendCheck, AnErrorFromAnEventShowsTheStandardErrorBoxOnceWhereverTheEventCameFrom) {
  app.SetTitle("Check");
  auto fail = [](const char* what) { return [what](ui::TObject*) { throw ui::Exception(what); }; };
  form.button.OnClick = fail("Click failed");
  form.refresh.OnClick = fail("Short-cut failed");
  struct Case {
    const char* source;
    std::function<void()> act;
    std::string shown;
  } cases[] = {
      {"window message",
       [&] {
         SendMessageA(H(form.button), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
         SendMessageA(H(form.button), WM_LBUTTONUP, 0, MAKELPARAM(5, 6));
       },
       "Check: Click failed."},
      {"short-cut key in the message loop", [&] { PostMessageA(H(form.songs), WM_KEYDOWN, VK_F5, 0); },
       "Check: Short-cut failed."},
      {"posted task", [&] { loop.Post([] { throw std::runtime_error("Task failed"); }); }, "Check: Task failed."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.source);
    MessageBoxes boxes;
    c.act();
    loop.ProcessPending();
    EXPECT_EQ(boxes.shown, std::vector<std::string>{c.shown});
  }
}

TEST_F(Win32BackendCheck, CustomControlPaintsThroughItsCanvasAndTheCanvasDrawsOutsidePaintToo) {
  form.SetVisible(true);
  loop.ProcessPending();
  UpdateWindow(H(form));
  loop.ProcessPending();
  EXPECT_GT(form.painted.paints, 0);
  HDC dc = GetDC(H(form.painted));
  EXPECT_EQ(GetPixel(dc, 3, 3), RGB(255, 0, 0));
  form.painted.Canvas().FillRect({0, 0, 10, 10}, ui::clLime);
  form.painted.Canvas().PenColor = ui::TColor{0xFF0000};
  form.painted.Canvas().MoveTo(0, 20);
  form.painted.Canvas().LineTo(10, 20);
  EXPECT_EQ(GetPixel(dc, 3, 3), RGB(0, 255, 0));
  EXPECT_EQ(GetPixel(dc, 9, 20), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(dc, 10, 20), RGB(255, 0, 0)) << "a line leaves its end point undrawn";
  form.painted.Canvas().PatternInvert({0, 0, 2, 1});
  EXPECT_NE(GetPixel(dc, 0, 0), GetPixel(dc, 1, 0)) << "checker pattern";
  // Lines of two colours in turn, each colour's pen kept for the next line.
  ui::TCanvas& canvas = form.painted.Canvas();
  for (int y : {22, 23, 24, 25}) {
    canvas.PenColor = y % 2 ? ui::clYellow : ui::clNavy;
    canvas.MoveTo(0, y);
    canvas.LineTo(10, y);
  }
  EXPECT_EQ(GetPixel(dc, 5, 22), RGB(0, 0, 128));
  EXPECT_EQ(GetPixel(dc, 5, 23), RGB(255, 255, 0));
  EXPECT_EQ(GetPixel(dc, 5, 24), RGB(0, 0, 128));
  EXPECT_EQ(GetPixel(dc, 5, 25), RGB(255, 255, 0));
  ReleaseDC(H(form.painted), dc);
  // The control draws outside paint requests on a DC of its own, which keeps what the last drawing on it
  // left; the canvas's drawings do not depend on it.
  EXPECT_TRUE(GetClassLongA(H(form.painted), GCL_STYLE) & CS_OWNDC);
  dc = GetDC(H(form.painted));
  SetROP2(dc, R2_NOT);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 255, 0));
  SetBkColor(dc, RGB(0, 255, 0));
  ReleaseDC(H(form.painted), dc);
  canvas.PenColor = ui::clNavy;
  canvas.MoveTo(0, 27);
  canvas.LineTo(10, 27);
  canvas.BrushColor = ui::clWhite;
  canvas.TextAt(20, 2, " ");
  dc = GetDC(H(form.painted));
  EXPECT_EQ(GetPixel(dc, 5, 27), RGB(0, 0, 128));
  EXPECT_EQ(GetPixel(dc, 21, 3), RGB(255, 255, 255)) << "text on an opaque background";
  ReleaseDC(H(form.painted), dc);
  const ui::TSize extent = form.painted.Canvas().TextExtent("Hello");
  EXPECT_GT(extent.cx, 10);
  EXPECT_GT(extent.cy, 5);
}

TEST_F(Win32BackendCheck, TheTrackBarIsSentOnlyTheSelectionEndThatMovedAndRepaintsOnce) {
  ui::TTrackBar& track = form.track;
  HWND bar = H(track);
  track.SetMax(100);
  track.SetSelEnd(100);
  {
    win32_check::SentMessages sent(bar);
    track.SetSelStart(30);
    EXPECT_TRUE(sent.Of(TBM_SETSELEND).empty());
    const auto starts = sent.Of(TBM_SETSELSTART);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].wParam, TRUE) << "redrawn at once";
    EXPECT_EQ(starts[0].lParam, 30);
  }
  {
    win32_check::SentMessages sent(bar);
    track.SetSelEnd(90);
    EXPECT_TRUE(sent.Of(TBM_SETSELSTART).empty());
    EXPECT_EQ(sent.Of(TBM_SETSELEND).size(), 1u);
  }
  EXPECT_EQ(SendMessageA(bar, TBM_GETSELSTART, 0, 0), 30);
  EXPECT_EQ(SendMessageA(bar, TBM_GETSELEND, 0, 0), 90);

  // An end beyond the range the window has is cut by it, and shown whole once the range takes it.
  track.SetSelEnd(150);
  EXPECT_EQ(SendMessageA(bar, TBM_GETSELEND, 0, 0), 100);
  track.SetMax(200);
  EXPECT_EQ(SendMessageA(bar, TBM_GETSELEND, 0, 0), 150);
}

TEST_F(Win32BackendCheck, ATextButtonPaintsItsCaptionWhileItsWindowTextStaysItsHint) {
  ui::TSpeedButton addAll(&form, "BtnAddAll");
  addAll.SetCaption("<<");
  addAll.SetHint("Add All Files to List");
  addAll.SetBounds(220, 80, 37, 23);
  addAll.SetParent(&form);
  addAll.SetCaption(">>");
  EXPECT_EQ(WindowText(H(addAll)), "Add All Files to List");

  form.SetVisible(true);
  loop.ProcessPending();
  // Pixels of the caption: dark ones while enabled, the embossed shadow's while disabled.
  auto count = [&](auto matches) {
    UpdateWindow(H(addAll));
    HDC dc = GetDC(H(addAll));
    int found = 0;
    for (int y = 0; y < 23; ++y)
      for (int x = 0; x < 37; ++x) found += matches(GetPixel(dc, x, y));
    ReleaseDC(H(addAll), dc);
    return found;
  };
  auto dark = [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 64; };
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  EXPECT_GT(count(dark), 5);
  addAll.SetEnabled(false);
  EXPECT_EQ(count(dark), 0);
  EXPECT_GT(count([&](COLORREF c) { return c == shadow; }), 5);
}

TEST_F(Win32BackendCheck, ALabelSizedToItsTextExtentShowsAllOfItsCaption) {
  ui::TLabel random(&form, "LblRandom");
  random.SetCaption("Random");
  random.SetParent(&form);
  const ui::TSize extent = random.Canvas().TextExtent("Random");
  random.SetBounds(160, 110, extent.cx, extent.cy);
  form.SetVisible(true);
  loop.ProcessPending();
  UpdateWindow(H(random));

  // The caption drawn as the label draws it, with room to spare: nothing of it may lie beyond the
  // label's width, and the label shows the rest pixel for pixel.
  const int spare = 20, width = extent.cx + spare, height = extent.cy;
  HDC screen = GetDC(nullptr);
  HDC reference = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ oldBitmap = SelectObject(reference, bitmap);
  HGDIOBJ oldFont = SelectObject(reference, reinterpret_cast<HFONT>(SendMessageA(H(random), WM_GETFONT, 0, 0)));
  RECT all{0, 0, width, height};
  FillRect(reference, &all, GetSysColorBrush(COLOR_BTNFACE));
  SetBkColor(reference, GetSysColor(COLOR_BTNFACE));
  SetTextColor(reference, GetSysColor(COLOR_WINDOWTEXT));
  DrawTextA(reference, "Random", -1, &all, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
  HDC label = GetDC(H(random));
  int differing = 0, beyond = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF expected = GetPixel(reference, x, y);
      if (x < extent.cx) {
        differing += GetPixel(label, x, y) != expected;
      } else {
        beyond += expected != GetSysColor(COLOR_BTNFACE);
      }
    }
  }
  ReleaseDC(H(random), label);
  SelectObject(reference, oldFont);
  SelectObject(reference, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(reference);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(beyond, 0) << "the caption reaches past the extent measured";
  EXPECT_EQ(differing, 0);
}

TEST_F(Win32BackendCheck, ApplicationWindowHidesAndShowsTheMainFormsButton) {
  form.SetVisible(true);
  loop.ProcessPending();
  EXPECT_TRUE(IsWindowVisible(H(form)));
  backend.ShowApplicationWindow(false);
  loop.ProcessPending();
  EXPECT_FALSE(IsWindowVisible(H(form)));
  backend.ShowApplicationWindow(true);
  loop.ProcessPending();
  EXPECT_TRUE(IsWindowVisible(H(form)));
  form.SetVisible(false);
  loop.ProcessPending();
  EXPECT_FALSE(IsWindowVisible(H(form)));
}

TEST_F(Win32BackendCheck, AFormShownAndHiddenInOneHandlerNeverReachesTheScreen) {
  form.SetVisible(true);
  EXPECT_FALSE(IsWindowVisible(H(form))) << "the window follows once the handler has returned";
  form.SetVisible(false);
  loop.ProcessPending();
  EXPECT_FALSE(IsWindowVisible(H(form)));
  form.SetVisible(true);
  loop.ProcessPending();
  EXPECT_TRUE(IsWindowVisible(H(form)));
}

TEST_F(Win32BackendCheck, BusyCursorHoldsOverEveryWindow) {
  backend.SetCursor(ui::TCursor::crHourGlass);
  SendMessageA(H(form.songs), WM_SETCURSOR, reinterpret_cast<WPARAM>(H(form.songs)), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_WAIT));
  backend.SetCursor(ui::TCursor::crDefault);
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
}

TEST_F(Win32BackendCheck, DragPointersAreDrawnWithTheirHotSpotAtTheArrowsTip) {
  const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
  const HCURSOR drag = backend.CursorHandle(ui::TCursor::crDrag);
  const HCURSOR multiDrag = backend.CursorHandle(ui::TCursor::crMultiDrag);
  EXPECT_EQ(backend.CursorHandle(ui::TCursor::crNoDrop), LoadCursorA(nullptr, IDC_NO));
  EXPECT_EQ(backend.CursorHandle(ui::TCursor::crDefault), arrow);
  for (HCURSOR cursor : {drag, multiDrag}) {
    ASSERT_NE(cursor, nullptr);
    EXPECT_NE(cursor, arrow);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 0u);
    EXPECT_EQ(info.yHotspot, 0u);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
  EXPECT_NE(drag, multiDrag);
  EXPECT_EQ(backend.CursorHandle(ui::TCursor::crDrag), drag) << "made once";

  // The screen's pointer shows over every control, its own pointer notwithstanding.
  auto pointerOverList = [&] {
    HWND list = H(form.songs);
    SendMessageA(list, WM_SETCURSOR, reinterpret_cast<WPARAM>(list), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
  };
  form.songs.SetCursor(ui::TCursor::crHSplit);
  backend.SetCursor(ui::TCursor::crMultiDrag);
  EXPECT_EQ(pointerOverList(), multiDrag);
  backend.SetCursor(ui::TCursor::crDefault);
  EXPECT_EQ(pointerOverList(), LoadCursorA(nullptr, IDC_SIZEWE));
}

TEST_F(Win32BackendCheck, IconsDrawnFromPictures) {
  std::string picture;
  for (int row = 0; row < 32; ++row) picture += std::string(16, 'r') + std::string(16, '.') + "\n";
  const std::uintptr_t icon = backend.CreateIconFromPicture(picture);
  ASSERT_NE(icon, 0u);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(icon), &info));
  BITMAP bitmap{};
  GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
  EXPECT_EQ(bitmap.bmWidth, 32);
  EXPECT_EQ(bitmap.bmHeight, 32);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  backend.DestroyIcon(icon);

  EXPECT_EQ(backend.CreateIconFromPicture(picture.substr(1)), 0u) << "short picture";
  std::string unknownLetter = picture;
  unknownLetter[0] = 'q';
  EXPECT_EQ(backend.CreateIconFromPicture(unknownLetter), 0u);
  EXPECT_EQ(backend.LoadIconFile("C:\\no such folder\\none.ico"), 0u);
}

TEST_F(Win32BackendCheck, MessageWindowHearsItsMessagesAndTheShellsRestartBroadcast) {
  std::vector<unsigned> heard;
  ui::TMessageWindow window([&](unsigned message, std::uint32_t, std::uint32_t) { heard.push_back(message); });
  HWND handle = reinterpret_cast<HWND>(window.Handle());
  heard.clear();
  SendMessageA(handle, WM_USER + 10, 0, WM_RBUTTONUP);
  const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
  PostMessageA(HWND_BROADCAST, taskbarCreated, 0, 0);
  loop.ProcessPending();
  EXPECT_NE(std::find(heard.begin(), heard.end(), WM_USER + 10u), heard.end());
  EXPECT_NE(std::find(heard.begin(), heard.end(), ui::kShellRestartedMessage), heard.end())
      << "the restart broadcast arrives as the library's own message";
}

}  // namespace
