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
  if (modal_) {
    modalResult_ = mrCancel;
  } else if (Application().MainForm() == this) {
    Application().Terminate();
  } else {
    SetVisible(false);
  }
}

namespace {

// The first control Tab stops at, in the order the controls were placed.
TWinControl* FirstTabStop(const TWinControl& container) {
  for (TControl* child : container.Controls()) {
    auto* windowed = dynamic_cast<TWinControl*>(child);
    if (!windowed || !windowed->CanFocus()) continue;
    if (windowed->TabStop()) return windowed;
    if (TWinControl* inner = FirstTabStop(*windowed)) return inner;
  }
  return nullptr;
}

// The top-most convention: while the user answers a message box, a modal form or a common dialog, no
// other form of the application stays in the top-most band, where it could hide what asks; each goes
// back once the answer is given. Nested, the inner one finds nothing left to lower.
class TopMostsLowered {
 public:
  explicit TopMostsLowered(const TForm* shown = nullptr) {
    for (TForm* form : Application().Screen().Forms()) {
      if (form == shown || !form->TopMost()) continue;
      form->SetTopMost(false);
      lowered_.push_back(form);
    }
  }
  ~TopMostsLowered() {
    for (TForm* form : lowered_)
      if (std::ranges::count(Application().Screen().Forms(), form)) form->SetTopMost(true);
  }
  TopMostsLowered(const TopMostsLowered&) = delete;
  TopMostsLowered& operator=(const TopMostsLowered&) = delete;

 private:
  std::vector<TForm*> lowered_;
};

// What a modal run changes around the form, put back however the run ends: the other forms are
// disabled, the screen's pointer is the normal one, the form is shown.
class ModalRun {
 public:
  explicit ModalRun(TForm& form) : form_(form), cursor_(Application().Screen().Cursor()) {
    for (TForm* other : Application().Screen().Forms()) {
      if (other == &form || !other->Enabled()) continue;
      other->SetEnabled(false);
      disabled_.push_back(other);
    }
    Application().Screen().SetCursor(TCursor::crDefault);
  }
  ~ModalRun() {
    // The owner is enabled again before the form hides, so that it becomes the active window.
    for (TForm* other : disabled_)
      if (std::ranges::count(Application().Screen().Forms(), other)) other->SetEnabled(true);
    form_.SetVisible(false);
    Application().Screen().SetCursor(cursor_);
  }
  ModalRun(const ModalRun&) = delete;
  ModalRun& operator=(const ModalRun&) = delete;

 private:
  TForm& form_;
  TCursor cursor_;
  std::vector<TForm*> disabled_;
};

}  // namespace

void TForm::Centre() {
  TScreen& screen = Application().Screen();
  TRect area{0, 0, screen.Width(), screen.Height()};
  const TForm* owner = dynamic_cast<const TForm*>(Owner());
  if (!owner && Application().MainForm() != this) owner = Application().MainForm();
  if (Position == TPosition::poOwnerFormCenter && owner)
    area = {owner->Left(), owner->Top(), owner->Left() + owner->Width(), owner->Top() + owner->Height()};
  // Before its window has a frame, the form is as large as its client area.
  const int width = std::max(Width(), ClientWidth()), height = std::max(Height(), ClientHeight());
  SetBounds(area.left + (area.Width() - width) / 2, area.top + (area.Height() - height) / 2, Width(), Height());
}

int TForm::ShowModal() {
  if (modal_ || Visible()) throw Exception("Cannot make a visible window modal");
  TApplication& application = Application();
  modalResult_ = mrNone;
  if (Position != TPosition::poDesigned) Centre();
  modal_ = true;
  struct Ended {
    bool& modal;
    ~Ended() { modal = false; }
  } ended{modal_};
  {
    TopMostsLowered lowered(this);
    ModalRun run(*this);
    SetVisible(true);
    if (TWinControl* focus = ActiveControl && ActiveControl->CanFocus() ? ActiveControl : FirstTabStop(*this))
      focus->SetFocus();
    application.GetBackend().RunModal(
        *this, [&] { return modalResult_ != mrNone || !Visible() || application.Terminated(); });
  }
  if (modalResult_ == mrNone) modalResult_ = mrCancel;
  return modalResult_;
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
  if (mainForm_ && ShowMainForm) {
    if (mainForm_->Position != TPosition::poDesigned) mainForm_->Centre();
    mainForm_->SetVisible(true);
  }
  if (!Terminated()) Loop().Run();
  if (mainForm_ && mainForm_->OnDestroy) Dispatch([&] { mainForm_->OnDestroy(mainForm_); });
}

void TApplication::Terminate() { Loop().Quit(); }

bool TApplication::Terminated() const { return services_.loop.QuitRequested(); }

void TApplication::ProcessMessages() { Loop().ProcessPending(); }

void TApplication::ShowException(const std::exception& error) {
  std::string text = error.what();
  if (!text.empty() && text.back() != '.') text += '.';
  ShowMessageBox(text, title_, mbOK | mbIconError);
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
  TopMostsLowered lowered;
  return backend_.ShowMessageBox(text, caption, flags);
}

std::optional<std::string> TApplication::AskFileToOpen(const os::FileDialogRequest& request) {
  TopMostsLowered lowered;
  return services_.fileDialogs->AskFileToOpen(request);
}

std::optional<std::string> TApplication::AskFileToSave(const os::FileDialogRequest& request) {
  TopMostsLowered lowered;
  return services_.fileDialogs->AskFileToSave(request);
}

void TApplication::Activate(bool active) {
  if (active == active_) return;
  active_ = active;
  const TNotifyEvent& event = active ? OnActivate : OnDeactivate;
  if (event) event(this);
}

void TApplication::Restore() { backend_.ShowApplicationWindow(true); }

void TApplication::HideWindow() { backend_.ShowApplicationWindow(false); }

void TApplication::BringToFront() { backend_.BringApplicationToFront(); }

}  // namespace ui
