// The dialog controls' native peers under Win32: buttons, check and radio boxes in a group box, edit
// boxes with an up-down control, images and wrapped labels show what their controls hold, and what the
// user does in their windows becomes the controls' events.
#include "win32_ui_fixture.h"

#include <string>
#include <vector>

#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/image.h"
#include "ui/stdctrls.h"

namespace {

using win32_checks::ClassName;
using win32_checks::H;
using win32_checks::WindowText;

LONG StyleOf(const ui::TControl& control) { return GetWindowLongA(H(control), GWL_STYLE); }
LONG ExStyleOf(const ui::TControl& control) { return GetWindowLongA(H(control), GWL_EXSTYLE); }

struct DialogForm : ui::TForm {
  ui::TButton ok{this, "OKBtn"}, cancel{this, "CancelBtn"};
  ui::TGroupBox group{this, "GroupBox"};
  ui::TCheckBox avi{this, "CheckBoxAvi"};
  ui::TRadioButton first{this, "First"}, second{this, "Second"};
  ui::TEdit edit{this, "EditSkip"}, other{this, "EditWait"};
  ui::TUpDown upDown{this, "UpDownSkip"};
  ui::TImage image{this, "ImageFR"};
  ui::TLabel label{this, "Label1"};
  std::vector<std::string> events;

