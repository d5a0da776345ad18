// The player's main window: it owns every control and all player state for the whole run. Its
// handlers live in the subsystem folders beside this file (shell/, playback/, playlist/).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/random.h"
#include "controls/digit_box.h"
#include "controls/s_track_bar.h"
#include "controls/scroll_list_box.h"
#include "controls/task_icon.h"
#include "controls/threaded_timer.h"
#include "ui/forms.h"
#include "ui/mediaplayer.h"
#include "ui/menus.h"
#include "ui/stdctrls.h"

namespace player {

class TFormPlayer : public ui::TForm {
 public:
  // The command-line words after the program name, and the random source the play modes draw from.
  TFormPlayer(std::vector<std::string> commandLine, base::RandomSource& random);
  // The refresh ticks stop before any control goes.
  ~TFormPlayer() override;

  // --- Main menu -------------------------------------------------------------------------------
  ui::TMainMenu MainMenu{this, "MainMenu"};
  ui::TMenuItem ListMenu{this, "ListMenu", "&List"};
  ui::TMenuItem FileOpenList{this, "FileOpenList", "&Open List...", ui::Ctrl('O')};
  ui::TMenuItem FileSaveList{this, "FileSaveList", "&Save List", ui::Ctrl('S')};
  ui::TMenuItem FileSaveListAs{this, "FileSaveListAs", "Save List &As..."};
  ui::TMenuItem FileCloseList{this, "FileCloseList", "&Close List"};
  ui::TMenuItem ListSeparator1{this, "ListSeparator1", "-"};
  ui::TMenuItem FileClearList{this, "FileClearList", "C&lear List"};
  ui::TMenuItem FileSortList{this, "FileSortList", "&Sort List"};
  ui::TMenuItem ListSeparator2{this, "ListSeparator2", "-"};
  ui::TMenuItem Recent{this, "Recent", "&Recent Lists"};
  ui::TMenuItem ListSeparator3{this, "ListSeparator3", "-"};
  ui::TMenuItem FileExit{this, "FileExit", "E&xit"};

  ui::TMenuItem DisplayMenu{this, "DisplayMenu", "&Display"};
  ui::TMenuItem Parts{this, "Parts", "&Parts"};
  ui::TMenuItem FileBox{this, "FileBox", "&File Box"};
  ui::TMenuItem PlayList{this, "PlayList", "Play &List"};
  ui::TMenuItem TrackB{this, "TrackB", "Track &Bar"};
  ui::TMenuItem Menu{this, "Menu", "&Menu", ui::Ctrl('M')};
  ui::TMenuItem Counter{this, "Counter", "&Counter"};
  ui::TMenuItem All{this, "All", "&All", ui::Ctrl('A')};
  ui::TMenuItem Hide{this, "Hide", "&Hide", ui::Ctrl('H')};
  ui::TMenuItem StayOnTop{this, "StayOnTop", "Stay on &Top"};
  ui::TMenuItem DisplaySeparator{this, "DisplaySeparator", "-"};
  ui::TMenuItem RefreshFileBox{this, "RefreshFileBox", "&Refresh File Box", ui::Ctrl('R')};
  ui::TMenuItem TimeCount{this, "TimeCount", "&Switch Counter"};

  ui::TMenuItem OptionsMenu{this, "OptionsMenu", "&Options"};
  ui::TMenuItem PlayModes{this, "PlayModes", "&Play Modes"};
  ui::TMenuItem LoopPlay{this, "LoopPlay", "&Loop"};
  ui::TMenuItem RepeatPlay{this, "RepeatPlay", "&Repeat"};
  ui::TMenuItem RandomPlay{this, "RandomPlay", "Ran&dom"};
  ui::TMenuItem ShufflePlay{this, "ShufflePlay", "&Shuffle"};
  ui::TMenuItem AutoPlay{this, "AutoPlay", "&Auto"};
  ui::TMenuItem MIDIReset{this, "MIDIReset", "MIDI &Reset"};
  ui::TMenuItem GM{this, "GM", "G&M"};
  ui::TMenuItem GS{this, "GS", "G&S"};
  ui::TMenuItem XG{this, "XG", "&XG"};
  ui::TMenuItem ResetSeparator{this, "ResetSeparator", "-"};
  ui::TMenuItem MIDIResetNow{this, "MIDIResetNow", "Reset MIDI &Now!"};
  ui::TMenuItem PlayControl{this, "PlayControl", "Play &Control..."};
  ui::TMenuItem FileRegistration{this, "FileRegistration", "&Register File Types..."};
  ui::TMenuItem OptionsSeparator{this, "OptionsSeparator", "-"};
  ui::TMenuItem AutoLoad{this, "AutoLoad", "A&uto Load"};
  ui::TMenuItem SaveOptions{this, "SaveOptions", "Save &Options Now!"};
  ui::TMenuItem OpExit{this, "OpExit", "Save Options on &Exit"};

