#include "ui/timer.h"

#include "ui/forms.h"

namespace ui {

TTimer::TTimer(TComponent* owner, std::string name) : TComponent(owner, std::move(name)) { Restart(); }

TTimer::~TTimer() {
  if (id_) Application().Loop().StopTimer(id_);
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Restart();
}

void TTimer::SetInterval(unsigned interval) {
  if (interval == interval_) return;
  interval_ = interval;
  Restart();
}

void TTimer::Restart() {
  os::MessageLoop& loop = Application().Loop();
  if (id_) loop.StopTimer(id_);
  id_ = 0;
  if (!enabled_ || interval_ == 0) return;
  id_ = loop.StartTimer(interval_, [this] {
    if (OnTimer) Application().Dispatch([this] { OnTimer(this); });
  });
}

}  // namespace ui
