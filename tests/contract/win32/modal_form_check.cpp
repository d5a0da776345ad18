// Modal forms under Win32: a dialog frame owned by the form it belongs to, a nested run of the message
// loop that goes on serving timers, posted tasks and other threads' hand-overs while the owner is
// disabled, and the dialog keys (Tab, Shift+Tab, Enter, Esc) handled by the system's dialog manager.
// The keys are posted to the focused window as the keyboard would queue them.
#include "win32_ui_fixture.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "ui/buttons.h"
#include "ui/edits.h"

namespace {

using win32_checks::H;

struct MainForm : ui::TForm {
  MainForm() : TForm(nullptr, "MainForm") {
    SetCaption("Main");
    SetClientWidth(200);
    SetClientHeight(100);
  }
};

struct Dialog : ui::TForm {
  ui::TEdit edit{this, "Edit"};
  ui::TButton ok{this, "OKBtn"}, cancel{this, "CancelBtn"};
  std::vector<std::string> events;

  explicit Dialog(ui::TForm* owner) : TForm(owner, "Dialog") {
    SetCaption("Dialog");
    BorderStyle = ui::TFormBorderStyle::bsDialog;
    Position = ui::TPosition::poScreenCenter;
    SetClientWidth(257);
    SetClientHeight(181);
    edit.SetParent(this);
    edit.SetBounds(10, 10, 100, 21);
    ok.SetParent(this);
    ok.SetBounds(90, 150, 75, 25);
    ok.SetCaption("OK");
    ok.SetDefault(true);
    ok.ModalResult = ui::mrOk;
    cancel.SetParent(this);
    cancel.SetBounds(175, 150, 75, 25);
    cancel.SetCaption("Cancel");
    cancel.Cancel = true;
    cancel.ModalResult = ui::mrCancel;
    auto record = [this](const char* what) { return [this, what](ui::TObject*) { events.push_back(what); }; };
    edit.OnEnter = record("edit");
    ok.OnEnter = record("ok focused");
    cancel.OnEnter = record("cancel focused");
    ok.OnClick = record("ok clicked");
    cancel.OnClick = record("cancel clicked");
  }
};

struct ModalFormCheck : win32_checks::Win32Ui {
  MainForm main;
  Dialog dialog{&main};

  void SetUp() override {
    app.CreateForm(main);
    app.CreateForm(dialog);
  }

  // Runs the steps one after another from inside the dialog's run, each as a posted task, so that the
  // keys each posts are handled before the next step. A dialog the steps leave open ends with mrNo.
  int ShowWith(std::vector<std::function<void()>> steps) {
    steps.push_back([this] { dialog.SetModalResult(ui::mrNo); });
    // Steps still queued when the run ends belong to no later run.
    auto running = std::make_shared<bool>(true);
    auto next = std::make_shared<std::function<void(std::size_t)>>();
    *next = [this, steps = std::move(steps), running, weakNext = std::weak_ptr(next)](std::size_t i) {
      if (!*running || i == steps.size()) return;
      steps[i]();
      loop.Post([next = weakNext.lock(), i] { (*next)(i + 1); });
    };
    loop.Post([next] { (*next)(0); });
    const int result = dialog.ShowModal();
    *running = false;
    loop.ProcessPending();
    return result;
  }

  void Key(WORD key) { PostMessageA(GetFocus(), WM_KEYDOWN, key, 0); }
};

TEST_F(ModalFormCheck, ADialogHasADialogFrameWithoutMinimizeOrMaximizeAndBelongsToItsOwner) {
  HWND window = H(dialog);
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_TRUE(style & DS_MODALFRAME);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
  EXPECT_EQ(GetWindow(window, GW_OWNER), H(main));
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 257);
  EXPECT_EQ(client.bottom, 181);

  Dialog bare(&main);
  bare.BorderIcons = 0;
  app.CreateForm(bare);
  EXPECT_FALSE(GetWindowLongA(H(bare), GWL_STYLE) & WS_SYSMENU) << "no caption-bar buttons at all";
}

