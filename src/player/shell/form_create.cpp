// The main window's creation: initial state, the command line, then the window or the tray icon.
#include <ctime>

#include "player/form_player.h"
#include "player/shell/command_line.h"

namespace player {

void TFormPlayer::FormCreate(ui::TObject* sender) {
  ui::Application().OnDeactivate = [this](ui::TObject*) { ApplicationDeactivate(this); };
  ui::TScreen& screen = ui::Application().Screen();
  screen.SetCursor(ui::TCursor::crHourGlass);
  SkipSeconds = 5;
  WaitSeconds = 0;
  StayOnTop.SetChecked(false);
  StayOnTop1.SetChecked(false);
  PlayRequested = false;
  QuitPending = false;
  WindowHidden = false;
  random_.Seed(static_cast<std::uint32_t>(std::time(nullptr)));

  LastListFileName = "*.mpl";
  ListFileName = "*.mpl";
  DgSecIn.SetDelay(0);
  DgMinIn.SetDelay(0);

  // An option that cannot be read or a file that cannot be opened ends the start there; the window
  // (or with the hide option the tray icon) still comes up.
  ui::Application().Dispatch([this] {
    if (!RestoreAtStartUp()) return;
    const StartCommand command = ParseStartCommand(commandLine_);
    PlayRequested = command.play;
    QuitPending = command.close;
    switch (command.kind) {
      case StartCommand::Kind::MediaFile: MediaFileStart(command.file); break;
      case StartCommand::Kind::ListFile: ListFileStart(command.file); break;
      case StartCommand::Kind::None: AutoLoadLastList(); break;
    }
  });

  if (WindowHidden) {
    TrayIcon.SetActive(true);
  } else {
    SetVisible(true);
  }
  screen.SetCursor(ui::TCursor::crDefault);
}

}  // namespace player