  ui::TMenuItem HelpMenu{this, "HelpMenu", "&Help"};
  ui::TMenuItem Contents{this, "Contents", "&Contents", kF1};
  ui::TMenuItem HelpSeparator{this, "HelpSeparator", "-"};
  ui::TMenuItem HelpAbout{this, "HelpAbout", "&About..."};

  // --- Control-panel popup menu: the main commands while the menu bar is hidden -------------------
  ui::TPopupMenu ControlPopup{this, "ControlPopup"};
  ui::TMenuItem File1{this, "File1", "&File"};
  ui::TMenuItem OpenList1{this, "OpenList1", "&Open List...", ui::Ctrl('O')};
  ui::TMenuItem SaveList1{this, "SaveList1", "&Save List", ui::Ctrl('S')};
  ui::TMenuItem SaveListAs1{this, "SaveListAs1", "Save List &As..."};
  ui::TMenuItem FileSeparator1{this, "FileSeparator1", "-"};
  ui::TMenuItem Exit1{this, "Exit1", "E&xit"};
  ui::TMenuItem Display1{this, "Display1", "&Display"};
  ui::TMenuItem FileBox1{this, "FileBox1", "&File Box"};
  ui::TMenuItem PlayList1{this, "PlayList1", "&Play List"};
  ui::TMenuItem TrackB1{this, "TrackB1", "Track Bar"};
  ui::TMenuItem Menu1{this, "Menu1", "&Menu", ui::Ctrl('M')};
  ui::TMenuItem Counter1{this, "Counter1", "Counter"};
  ui::TMenuItem DisplaySeparator1{this, "DisplaySeparator1", "-"};
  ui::TMenuItem All1{this, "All1", "&All"};
  ui::TMenuItem Hide1{this, "Hide1", "&Hide"};
  ui::TMenuItem StayOnTop1{this, "StayOnTop1", "&Stay on top"};

  // --- Tray menu ----------------------------------------------------------------------------------
  ui::TPopupMenu TrayPop{this, "TrayPop"};
  ui::TMenuItem PopExit{this, "PopExit", "E&xit"};
  ui::TMenuItem TraySeparator1{this, "TraySeparator1", "-"};
  ui::TMenuItem PopOpen{this, "PopOpen", "&Open List"};
  ui::TMenuItem TraySeparator2{this, "TraySeparator2", "-"};
  ui::TMenuItem PopPlay{this, "PopPlay", "&Play"};
  ui::TMenuItem PopStop{this, "PopStop", "&Stop"};
  ui::TMenuItem PopPause{this, "PopPause", "P&ause"};
  ui::TMenuItem PopNext{this, "PopNext", "&Next"};
  ui::TMenuItem PopPrev{this, "PopPrev", "Pre&vious"};
  ui::TMenuItem TraySeparator3{this, "TraySeparator3", "-"};
  ui::TMenuItem Restore{this, "Restore", "&Restore"};