TEST_F(ModalFormCheck, TheRunServesTimersPostedTasksAndOtherThreadsWhileTheOwnerIsDisabled) {
  int ticks = 0;
  const unsigned timer = loop.StartTimer(10, [&] { ++ticks; });
  bool ownerEnabled = true, shown = false;
  RECT frame{};
  std::thread worker;
  loop.Post([&] {
    ownerEnabled = IsWindowEnabled(H(main));
    shown = IsWindowVisible(H(dialog));
    GetWindowRect(H(dialog), &frame);
    // Another thread hands the end of the run over once the timer has ticked.
    worker = std::thread([&] {
      while (true) {
        bool ticked = false;
        std::atomic<bool> seen{false};
        loop.Post([&] {
          ticked = ticks >= 2;
          seen = true;
        });
        while (!seen) std::this_thread::yield();
        if (ticked) break;
      }
      loop.Post([&] { dialog.SetModalResult(ui::mrYes); });
    });
  });
  EXPECT_EQ(dialog.ShowModal(), ui::mrYes);
  worker.join();
  loop.StopTimer(timer);
  EXPECT_GE(ticks, 2);
  EXPECT_FALSE(ownerEnabled);
  EXPECT_TRUE(shown);
  EXPECT_TRUE(IsWindowEnabled(H(main))) << "enabled again";
  EXPECT_FALSE(IsWindowVisible(H(dialog)));
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2) << "centred";
  EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
}

TEST_F(ModalFormCheck, EnterPressesTheDefaultButtonAndTabMovesTheFocusOn) {
  EXPECT_EQ(ShowWith({[&] { Key(VK_RETURN); }}), ui::mrOk) << "Enter in the edit";
  EXPECT_EQ(dialog.events, (std::vector<std::string>{"edit", "ok clicked"}));

  dialog.events.clear();
  dialog.ok.SetDefault(false);
  dialog.ok.ModalResult = ui::mrNone;
  const int result = ShowWith({
      [&] { Key(VK_RETURN); },  // no default button: nothing
      [&] { Key(VK_TAB); },
      [&] { Key(VK_TAB); },
      [&] { Key(VK_RETURN); },  // the focused button
  });
  EXPECT_EQ(result, ui::mrCancel);
  EXPECT_EQ(dialog.events, (std::vector<std::string>{"edit", "ok focused", "cancel focused", "cancel clicked"}));
}

TEST_F(ModalFormCheck, ShiftTabMovesTheFocusBackAndEscPressesTheCancelButton) {
  BYTE keys[256];
  GetKeyboardState(keys);
  const int result = ShowWith({
      [&] {
        BYTE shifted[256];
        std::copy(std::begin(keys), std::end(keys), shifted);
        shifted[VK_SHIFT] = 0x80;
        SetKeyboardState(shifted);
        Key(VK_TAB);
      },
      [&] {
        SetKeyboardState(keys);
        Key(VK_ESCAPE);
      },
  });
  SetKeyboardState(keys);
  EXPECT_EQ(result, ui::mrCancel);
  EXPECT_EQ(dialog.events, (std::vector<std::string>{"edit", "cancel focused", "cancel clicked"}));

  // Without a cancel button Esc does nothing; the close box ends the run with mrCancel.
  dialog.events.clear();
  dialog.cancel.Cancel = false;
  EXPECT_EQ(ShowWith({[&] { Key(VK_ESCAPE); }, [&] { PostMessageA(H(dialog), WM_CLOSE, 0, 0); }}), ui::mrCancel);
  EXPECT_EQ(dialog.events, std::vector<std::string>{"edit"});
}

TEST_F(ModalFormCheck, TheApplicationHearsWhenItStopsBeingActive) {
  std::vector<std::string> heard;
  app.OnDeactivate = [&](ui::TObject* sender) { heard.push_back(sender == &app ? "deactivate" : "?"); };
  app.OnActivate = [&](ui::TObject*) { heard.push_back("activate"); };
  // Every top-level window of the program hears the system's message.
  for (HWND window : {H(main), H(dialog)}) SendMessageA(window, WM_ACTIVATEAPP, FALSE, 0);
  SendMessageA(H(main), WM_ACTIVATEAPP, TRUE, 0);
  EXPECT_EQ(heard, (std::vector<std::string>{"deactivate", "activate"}));
  EXPECT_TRUE(app.Active());
}

}  // namespace
