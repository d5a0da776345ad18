// The events of the options, the window layout, the list files, the recent lists and the exit.
#include "player/form_player.h"

namespace player {

void TFormPlayer::BindOptionAndListFileEvents() {
  SaveOptions.OnClick = [this](ui::TObject* sender) { SaveOptionsClick(sender); };
  SpdBtnSaveOption.OnClick = SaveOptions.OnClick;
  AutoLoad.OnClick = [this](ui::TObject* sender) { AutoLoadClick(sender); };
  OpExit.OnClick = [this](ui::TObject* sender) { OpExitClick(sender); };

  FileBox.OnClick = [this](ui::TObject* sender) { FileBoxClick(sender); };
  FileBox1.OnClick = FileBox.OnClick;
  PlayList.OnClick = [this](ui::TObject* sender) { PlayListClick(sender); };
  PlayList1.OnClick = PlayList.OnClick;
  TrackB.OnClick = [this](ui::TObject* sender) { TrackBClick(sender); };
  TrackB1.OnClick = TrackB.OnClick;
  Counter.OnClick = [this](ui::TObject* sender) { CounterClick(sender); };
  Counter1.OnClick = Counter.OnClick;
  Menu.OnClick = [this](ui::TObject* sender) { MenuClick(sender); };
  Menu1.OnClick = Menu.OnClick;
  All.OnClick = [this](ui::TObject* sender) { AllClick(sender); };
  All1.OnClick = All.OnClick;
  // The maximize button shows every part instead of maximizing.
  OnMaximize = [this] { AllClick(this); };
  Hide.OnClick = [this](ui::TObject* sender) { HideClick(sender); };
  Hide1.OnClick = Hide.OnClick;
  SpdBtnShrink.OnClick = Hide.OnClick;
  StayOnTop.OnClick = [this](ui::TObject* sender) { StayOnTopClick(sender); };
  StayOnTop1.OnClick = StayOnTop.OnClick;

  FileOpenList.OnClick = [this](ui::TObject* sender) { FileOpenListClick(sender); };
  OpenList1.OnClick = FileOpenList.OnClick;
  SpeedBtnOpen.OnClick = FileOpenList.OnClick;
  PopOpen.OnClick = FileOpenList.OnClick;
  FileSaveList.OnClick = [this](ui::TObject* sender) { FileSaveListClick(sender); };
  SaveList1.OnClick = FileSaveList.OnClick;
  SpeedBtnSave.OnClick = FileSaveList.OnClick;
  FileSaveListAs.OnClick = [this](ui::TObject* sender) { FileSaveListAsClick(sender); };
  SaveListAs1.OnClick = FileSaveListAs.OnClick;
  FileCloseList.OnClick = [this](ui::TObject* sender) { FileCloseListClick(sender); };
  SpdBtnClose.OnClick = FileCloseList.OnClick;

  FileExit.OnClick = [this](ui::TObject* sender) { FileExitClick(sender); };
  Exit1.OnClick = FileExit.OnClick;
  PopExit.OnClick = FileExit.OnClick;
  OnCloseQuery = [this](ui::TObject* sender, bool& canClose) { FormClose(sender, canClose); };
}

}  // namespace player