  // --- Window layout, top to bottom ---------------------------------------------------------------
  ui::TBevel Bevel2{this, "Bevel2"};
  ui::TPanel PanelControl{this, "PanelControl"};
  ui::TSpeedButton SpdBtnPlay{this, "SpdBtnPlay"};
  ui::TSpeedButton SpdBtnPause{this, "SpdBtnPause"};
  ui::TSpeedButton SpdBtnStop{this, "SpdBtnStop"};
  ui::TSpeedButton SpdBtnNext{this, "SpdBtnNext"};
  ui::TSpeedButton SpdBtnPrev{this, "SpdBtnPrev"};
  ui::TSpeedButton SpdBtnStep{this, "SpdBtnStep"};
  ui::TSpeedButton SpdBtnBack{this, "SpdBtnBack"};

  ui::TPanel PanelSpeed{this, "PanelSpeed"};
  ui::TSpeedButton SpeedBtnOpen{this, "SpeedBtnOpen"};
  ui::TSpeedButton SpeedBtnSave{this, "SpeedBtnSave"};
  ui::TSpeedButton SpdBtnClose{this, "SpdBtnClose"};
  ui::TSpeedButton SpdBtnShrink{this, "SpdBtnShrink"};
  ui::TSpeedButton SpdBtnReset{this, "SpdBtnReset"};
  ui::TSpeedButton SpdBtnSaveOption{this, "SpdBtnSaveOption"};
  ui::TSpeedButton SpeedBtnRefresh{this, "SpeedBtnRefresh"};

  ui::TPanel PanelCounter{this, "PanelCounter"};
  ui::TLabel LblLoop{this, "LblLoop"};
  ui::TLabel LblRepeat{this, "LblRepeat"};
  ui::TLabel LblRandom{this, "LblRandom"};
  ui::TLabel LblShuffle{this, "LblShuffle"};
  ui::TLabel LblAuto{this, "LblAuto"};
  controls::digitboxdb DgMinIn{this, "DgMinIn"};
  ui::TLabel LblCounter{this, "LblCounter"};
  controls::digitboxdb DgSecIn{this, "DgSecIn"};

  ui::TBevel BevelBottom{this, "BevelBottom"};
  controls::TSTrackBar TrackBar{this, "TrackBar"};

  ui::TPanel PanelSongList{this, "PanelSongList"};
  controls::TScrollListBox SongList{this, "SongList"};

  ui::TPanel PanelMid{this, "PanelMid"};
  ui::TSpeedButton BtnAddFile{this, "BtnAddFile"};
  ui::TSpeedButton BtnAddAll{this, "BtnAddAll"};
  ui::TSpeedButton BtnRemove{this, "BtnRemove"};
  ui::TSpeedButton BtnRemoveAll{this, "BtnRemoveAll"};
  ui::TSpeedButton MoveFileUp{this, "MoveFileUp"};
  ui::TSpeedButton MoveFileDown{this, "MoveFileDown"};
  ui::TSpeedButton SpdMoveFile{this, "SpdMoveFile"};
  ui::TSpeedButton SpdMoveAllFiles{this, "SpdMoveAllFiles"};
  ui::TSpeedButton BtnKill{this, "BtnKill"};

  ui::TPanel PanelFileList{this, "PanelFileList"};

  // --- Components without a place in the layout ---------------------------------------------------
  ui::TMediaPlayer MIDIPlayer{this, "MIDIPlayer"};
  controls::TTaskIcon TrayIcon{this, "TrayIcon"};
  // Refreshes the counter and the track bar, and scrolls lists under a drag.
  controls::TThreadedTimer ThreadedTimer{this, "ThreadedTimer"};

  // --- Player state -------------------------------------------------------------------------------
  bool PlayRequested = false;
  bool QuitPending = false;
  bool WindowHidden = false;
  std::string ProgramFolder;
  int SkipSeconds = 5;
  int WaitSeconds = 0;

  // The play list model: PathList runs parallel to the items of SongList.
  std::vector<std::string> PathList;
  std::int32_t CurrentIndex = 0;
  int ListChanged = 0;
  std::string ListFileName = "*.mpl";
  std::string LastListFileName = "*.mpl";
  std::int32_t WidestEntryWidth = 0;

  // --- Program start (shell/) ---------------------------------------------------------------------
  void FormCreate(ui::TObject* sender);
  void MediaFileStart(const std::string& file);
  void ListFileStart(const std::string& file);
  void TrayIconRightClick(ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift, int x, int y);

