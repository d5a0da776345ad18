// The menus of the main window: the menu bar, the control panel's popup menu, the play list's popup
// menu and the tray menu.
#include "player/form_player.h"

namespace player {

namespace {

void AddAll(ui::TMenuItem& parent, std::initializer_list<ui::TMenuItem*> items) {
  for (ui::TMenuItem* item : items) parent.Add(*item);
}

void AddAll(ui::TMenu& menu, std::initializer_list<ui::TMenuItem*> items) { AddAll(menu.Items(), items); }

}  // namespace

void TFormPlayer::BuildMenus() {
  AddAll(MainMenu, {&ListMenu, &DisplayMenu, &OptionsMenu, &HelpMenu});
  AddAll(ListMenu, {&FileOpenList, &FileSaveList, &FileSaveListAs, &FileCloseList, &ListSeparator1,
                    &FileClearList, &FileSortList, &ListSeparator2, &Recent, &ListSeparator3, &FileExit});
  AddAll(DisplayMenu, {&Parts, &All, &Hide, &StayOnTop, &DisplaySeparator, &RefreshFileBox, &TimeCount});
  AddAll(Parts, {&FileBox, &PlayList, &TrackB, &Menu, &Counter});
  AddAll(OptionsMenu, {&PlayModes, &MIDIReset, &PlayControl, &FileRegistration, &OptionsSeparator, &AutoLoad,
                       &SaveOptions, &OpExit});
  AddAll(PlayModes, {&LoopPlay, &RepeatPlay, &RandomPlay, &ShufflePlay, &AutoPlay});
  AddAll(MIDIReset, {&GM, &GS, &XG, &ResetSeparator, &MIDIResetNow});
  AddAll(HelpMenu, {&Contents, &HelpSeparator, &HelpAbout});
  SetMenu(&MainMenu);

  AddAll(ControlPopup, {&File1, &Display1});
  AddAll(File1, {&OpenList1, &SaveList1, &SaveListAs1, &FileSeparator1, &Exit1});
  AddAll(Display1, {&FileBox1, &PlayList1, &TrackB1, &Menu1, &Counter1, &DisplaySeparator1, &All1, &Hide1,
                    &StayOnTop1});

  AddAll(PopupSongList, {&PopGoto, &PopShowFilePath, &SongListSeparator1, &PopRemove, &PopClearList,
                         &PopSortList, &SongListSeparator2, &MoveFileTo, &MoveAllFilesTo, &PopRename, &PopDelete});

  AddAll(PopupDir, {&PopNewFolder, &PopDeleteFolder});

  AddAll(TrayPop, {&PopExit, &TraySeparator1, &PopOpen, &TraySeparator2, &PopPlay, &PopStop, &PopPause,
                   &PopNext, &PopPrev, &TraySeparator3, &Restore});

  // Help topics of the menus.
  for (ui::TMenuItem* item : DisplayMenu.Items()) item->HelpContext = 190;
  DisplayMenu.HelpContext = 170;
  Parts.HelpContext = 180;
  for (ui::TMenuItem* item : Parts.Items()) item->HelpContext = 180;
  Recent.HelpContext = 160;
  PlayControl.HelpContext = 230;
  Contents.HelpContext = 101;
  HelpAbout.HelpContext = 102;

  // The five display parts start on; the counter follows the file box while that is on.
  for (ui::TMenuItem* item : {&FileBox, &PlayList, &TrackB, &Menu, &Counter, &FileBox1, &PlayList1, &TrackB1,
                              &Menu1, &Counter1})
    item->SetChecked(true);
  Counter.SetEnabled(false);
  Counter1.SetEnabled(false);

  // Play modes: Loop, Repeat and Random exclude each other; Loop and Auto are on.
  for (ui::TMenuItem* item : {&LoopPlay, &RepeatPlay, &RandomPlay}) item->RadioItem = true;
  for (ui::TMenuItem* item : PlayModes.Items()) item->GroupIndex = 1;
  LoopPlay.SetChecked(true);
  AutoPlay.SetChecked(true);

  // Reset types: at most one, GM to begin with.
  for (ui::TMenuItem* item : {&GM, &GS, &XG}) item->RadioItem = true;
  for (ui::TMenuItem* item : MIDIReset.Items()) item->GroupIndex = 2;
  GM.SetChecked(true);

  AutoLoad.SetChecked(true);
  OpExit.SetChecked(true);

  // Every list command but Open waits for a list.
  for (ui::TMenuItem* item : {&FileSaveList, &FileSaveListAs, &FileCloseList, &FileClearList, &FileSortList,
                              &SaveList1, &SaveListAs1})
    item->SetEnabled(false);
}

}  // namespace player
