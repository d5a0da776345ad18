// The wait between two files, counted in whole seconds on the seconds box of the counter.
#include <algorithm>

#include "player/form_player.h"

namespace player {

int TFormPlayer::WaitLength() const { return std::clamp(WaitSeconds, 0, 99); }

void TFormPlayer::BindCounterSwitch(const ui::TNotifyEvent& handler) {
  TimeCount.OnClick = handler;
  LblCounter.OnDblClick = handler;
  DgMinIn.OnDblClick = handler;
  DgSecIn.OnDblClick = handler;
}

void TFormPlayer::StartWait() {
  const int seconds = WaitLength();
  ResetCounter();
  // The seconds box counts the wait; switching the counter meanwhile would disturb it.
  BindCounterSwitch([](ui::TObject*) {});
  SetCaption("Waiting " + std::to_string(seconds) + (seconds > 1 ? " seconds" : " second"));
  DgSecIn.SetDelay(1000);
  if (TimeCount.Tag != 0) {
    DgSecIn.SetValue(static_cast<std::uint32_t>(seconds));
    DgSecIn.SetTarget(0);
  } else {
    DgSecIn.SetTarget(static_cast<std::uint32_t>(seconds));
  }
}

void TFormPlayer::DgSecInTargetReach(ui::TObject* sender) {
  // The next entry is about to be chosen and selected: a rename begun during the wait would act on it.
  HideRenameBox();
  ResetCounter();
  SetCaption(ui::Application().Title());
  TimeCount.SetEnabled(true);
  // Stop ends the wait without a next file; the counter switch stays off until a wait runs out.
  if (sender == &SpdBtnStop) return;
  BindCounterSwitch([this](ui::TObject* s) { TimeLabelClick(s); });
  AdvanceAfterEnd();
}

}  // namespace player
