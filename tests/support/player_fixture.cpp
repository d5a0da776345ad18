#include "support/player_fixture.h"

#include "base/text.h"
#include "player/shell/player_keys.h"
#include "player/shell/program_entry.h"

namespace testing_support {

std::uint32_t SequenceRandom::Next31() {
  if (!numbers_.empty()) {
    last_ = numbers_.front();
    numbers_.pop_front();
  }
  return last_;
}

player::TFormPlayer& PlayerFixture::Construct(std::vector<std::string> words) {
  // Installed as setup installs it, with ProgramFolder empty: the reset files at the drive's root.
  for (const char* reset : {"Gm_reset.mid", "Gs_reset.mid", "Xg_reset.mid"})
    env.files.AddFile(std::string("C:\\Reset\\") + reset, "MThd");
  player::ReadHideOption(env.app);
  player::NameApplication(env.app);
  form = std::make_unique<player::TFormPlayer>(std::move(words), random);
  return *form;
}

void PlayerFixture::Create() {
  designTimerInterval = form->ThreadedTimer.Interval();
  if (!realTicks) form->ThreadedTimer.SetInterval(60000);
  if (!firstRun && !env.registry.KeyExists(player::kOptionsKey)) form->SaveOptionsClick(form.get());
  env.registry.ClearLog();
  player::CreateMainWindow(env.app, *form);
  if (env.app.ShowMainForm) form->SetVisible(true);
}

void PlayerFixture::AddEntries(const std::vector<std::string>& paths) {
  env.app.Dispatch([&] {
    for (const std::string& path : paths) {
      const std::string text = base::DisplayName(path);
      form->AppendEntry(path, text);
      form->MeasureEntry(text, true);
      if (form->PathList.size() == 1 && !form->FileSaveList.Enabled()) form->ActivateFirstEntry();
    }
    form->EnableStepping();
  });
}

void PlayerFixture::Click(ui::TControl& control) {
  env.app.Dispatch([&] { control.Click(); });
}

void PlayerFixture::Choose(ui::TMenuItem& item) {
  env.app.Dispatch([&] { item.Click(); });
}

void PlayerFixture::DoubleClickEntry(int index) {
  env.app.Dispatch([&] {
    form->SongList.UserSelect(index);
    form->SongList.DblClick();
  });
}

std::vector<std::string> PlayerFixture::TakeMediaLog() {
  std::vector<std::string> log = env.media.Log();
  env.media.ClearLog();
  return log;
}

std::string PlayerFixture::Transport() const {
  std::string state;
  state += form->SpdBtnPlay.Enabled() ? 'P' : '-';
  state += form->SpdBtnPause.Enabled() ? 'P' : '-';
  state += form->SpdBtnStop.Enabled() ? 'S' : '-';
  return state;
}

}  // namespace testing_support
