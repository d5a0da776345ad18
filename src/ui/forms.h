// Forms, the application object and the screen.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "os/services.h"
#include "ui/control.h"

namespace ui {

class TMainMenu;

// A form's frame: the sizeable-less single border of a main window, or a dialog's frame.
enum class TFormBorderStyle { bsSingle, bsDialog };
// The buttons of the caption bar; a dialog frame has no minimize or maximize box.
using TBorderIcons = unsigned;
constexpr TBorderIcons biSystemMenu = 1, biMinimize = 2, biMaximize = 4;
// Where a modal form shows: where it was placed, in the middle of the screen, or in the middle of the
// form it belongs to (its owner when that is a form, else the main form).
enum class TPosition { poDesigned, poScreenCenter, poOwnerFormCenter };

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner, std::string name = {});
  ~TForm() override;

  // The client area is what the form's layout is given in; the frame adds to it.
  int ClientWidth() const override { return clientWidth_; }
  int ClientHeight() const override { return clientHeight_; }
  void SetClientWidth(int width);
  void SetClientHeight(int height);

  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);

  // The topmost band, entered and left without moving or sizing the window. While the user answers a
  // message box, a modal form or a common dialog, the form is out of the band (TApplication).
  bool TopMost() const { return topMost_; }
  void SetTopMost(bool topMost);

  // The frame and the caption-bar buttons, read when the form's window is made. A form other than the
  // main form belongs to its owner when that is a form, else to the main form: it stays above it and
  // has no task-bar button.
  TFormBorderStyle BorderStyle = TFormBorderStyle::bsSingle;
  TBorderIcons BorderIcons = biSystemMenu | biMinimize | biMaximize;
  TPosition Position = TPosition::poDesigned;
  // The control that has the focus when the form is shown modally; without one, the first tab stop.
  TWinControl* ActiveControl = nullptr;

  // The system's maximize command; the form's handler decides what it does instead.
  std::function<void()> OnMaximize;

  TNotifyEvent OnCreate;
  // Asked before the form closes; clearing the flag keeps it open.
  std::function<void(TObject* sender, bool& canClose)> OnCloseQuery;
  TNotifyEvent OnDestroy;

  // The user closes the window (its close box, Alt+F4); a modal form ends with mrCancel.
  void Close();

  // Shows the form and runs messages until it is closed, the other forms disabled meanwhile and the
  // screen's normal pointer showing; returns the modal result (mrCancel when the program ends
  // meanwhile). The form is hidden again when it returns.
  int ShowModal();
  bool Modal() const { return modal_; }
  // Moves the form to the middle of the area its Position names. ShowModal does so, and Run for the
  // main form, when the Position is not poDesigned.
  void Centre();
  // The result the form was closed with. A button with a modal result sets it; while the form runs
  // modally, a result other than mrNone ends the run once the current handler has returned.
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }

 protected:
  std::unique_ptr<Peer> MakePeer(Backend& backend) override;

 private:
  int clientWidth_ = 0, clientHeight_ = 0;
  TMainMenu* menu_ = nullptr;
  bool topMost_ = false;
  bool modal_ = false;
  int modalResult_ = mrNone;
};

class TScreen {
 public:
  explicit TScreen(Backend& backend) : backend_(backend) {}
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);
  int Width() const { return backend_.ScreenSize().cx; }
  int Height() const { return backend_.ScreenSize().cy; }
  TWinControl* ActiveControl() const { return activeControl_; }
  // Every form that exists, in the order they were made.
  const std::vector<TForm*>& Forms() const { return forms_; }

 private:
  friend class TWinControl;
  friend class TForm;
  Backend& backend_;
  std::vector<TForm*> forms_;
  TCursor cursor_ = TCursor::crDefault;
  TWinControl* activeControl_ = nullptr;
};

class TApplication : public TObject {
 public:
  TApplication(Backend& backend, os::Services& services);
  ~TApplication() override;

  Backend& GetBackend() { return backend_; }
  os::Services& Services() { return services_; }
  os::MessageLoop& Loop() { return services_.loop; }
  TScreen& Screen() { return screen_; }
  // The drag and drop under way, if any.
  DragManager& Drag() { return drag_; }

  // The text of the task-bar button and the title of the standard error box.
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);
  std::string HelpFile;
  bool ShowMainForm = true;

  // Tells the form's components that they are loaded, makes the form's windows and runs its OnCreate;
  // the first form made is the main form. A dialog is made the same way, owned by the form it belongs
  // to: `TFRegDlg dialog(&owner); Application().CreateForm(dialog); dialog.ShowModal();`.
  void CreateForm(TForm& form);
  TForm* MainForm() const { return mainForm_; }

  // Shows the main form unless ShowMainForm is off, then handles messages until Terminate.
  void Run();
  void Terminate();
  bool Terminated() const;
  void ProcessMessages();

  // The standard error box: the message followed by "." under the application title, error icon.
  void ShowException(const std::exception& error);
  // Runs an event's work as the message loop does: whatever error escapes it goes to the error box, and
  // one that is no exception of the library's or the standard library's shows as "Unknown error". The
  // one place errors of events and callbacks end.
  void Dispatch(const std::function<void()>& work);
  // The boxes and dialogs that wait for the user's answer follow the top-most convention: while one is
  // up, no form is in the top-most band (apart from a modal form itself); the forms that were go back
  // after. ShowModal follows it too.
  int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags);
  // The common Open and Save dialogs: the name the user chose, or nothing when cancelled. Throws
  // os::FileDialogError.
  std::optional<std::string> AskFileToOpen(const os::FileDialogRequest& request);
  std::optional<std::string> AskFileToSave(const os::FileDialogRequest& request);

  // Whether one of the application's windows is the active window of the system.
  bool Active() const { return active_; }
  // The window system tells that the application became active, or that another one did; each change
  // fires OnActivate or OnDeactivate.
  void Activate(bool active);
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;

  // The application's top-level window: restored and shown, or hidden with its task-bar button.
  void Restore();
  void HideWindow();
  void BringToFront();

 private:
  Backend& backend_;
  os::Services& services_;
  TScreen screen_;
  DragManager drag_;
  std::string title_;
  TForm* mainForm_ = nullptr;
  bool active_ = true;
};

// The one application object of the program (or of the running test).
TApplication& Application();
bool HasApplication();

}  // namespace ui