  // --- Play list model (playlist/) ----------------------------------------------------------------
  void AppendEntry(const std::string& path, const std::string& text);
  void InsertEntry(int index, const std::string& path, const std::string& text);
  void DeleteEntry(int index);
  void ExchangeEntries(int a, int b);
  void ClearEntries();
  void FillDisplayFromPaths(bool measure);
  void MeasureEntry(const std::string& text, bool apply);
  void ResetHorizontalExtent(int widthToKeep);
  void SelectEntryByText(int start, const std::string& text);
  void MarkListChanged();
  void ActivateFirstEntry();
  void EnableStepping();
  std::string ListTitle() const;
  void SongListClick(ui::TObject* sender);
  void FileClearListClick(ui::TObject* sender);

  // --- Media device control (playback/) -----------------------------------------------------------
  void LoadEntry(int n);
  void ResetCounter();
  void SongListDblClick(ui::TObject* sender);
  void SpdBtnPlayClick(ui::TObject* sender);
  void SpdBtnPauseClick(ui::TObject* sender);
  void SpdBtnStopClick(ui::TObject* sender);
  void MIDIPlayerNotify(ui::TObject* sender);

  // --- Position counter, track bar and seeking (playback/) ----------------------------------------
  void ThreadedTimerTimer(ui::TObject* sender);
  void TimeLabelClick(ui::TObject* sender);
  void TrackBarChange(ui::TObject* sender);
  void TrackBarMouseDown(ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift, int x, int y);
  void TrackBarMouseUp(ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift, int x, int y);
  void SpdBtnStepClick(ui::TObject* sender);
  void SpdBtnBackClick(ui::TObject* sender);

  // --- Play sequencing and play modes (playback/) -------------------------------------------------
  void StartWait();
  void DgSecInTargetReach(ui::TObject* sender);
  void AdvanceAfterEnd();
  void SpdBtnNextClick(ui::TObject* sender);
  void SpdBtnPrevClick(ui::TObject* sender);
  void LoopPlayClick(ui::TObject* sender);
  void RepeatPlayClick(ui::TObject* sender);
  void RandomPlayClick(ui::TObject* sender);
  void ShufflePlayClick(ui::TObject* sender);
  void AutoPlayClick(ui::TObject* sender);

  // The random source of the play modes, seeded once at start-up.
  base::RandomSource& Random() { return random_; }

 private:
  static constexpr ui::TShortCut kF1 = 0x70;

  void BuildMenus();
  void BuildLayout();
  void BindEvents();

  // "Start": play, then the tray icon shows the playing state.
  void Start();
  // The caption, the application title and the tray hint name a loaded file.
  void NameLoadedFile(const std::string& name, std::uint32_t lengthMs);
  // The track bar spans a file just opened, in whole seconds.
  void SpanTrackBar(std::uint32_t lengthMs);
  // Play on, Pause and Stop off: loaded, stopped or ended.
  void ShowStoppedButtons();
  // Play off, Pause and Stop on.
  void ShowPlayingButtons();

  // The wait between files, in seconds, as far as the counter can show it.
  int WaitLength() const;
  // The counter-switch commands: Switch Counter and the double-clicks on the counter.
  void BindCounterSwitch(const ui::TNotifyEvent& handler);
  // Shuffle has used up a list read from a file: the file fills the list again.
  void RereadShuffledList();
  // Removes the entry shuffle has played; the stepping commands go off at one entry left. When it was
  // the last entry, the list is read again from its file or cleared, and false says that nothing is
  // left for the caller to choose.
  bool ConsumeShuffledEntry(int index);
  // The entry Next (forward) or Previous goes to: the neighbour, wrapping at the ends, or in the
  // random modes a random one, shuffle removing the current entry first; none when shuffle used up
  // the list (it has been read again or cleared).
  std::optional<int> StepIndex(bool forward);
  // The mode labels' colours and the Next and Previous hints follow the mode check marks.
  void ShowPlayModes();

  std::vector<std::string> commandLine_;
  base::RandomSource& random_;
};

}  // namespace player
