// The five display parts: each switch moves the parts below or beside it up or left and sizes the
// client area so that what is switched off falls outside it. Handlers toggle their marks (both menus')
// only when the sender is their own item or its twin; from code they apply the marks as they stand.
#include "player/form_player.h"

namespace player {

namespace {

bool IsOneOf(ui::TObject* sender, const ui::TMenuItem& item, const ui::TMenuItem& twin) {
  return sender == &item || sender == &twin;
}

void ToggleTwins(ui::TMenuItem& item, ui::TMenuItem& twin) {
  const bool checked = !item.Checked();
  item.SetChecked(checked);
  twin.SetChecked(checked);
}

void EnableTwins(ui::TMenuItem& item, ui::TMenuItem& twin, bool enabled) {
  item.SetEnabled(enabled);
  twin.SetEnabled(enabled);
}

int Bottom(const ui::TControl& control) { return control.Top() + control.Height(); }

}  // namespace

void TFormPlayer::KeepOnScreenHorizontally() {
  const int screenWidth = ui::Application().Screen().Width();
  if (screenWidth < Left() + Width()) SetLeft(screenWidth - Width());
}

void TFormPlayer::KeepOnScreenVertically() {
  const int screenHeight = ui::Application().Screen().Height();
  if (screenHeight < Top() + Height()) SetTop(screenHeight - Height() - screenHeight / 20);
}

void TFormPlayer::FileBoxClick(ui::TObject* sender) {
  if (IsOneOf(sender, FileBox, FileBox1)) ToggleTwins(FileBox, FileBox1);
  if (FileBox.Checked() || IsOneOf(sender, All, All1)) {
    PanelCounter.SetLeft(PanelSpeed.Left() + PanelSpeed.Width() + 4);
    PanelCounter.SetVisible(true);
    PanelCounter.SetTop(1);
    PanelSongList.SetTop(PanelMid.Top());
    SetClientWidth(PanelFileList.Left() + PanelFileList.Width() + 4);
    PanelCounter.SetWidth(ClientWidth() - 4 - PanelCounter.Left());
    TrackBar.SetWidth(ClientWidth() - 6);
    TrackBClick(&FileBox);
    SetClientHeight(Bottom(PanelSongList) + 4);
    KeepOnScreenHorizontally();
    KeepOnScreenVertically();
    CheckTwins(PlayList, PlayList1, true);
    EnableTwins(Counter, Counter1, false);
    CheckTwins(Counter, Counter1, true);
    return;
  }
  SetClientWidth(PanelControl.Width() + 1);
  TrackBar.SetWidth(ClientWidth() - 4);
  PanelCounter.SetTop(Bottom(TrackBar) + 2);
  PanelCounter.SetLeft(2);
  PanelSongList.SetTop(Bottom(PanelCounter) + 4);
  SetClientHeight(Bottom(PanelSongList) + 4);
  EnableTwins(Counter, Counter1, true);
}

void TFormPlayer::PlayListClick(ui::TObject* sender) {
  if (IsOneOf(sender, PlayList, PlayList1)) ToggleTwins(PlayList, PlayList1);
  if (!PlayList.Checked()) {
    SetClientWidth(PanelControl.Width() + 1);
    TrackBar.SetWidth(ClientWidth() - 4);
    PanelCounter.SetWidth(ClientWidth() - 8);
    if (Counter.Checked()) PanelCounter.SetTop(Bottom(TrackBar) + 2);
    PanelCounter.SetLeft(4);
    PanelSongList.SetTop(Bottom(PanelCounter) + 4);
    // The client area ends 2 pixels below the counter, or below what stands in for a hidden one.
    SetClientHeight(PanelSongList.Top() - 2);
    CheckTwins(FileBox, FileBox1, false);
    EnableTwins(Counter, Counter1, true);
    return;
  }
  PanelSongList.SetTop(Bottom(PanelCounter) + 4);
  SetClientHeight(Bottom(PanelSongList) + 4);
  KeepOnScreenVertically();
}

// A hidden part keeps a top from which the next part's top follows with the usual gap: a hidden track
// bar sits 6 below the control panel's top, a hidden counter 7 above the track bar's top.
void TFormPlayer::TrackBClick(ui::TObject* sender) {
  if (IsOneOf(sender, TrackB, TrackB1)) ToggleTwins(TrackB, TrackB1);
  if (TrackB.Checked()) {
    TrackBar.SetTop(Bottom(PanelControl));
    TrackBar.SetVisible(true);
    if (FileBox.Checked()) PanelFileList.SetTop(Bottom(TrackBar));
  } else {
    TrackBar.SetVisible(false);
    TrackBar.SetTop(PanelControl.Top() + 6);
    if (FileBox.Checked()) PanelFileList.SetTop(Bottom(TrackBar) + 4);
  }
  if (FileBox.Checked()) {
    PanelMid.SetTop(PanelFileList.Top());
    PanelSongList.SetTop(PanelMid.Top());
    SetClientHeight(Bottom(PanelSongList) + 4);
  } else {
    CounterClick(&TrackB);
  }
}

void TFormPlayer::CounterClick(ui::TObject* sender) {
  if (IsOneOf(sender, Counter, Counter1)) ToggleTwins(Counter, Counter1);
  if (Counter.Checked()) {
    PanelCounter.SetTop(Bottom(TrackBar) + 2);
    PanelCounter.SetVisible(true);
  } else {
    PanelCounter.SetVisible(false);
    PanelCounter.SetTop(TrackBar.Top() - 7);
  }
  PlayListClick(&Counter);
}

void TFormPlayer::MenuClick(ui::TObject* sender) {
  if (IsOneOf(sender, Menu, Menu1)) ToggleTwins(Menu, Menu1);
  const bool shown = Menu.Checked() || IsOneOf(sender, All, All1);
  for (ui::TMenuItem* menu : {&ListMenu, &DisplayMenu, &OptionsMenu, &HelpMenu}) menu->SetVisible(shown);
  if (PlayList.Checked()) {
    SetClientHeight(Bottom(PanelSongList) + 4);
  } else {
    // As the play list's switch leaves it while the menu bar shows; 4 pixels less without the bar.
    SetClientHeight(PanelSongList.Top() - (shown ? 2 : 6));
  }
  if (shown) KeepOnScreenVertically();
}

void TFormPlayer::AllClick(ui::TObject* sender) {
  CheckTwins(FileBox, FileBox1, true);
  CheckTwins(PlayList, PlayList1, true);
  CheckTwins(TrackB, TrackB1, true);
  CheckTwins(Menu, Menu1, true);
  MenuClick(&All);
  FileBoxClick(&All);
  WindowHidden = false;
  TrayIcon.SetActive(false);
  ui::Application().Restore();
  SetVisible(true);
}

void TFormPlayer::HideClick(ui::TObject* sender) {
  WindowHidden = true;
  TrayIcon.SetActive(true);
  ui::Application().HideWindow();
  SetVisible(false);
}

void TFormPlayer::StayOnTopClick(ui::TObject* sender) {
  if (IsOneOf(sender, StayOnTop, StayOnTop1)) ToggleTwins(StayOnTop, StayOnTop1);
  SetTopMost(StayOnTop.Checked());
}

ui::TRect TFormPlayer::VisibleDesktop() const {
  const ui::TScreen& screen = ui::Application().Screen();
  return {0, 0, screen.Width(), screen.Height()};
}

void TFormPlayer::BringBackOnScreen() {
  const ui::TRect desktop = VisibleDesktop();
  const bool outside = Left() >= desktop.right || Left() + Width() <= desktop.left || Top() >= desktop.bottom ||
                       Top() + Height() <= desktop.top;
  if (!outside) return;
  if (Left() < desktop.left) SetLeft(desktop.left);
  if (Top() < desktop.top) SetTop(desktop.top);
  KeepOnScreenHorizontally();
  KeepOnScreenVertically();
}

}  // namespace player
