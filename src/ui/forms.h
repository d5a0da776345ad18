// Forms, the application object and the screen.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "os/services.h"
#include "ui/control.h"

namespace ui {

class TMainMenu;

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

  // The topmost band, entered and left without moving or sizing the window.
  bool TopMost() const { return topMost_; }
  void SetTopMost(bool topMost);

  // The system's maximize command; the form's handler decides what it does instead.
  std::function<void()> OnMaximize;

  TNotifyEvent OnCreate;
  // Asked before the form closes; clearing the flag keeps it open.
  std::function<void(TObject* sender, bool& canClose)> OnCloseQuery;
  TNotifyEvent OnDestroy;

  // The user closes the window (its close box, Alt+F4).
  void Close();

  // The result the form was closed with; a button with a modal result sets it.
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }

 protected:
  std::unique_ptr<Peer> MakePeer(Backend& backend) override;

 private:
  int clientWidth_ = 0, clientHeight_ = 0;
  TMainMenu* menu_ = nullptr;
  bool topMost_ = false;
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

class TApplication {
 public:
  TApplication(Backend& backend, os::Services& services);
  ~TApplication();

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
  // the first form made is the main form.
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
  int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags);

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
};

// The one application object of the program (or of the running test).
TApplication& Application();
bool HasApplication();

}  // namespace ui
