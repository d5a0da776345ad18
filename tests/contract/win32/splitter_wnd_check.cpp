// The splitter window on Win32: its drag line is drawn over the panes' windows, and a drag made of
// window messages moves the bar.
#include <gtest/gtest.h>

#include "controls/splitter_wnd.h"
#include "os/fake/fake_collation.h"
#include "os/fake/fake_file_dialogs.h"
#include "os/fake/fake_file_system.h"
#include "os/fake/fake_notify_area.h"
#include "os/fake/fake_registry.h"
#include "os/fake/fake_shell.h"
#include "os/fake/fake_thread_priority.h"
#include "os/services.h"
#include "ui/forms.h"
#include "ui/win32/win32_backend.h"

namespace {

HWND H(const ui::TControl& control) { return reinterpret_cast<HWND>(control.Handle()); }

struct SplitterForm : ui::TForm {
  controls::TSplitterWnd splitter{this, "SplitterWnd1"};
  controls::TPane pane1{this, "Pane1"}, pane2{this, "Pane2"};

  SplitterForm() : TForm(nullptr, "SplitterForm") {
    SetClientWidth(334);
    SetClientHeight(204);
    splitter.SetParent(this);
    splitter.SetBounds(4, 4, 326, 196);
    pane1.SetSplitterWnd(&splitter);
    pane1.SetPaneSize(149);
    pane2.SetSplitterWnd(&splitter);
    pane2.SetPaneSize(177);
    splitter.Loaded();
  }
};

class SplitterWndCheck : public ::testing::Test {
 protected:
  os::Win32MessageLoop loop;
  ui::Win32Backend backend{loop};
  os::FakeNotifyArea notifyArea;
  os::FakeThreadPriority threadPriority;
  os::FakeFileSystem files;
  os::FakeRegistry registry;
  os::FakeShell shell;
  os::FakeCollation collation;
  os::FakeFileDialogs fileDialogs{files};
  os::Services services{loop, notifyArea, threadPriority, files, registry, shell, collation, fileDialogs, {}};
  ui::TApplication app{backend, services};
  SplitterForm form;

  void SetUp() override {
    app.CreateForm(form);
    form.SetVisible(true);
    loop.ProcessPending();
    UpdateWindow(H(form));
    loop.ProcessPending();
  }

  // A pixel of the second pane, at splitter coordinates.
  COLORREF PanePixel(int x, int y) {
    HDC dc = GetDC(H(form.pane2));
    const COLORREF pixel = GetPixel(dc, x - form.pane2.Left(), y - form.pane2.Top());
    ReleaseDC(H(form.pane2), dc);
    return pixel;
  }
};

TEST_F(SplitterWndCheck, DragLineCrossesThePanesAndTheReleaseMovesTheBar) {
  HWND splitter = H(form.splitter);
  ASSERT_EQ(GetParent(H(form.pane2)), splitter);
  EXPECT_TRUE(GetWindowLongA(splitter, GWL_STYLE) & WS_CLIPCHILDREN);
  form.splitter.BarStyle = controls::TBarStyle::sbSolid;
  const COLORREF face = PanePixel(200, 50);

  SendMessageA(splitter, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(149, 50));
  SendMessageA(splitter, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(200, 50));
  EXPECT_EQ(PanePixel(200, 50), face ^ 0xFFFFFF) << "the line is drawn over the pane's window";
  EXPECT_EQ(PanePixel(204, 50), face);
  SendMessageA(splitter, WM_LBUTTONUP, 0, MAKELPARAM(200, 50));
  EXPECT_EQ(form.pane1.PaneSize(), 200);
  RECT r;
  GetWindowRect(H(form.pane2), &r);
  MapWindowPoints(nullptr, splitter, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 202);
  EXPECT_EQ(r.right, 326);
  loop.ProcessPending();
  UpdateWindow(H(form));
  EXPECT_EQ(PanePixel(250, 50), face) << "no line is left behind";
}

TEST_F(SplitterWndCheck, CheckeredLineInvertsEveryOtherPixelAndTheBarShowsTheSplitPointer) {
  SendMessageA(H(form.splitter), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(149, 50));
  SendMessageA(H(form.splitter), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(200, 50));
  EXPECT_NE(PanePixel(200, 50), PanePixel(201, 50));
  EXPECT_NE(PanePixel(200, 50), PanePixel(200, 51));
  SendMessageA(H(form.splitter), WM_LBUTTONUP, 0, MAKELPARAM(200, 50));
  EXPECT_EQ(PanePixel(250, 50), PanePixel(251, 50));

  SendMessageA(H(form.splitter), WM_SETCURSOR, reinterpret_cast<WPARAM>(H(form.splitter)),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZEWE));
}

}  // namespace
