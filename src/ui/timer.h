// A window-message timer of the GUI thread.
#pragma once

#include "ui/component.h"

namespace ui {

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner, std::string name = {});
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // A change restarts the period; 0 stops the ticks.
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned interval);
  TNotifyEvent OnTimer;

 private:
  void Restart();
  bool enabled_ = true;
  unsigned interval_ = 1000;
  unsigned id_ = 0;
};

}  // namespace ui