  DialogForm() : TForm(nullptr, "DialogForm") {
    SetCaption("Dialog controls");
    SetClientWidth(300);
    SetClientHeight(240);
    auto place = [this](ui::TControl& control, ui::TWinControl& parent, int x, int y, int w, int h) {
      control.SetParent(&parent);
      control.SetBounds(x, y, w, h);
    };
    place(ok, *this, 210, 10, 75, 25);
    place(cancel, *this, 210, 40, 75, 25);
    place(group, *this, 8, 10, 190, 90);
    place(avi, group, 10, 18, 170, 17);
    place(first, group, 10, 38, 170, 17);
    place(second, group, 10, 58, 170, 17);
    place(edit, *this, 10, 110, 40, 21);
    place(upDown, *this, 0, 0, 15, 0);
    place(other, *this, 100, 110, 60, 21);
    place(image, *this, 210, 80, 10, 10);
    place(label, *this, 10, 150, 120, 13);
    ok.SetCaption("OK");
    ok.SetDefault(true);
    cancel.SetCaption("Cancel");
    group.SetCaption("File types");
    avi.SetCaption("Register .avi file");
    first.SetCaption("First");
    second.SetCaption("Second");
    upDown.SetMin(1);
    upDown.SetMax(99);
    upDown.Wrap = true;
    upDown.SetPosition(98);
    upDown.SetAssociate(&edit);
    auto record = [this](const char* what) { return [this, what](ui::TObject*) { events.push_back(what); }; };
    ok.OnClick = record("ok");
    avi.OnClick = record("avi");
    second.OnClick = record("second");
    edit.OnExit = record("edit exit");
    other.OnEnter = record("other enter");
  }
};

struct DialogControlsCheck : win32_checks::Win32Ui {
  DialogForm form;
  void SetUp() override { app.CreateForm(form); }
  void Show() {
    form.SetVisible(true);
    loop.ProcessPending();
    SetForegroundWindow(H(form));
    loop.ProcessPending();
  }
};

TEST_F(DialogControlsCheck, ButtonsShowTheirKindAndReportEachClickOnce) {
  EXPECT_EQ(ClassName(H(form.ok)), "TunoraButton");
  EXPECT_EQ(WindowText(H(form.ok)), "OK");
  EXPECT_EQ(StyleOf(form.ok) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_EQ(StyleOf(form.cancel) & BS_TYPEMASK, BS_PUSHBUTTON);
  EXPECT_TRUE(StyleOf(form.ok) & WS_TABSTOP);
  EXPECT_FALSE(StyleOf(form.group) & WS_TABSTOP);
  form.ok.SetDefault(false);
  form.cancel.SetDefault(true);
  EXPECT_EQ(StyleOf(form.ok) & BS_TYPEMASK, BS_PUSHBUTTON);
  EXPECT_EQ(StyleOf(form.cancel) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  form.cancel.SetTabStop(false);
  EXPECT_FALSE(StyleOf(form.cancel) & WS_TABSTOP);

  // A press and release of the mouse on the button.
  SendMessageA(H(form.ok), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(H(form.ok), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(form.events, std::vector<std::string>{"ok"});
}

TEST_F(DialogControlsCheck, CheckMarksFollowTheControlsInsideTheirGroupBox) {
  EXPECT_EQ(GetParent(H(form.avi)), H(form.group));
  EXPECT_TRUE(ExStyleOf(form.group) & WS_EX_CONTROLPARENT) << "Tab reaches the boxes inside";
  EXPECT_EQ(StyleOf(form.avi) & BS_TYPEMASK, BS_CHECKBOX);
  form.avi.SetChecked(true);
  EXPECT_EQ(SendMessageA(H(form.avi), BM_GETCHECK, 0, 0), BST_CHECKED);
  SendMessageA(H(form.avi), BM_CLICK, 0, 0);  // the user's click, through the group box
  EXPECT_FALSE(form.avi.Checked());
  EXPECT_EQ(SendMessageA(H(form.avi), BM_GETCHECK, 0, 0), BST_UNCHECKED);

  form.first.SetChecked(true);
  SendMessageA(H(form.second), BM_CLICK, 0, 0);
  EXPECT_TRUE(form.second.Checked());
  EXPECT_EQ(SendMessageA(H(form.first), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageA(H(form.second), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(form.events, (std::vector<std::string>{"avi", "second"}));
}

TEST_F(DialogControlsCheck, AnEditShowsItsStylesAndTheUsersTypingReachesTheControl) {
  ui::TEdit& edit = form.edit;
  EXPECT_EQ(WindowText(H(edit)), "98");
  EXPECT_TRUE(ExStyleOf(edit) & WS_EX_CLIENTEDGE);
  edit.SetCtl3D(false);
  EXPECT_FALSE(ExStyleOf(edit) & WS_EX_CLIENTEDGE);
  EXPECT_TRUE(StyleOf(edit) & WS_BORDER) << "a flat border";
  edit.SetBorderStyle(ui::TBorderStyle::bsNone);
  EXPECT_FALSE(StyleOf(edit) & WS_BORDER);
  edit.SetReadOnly(true);
  EXPECT_TRUE(StyleOf(edit) & ES_READONLY);
  edit.SetReadOnly(false);
  EXPECT_FALSE(StyleOf(edit) & ES_READONLY);

  std::vector<std::string> seen;
  edit.OnKeyPress = [&](ui::TObject*, char& key) {
    seen.push_back(std::string(1, key));
    if (key == '*') key = 0;
  };
  edit.OnChange = [&](ui::TObject*) { seen.push_back("change " + edit.Text()); };
  edit.SetSelStart(2);
  DWORD start = 0, end = 0;
  SendMessageA(H(edit), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 2u);
  SendMessageA(H(edit), WM_CHAR, '*', 0);
  SendMessageA(H(edit), WM_CHAR, '7', 0);
  EXPECT_EQ(edit.Text(), "987");
  EXPECT_EQ(edit.SelStart(), 3) << "the caret after the character typed";
  EXPECT_EQ(seen, (std::vector<std::string>{"*", "7", "change 987"}));

  edit.SetText("Song");
  EXPECT_EQ(WindowText(H(edit)), "Song");
  SendMessageA(H(edit), EM_SETSEL, 1, 3);
  SendMessageA(H(edit), WM_KEYUP, VK_SHIFT, 0);  // the caret moved by keys
  EXPECT_EQ(edit.SelText(), "on");

  ui::TEdit oem(&form, "EditFile");
  oem.OEMConvert = true;
  oem.SetParent(&form);
  EXPECT_TRUE(StyleOf(oem) & ES_OEMCONVERT);
}

TEST_F(DialogControlsCheck, TheFocusLeavingAnEditFiresItsExitAndTabSkipsTheTextSelectionWhenAsked) {
  Show();
  form.edit.SetFocus();
  ASSERT_EQ(GetFocus(), H(form.edit));
  SetFocus(H(form.other));  // the user moves on
  EXPECT_EQ(form.events, (std::vector<std::string>{"edit exit", "other enter"}));
  EXPECT_EQ(app.Screen().ActiveControl(), &form.other);

  const auto code = [](const ui::TEdit& edit) { return SendMessageA(H(edit), WM_GETDLGCODE, 0, 0); };
  EXPECT_TRUE(code(form.other) & DLGC_HASSETSEL);
  form.other.AutoSelect = false;
  EXPECT_FALSE(code(form.other) & DLGC_HASSETSEL);
}

TEST_F(DialogControlsCheck, TheUpDownsArrowsAndTheUpKeyInItsEditStepThePosition) {
  EXPECT_EQ(ClassName(H(form.upDown)), "TunoraUpDown");
  EXPECT_EQ(form.upDown.Left(), 50) << "beside its edit";
  EXPECT_EQ(SendMessageA(H(form.upDown), UDM_GETPOS32, 0, 0), 98);
  RECT r;
  GetClientRect(H(form.upDown), &r);
  auto press = [&](int y) {
    SendMessageA(H(form.upDown), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right / 2, y));
    SendMessageA(H(form.upDown), WM_LBUTTONUP, 0, MAKELPARAM(r.right / 2, y));
  };
  press(2);  // the upper arrow
  EXPECT_EQ(form.edit.Text(), "99");
  press(2);
  EXPECT_EQ(form.edit.Text(), "1") << "wraps";
  EXPECT_EQ(SendMessageA(H(form.upDown), UDM_GETPOS32, 0, 0), 1);
  press(r.bottom - 2);  // the lower arrow
  EXPECT_EQ(form.edit.Text(), "99");

  SendMessageA(H(form.edit), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(form.edit.Text(), "98");
  EXPECT_EQ(form.upDown.Position(), 98);
}

TEST_F(DialogControlsCheck, AnImageShowsItsIconAndAWrappedLabelBreaksItsCaption) {
  form.image.SetAutoSize(true);
  form.image.SetIcon(ui::TIcon::FromApplication());
  EXPECT_EQ(form.image.Width(), 32);
  form.label.SetWordWrap(true);
  form.label.SetBounds(10, 150, 120, 13);
  EXPECT_EQ(StyleOf(form.label) & SS_TYPEMASK, SS_LEFT);
  form.label.SetCaption("MIDI Tunora can rigister the below file types.  After checking a file type, you can "
                        "double click a file icon to launch it with MIDI Tunora.");
  EXPECT_EQ(form.label.Width(), 120);
  EXPECT_GE(form.label.Height(), 4 * 13) << "several lines";
  form.label.SetAlignment(ui::TAlignment::taCenter);
  EXPECT_EQ(StyleOf(form.label) & SS_TYPEMASK, SS_CENTER);

  Show();
  UpdateWindow(H(form.image));
  HDC dc = GetDC(H(form.image));
  int drawn = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) drawn += GetPixel(dc, x, y) != GetSysColor(COLOR_BTNFACE);
  ReleaseDC(H(form.image), dc);
  EXPECT_GT(drawn, 50) << "the icon's pixels";
}

}  // namespace
