#include "ui/forms.h"

#include <algorithm>
#include <cassert>
#include <exception>

#include "ui/menus.h"

namespace ui {

namespace {
TApplication* theApplication = nullptr;

void LoadComponents(TComponent& owner) {
  for (TComponent* component : owner.Components()) {
    component->Loaded();
    LoadComponents(*component);
  }
}
}  // namespace

TApplication& Application() {
  assert(theApplication && "no application object");
  return *theApplication;
}

bool HasApplication() { return theApplication != nullptr; }

TForm::TForm(TComponent* owner, std::string name) : TWinControl(owner, std::move(name)) {
  SetVisible(false);
  if (HasApplication()) Application().Screen().forms_.push_back(this);
}

TForm::~TForm() {
  if (HasApplication()) std::erase(Application().Screen().forms_, this);
}

void TForm::SetClientWidth(int width) {
  if (width == clientWidth_) return;
  clientWidth_ = width;
  Changed(Change::Bounds);
}

void TForm::SetClientHeight(int height) {
  if (height == clientHeight_) return;
  clientHeight_ = height;
  Changed(Change::Bounds);
}

void TForm::SetMenu(TMainMenu* menu) { menu_ = menu; }

void TForm::SetTopMost(bool topMost) {
  if (topMost == topMost_) return;
  topMost_ = topMost;
  Changed(Change::TopMost);
}

void TForm::Close() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  if (!canClose) return;
  if (Application().MainForm() == this) {
    Application().Terminate();
  } else {
    SetVisible(false);
  }
}

std::unique_ptr<Peer> TForm::MakePeer(Backend& backend) { return backend.CreatePeer(*this); }

void TScreen::SetCursor(TCursor cursor) {
  cursor_ = cursor;
  backend_.SetCursor(cursor);
}

TApplication::TApplication(Backend& backend, os::Services& services)
    : backend_(backend), services_(services), screen_(backend), drag_(backend) {
  assert(!theApplication && "one application object at a time");
  theApplication = this;
  // Whatever escapes a callback of the system (tasks, ticks, window messages) ends in the error box.
  services_.loop.SetErrorHandler(
      [this](std::exception_ptr error) { Dispatch([&] { std::rethrow_exception(error); }); });
}

TApplication::~TApplication() {
  services_.loop.SetErrorHandler({});
  theApplication = nullptr;
}

void TApplication::SetTitle(const std::string& title) {
  title_ = title;
  backend_.SetApplicationTitle(title);
}

void TApplication::CreateForm(TForm& form) {
  if (!mainForm_) mainForm_ = &form;
  LoadComponents(form);
  form.CreateHandle();
  if (form.Menu()) form.Menu()->CreateHandle();
  if (form.OnCreate) form.OnCreate(&form);
}

void TApplication::Run() {
  if (mainForm_ && ShowMainForm) mainForm_->SetVisible(true);
  if (!Terminated()) Loop().Run();
  if (mainForm_ && mainForm_->OnDestroy) Dispatch([&] { mainForm_->OnDestroy(mainForm_); });
}

void TApplication::Terminate() { Loop().Quit(); }

bool TApplication::Terminated() const { return services_.loop.QuitRequested(); }

void TApplication::ProcessMessages() { Loop().ProcessPending(); }

void TApplication::ShowException(const std::exception& error) {
  std::string text = error.what();
  if (!text.empty() && text.back() != '.') text += '.';
  backend_.ShowMessageBox(text, title_, mbOK | mbIconError);
}

void TApplication::Dispatch(const std::function<void()>& work) {
  try {
    work();
  } catch (const std::exception& error) {
    ShowException(error);
  } catch (...) {
    ShowException(Exception("Unknown error"));
  }
}

int TApplication::ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  return backend_.ShowMessageBox(text, caption, flags);
}

void TApplication::Restore() { backend_.ShowApplicationWindow(true); }

void TApplication::HideWindow() { backend_.ShowApplicationWindow(false); }

void TApplication::BringToFront() { backend_.BringApplicationToFront(); }

}  // namespace ui
