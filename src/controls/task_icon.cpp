#include "controls/task_icon.h"

#include <algorithm>

#include "base/text.h"
#include "ui/forms.h"

namespace controls {

namespace {
constexpr std::uint32_t kLeftButtonUp = 0x202, kLeftButtonDoubleClick = 0x203, kRightButtonUp = 0x205;

os::NotifyArea& Shell() { return ui::Application().Services().notifyArea; }
}  // namespace

TTaskIcon::TTaskIcon(ui::TComponent* owner, std::string name)
    : ui::TComponent(owner, std::move(name)),
      window_([this](unsigned m, std::uint32_t w, std::uint32_t l) { HandleMessage(m, w, l); }),
      animationTimer_(this) {
  animationTimer_.SetEnabled(false);
  animationTimer_.OnTimer = [this](ui::TObject*) { AnimationStep(); };
}

TTaskIcon::~TTaskIcon() {
  if (active_) Shell().Delete(added_);
}

void TTaskIcon::SetActive(bool active) {
  if (active == active_) return;
  if (active) {
    Add();
  } else if (Shell().Delete(added_)) {
    active_ = false;
    animationTimer_.SetEnabled(false);
  }
}

void TTaskIcon::SetIcon(const ui::TIcon& icon) {
  icon_ = icon;
  Update();
}

void TTaskIcon::SetDisabledIcon(const ui::TIcon& icon) {
  disabledIcon_ = icon;
  Update();
}

void TTaskIcon::SetHint(const std::string& hint) {
  const std::string text = hint.substr(0, kMaxHint);
  if (text == hint_) return;
  hint_ = text;
  Update();
}

void TTaskIcon::SetShowHint(bool showHint) {
  if (showHint == showHint_) return;
  showHint_ = showHint;
  Update();
}

void TTaskIcon::SetTaskIconID(int id) {
  if (id == taskIconID_) return;
  taskIconID_ = id;
  Update();
}

void TTaskIcon::SetState(TStateTaskIcon state) {
  if (state == state_) return;
  state_ = state;
  if (state == TStateTaskIcon::tiAnimated) {
    frameIndex_ = 0;
    LoadFrame();
    if (active_) StartAnimation();
  } else if (active_) {
    animationTimer_.SetEnabled(false);
  }
  Update();
}

void TTaskIcon::SetIconList(const std::vector<std::string>& names) { iconList_ = names; }

void TTaskIcon::SetInterval(int interval) {
  if (interval == interval_) return;
  interval_ = interval;
  if (!active_) return;
  if (state_ == TStateTaskIcon::tiAnimated) StartAnimation();
  frameIndex_ = 0;
  LoadFrame();
}

void TTaskIcon::ShellRestarted() {
  if (!active_) return;
  const os::NotifyIconRecord record = Record();
  if (Shell().Add(record)) added_ = record;
}

void TTaskIcon::HandleMessage(unsigned message, std::uint32_t wParam, std::uint32_t lParam) {
  if (message == ui::kShellRestartedMessage) {
    ShellRestarted();
    return;
  }
  if (message != kCallbackMessage || wParam != static_cast<std::uint32_t>(taskIconID_)) return;
  switch (lParam) {
    case kLeftButtonUp:
      if (OnClick) OnClick(this);
      break;
    case kLeftButtonDoubleClick:
      if (OnDblClick) OnDblClick(this);
      break;
    case kRightButtonUp:
      if (OnRightClick) RightClickStep();
      break;
    default:
      break;
  }
}

void TTaskIcon::Add() {
  frameIndex_ = 0;
  LoadFrame();
  if (state_ == TStateTaskIcon::tiAnimated) StartAnimation();
  const os::NotifyIconRecord record = Record();
  if (Shell().Add(record)) {
    active_ = true;
    added_ = record;
  } else {
    // The frames run only while the icon is shown.
    animationTimer_.SetEnabled(false);
  }
}

void TTaskIcon::Update() {
  // A refused change leaves the icon as the shell shows it; there is nothing to tell the user.
  if (active_) Shell().Modify(Record());
}

os::NotifyIconRecord TTaskIcon::Record() const {
  os::NotifyIconRecord record;
  record.window = window_.Handle();
  record.id = static_cast<std::uint32_t>(taskIconID_);
  record.callbackMessage = kCallbackMessage;
  switch (state_) {
    case TStateTaskIcon::tiEnabled: record.icon = icon_.Handle(); break;
    case TStateTaskIcon::tiDisabled: record.icon = disabledIcon_.Handle(); break;
    case TStateTaskIcon::tiAnimated: record.icon = frameIcon_.Handle(); break;
  }
  if (showHint_) hint_.copy(record.tip, sizeof record.tip - 1);
  return record;
}

void TTaskIcon::LoadFrame() {
  if (iconList_.empty()) return;
  frameName_ = base::UpperCase(iconList_[frameIndex_]).substr(0, kMaxFrameName);
  frameIcon_ = WhereIcons == TWhereTaskIcon::tiInExe ? ui::TIcon::FromResource(frameName_)
                                                     : ui::TIcon::FromFile(frameName_);
}

void TTaskIcon::StartAnimation() {
  // Starting a running timer begins its period anew.
  animationTimer_.SetEnabled(false);
  animationTimer_.SetInterval(static_cast<unsigned>(std::max(interval_, 0)));
  animationTimer_.SetEnabled(true);
}

void TTaskIcon::AnimationStep() {
  if (iconList_.empty()) return;
  frameIndex_ = frameIndex_ + 1 < iconList_.size() ? frameIndex_ + 1 : 0;
  LoadFrame();
  Update();
  if (state_ == TStateTaskIcon::tiAnimated && OnAnimate && active_) OnAnimate(this);
}

void TTaskIcon::RightClickStep() {
  const ui::TPoint at = ui::Application().GetBackend().CursorPos();
  if (PopupMenu) {
    ui::Application().BringToFront();
    ui::Application().ProcessMessages();
    PopupMenu->Popup(at.x, at.y);
  }
  OnRightClick(this, ui::TMouseButton::mbRight, 0, at.x, at.y);
}

}  // namespace controls
