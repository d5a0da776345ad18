// The player's main window: it owns every control and all player state for the whole run. Its
// handlers live in the subsystem folders beside this file (shell/, playback/, playlist/, filebox/).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/random.h"
#include "controls/digit_box.h"
#include "controls/directory_list_box.h"
#include "controls/drive_combo_box.h"
#include "controls/file_list_box.h"
#include "controls/filter_combo_box.h"
#include "controls/s_track_bar.h"
#include "controls/scroll_list_box.h"
#include "controls/splitter_wnd.h"
#include "controls/task_icon.h"
#include "controls/threaded_timer.h"
#include "player/shell/registry_values.h"
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
  ui::TMenuItem Contents{this, "Contents", "&Contents", ui::vkF1};
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

  // --- Play list popup menu ------------------------------------------------------------------------
  ui::TPopupMenu PopupSongList{this, "PopupSongList"};
  ui::TMenuItem PopGoto{this, "PopGoto", "&Goto Current", ui::Ctrl('G')};
  ui::TMenuItem PopShowFilePath{this, "PopShowFilePath", "Show File &Path"};
  ui::TMenuItem SongListSeparator1{this, "SongListSeparator1", "-"};
  ui::TMenuItem PopRemove{this, "PopRemove", "&Remove File", ui::vkDelete};
  ui::TMenuItem PopClearList{this, "PopClearList", "&Clear List"};
  ui::TMenuItem PopSortList{this, "PopSortList", "&Sort List"};
  ui::TMenuItem SongListSeparator2{this, "SongListSeparator2", "-"};
  ui::TMenuItem MoveFileTo{this, "MoveFileTo", "&Move File To..."};
  ui::TMenuItem MoveAllFilesTo{this, "MoveAllFilesTo", "Move &All Files To..."};
  ui::TMenuItem PopRename{this, "PopRename", "Re&name File"};
  ui::TMenuItem PopDelete{this, "PopDelete", "&Kill This File!"};

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

  // --- File box, in PanelFileList: folder and file lists side by side, drive and filter boxes below --
  controls::TSplitterWnd SplitterWnd1{this, "SplitterWnd1"};
  controls::TPane Pane1{this, "Pane1"};
  controls::TDirectoryListBox DirectoryListBox{this, "DirectoryListBox"};
  controls::TPane Pane2{this, "Pane2"};
  controls::TFileListBox FileListBox{this, "FileListBox"};
  controls::TDriveComboBox DriveComboBox{this, "DriveComboBox"};
  controls::TFilterComboBox FilterComboBox{this, "FilterComboBox"};

  // --- File list popup menu -----------------------------------------------------------------------
  ui::TPopupMenu PopupFileBox{this, "PopupFileBox"};
  ui::TMenuItem PopupRefresh{this, "PopupRefresh", "&Refresh", ui::Ctrl('R')};
  ui::TMenuItem FileBoxSeparator{this, "FileBoxSeparator", "-"};
  ui::TMenuItem PopupAddFile{this, "PopupAddFile", "&Add Selected Files"};
  ui::TMenuItem PopupAddAll{this, "PopupAddAll", "Add All &Files"};

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
  // The entry pressed last in the play list: the one a drag of an entry moves.
  std::int32_t DragIndex = 0;

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

  // --- Play list editing (playlist/) --------------------------------------------------------------
  void BtnRemoveClick(ui::TObject* sender);
  void FileSortListClick(ui::TObject* sender);
  void MoveFileUpClick(ui::TObject* sender);
  void MoveFileDownClick(ui::TObject* sender);
  void GotoCurrent1Click(ui::TObject* sender);
  void PopShowFilePathClick(ui::TObject* sender);
  void PopupSongListPopup(ui::TObject* sender);

  // --- Adding files from the file box (playlist/) -------------------------------------------------
  void FileListBoxDblClick(ui::TObject* sender);
  void FileListBoxKeyDown(ui::TObject* sender, std::uint16_t& key, ui::TShiftState shift);
  void BtnAddFileClick(ui::TObject* sender);
  void BtnAddAllClick(ui::TObject* sender);

  // --- Drag and drop onto the play list (playlist/) -----------------------------------------------
  void SongListMouseDown(ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift, int x, int y);
  void SongListStartDrag(ui::TObject* sender);
  void SongListDragOver(ui::TObject* sender, ui::TObject* source, int x, int y, ui::TDragState state,
                        bool& accept);
  void SongListDragDrop(ui::TObject* sender, ui::TObject* source, int x, int y);
  void SongListEndDrag(ui::TObject* sender, ui::TObject* target, int x, int y);
  void FileListBoxMouseDown(ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift, int x, int y);
  void FileListBoxStartDrag(ui::TObject* sender);
  void FileListBoxEndDrag(ui::TObject* sender, ui::TObject* target, int x, int y);
  // Files dragged from the shell: inserted where they are dropped, as files from the file list are.
  void SongListDropFiles(ui::TObject* sender, const std::vector<std::string>& files, int x, int y);

  // --- File box (filebox/) ------------------------------------------------------------------------
  void DriveComboBoxChange(ui::TObject* sender);
  void DirectoryListBoxChange(ui::TObject* sender);
  void FilterComboBoxChange(ui::TObject* sender);
  void FileListBoxClick(ui::TObject* sender);
  void PopupFileBoxPopup(ui::TObject* sender);
  void SpeedBtnRefreshClick(ui::TObject* sender);
  void DirectoryListBoxMouseDown(ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift, int x,
                                 int y);
  // The folder the file box shows. Setting it moves the folder list there (or to the nearest folder
  // above it that exists), with the drive box, the file list and the add buttons; "" changes nothing.
  // A folder that cannot be read is reported in the error box and the file box stays where it was, so
  // that start-up goes on.
  void SetFileBoxFolder(const std::string& folder);
  std::string FileBoxFolder() const { return DirectoryListBox.Directory(); }

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

  // ===== Options, window layout, list files, recent lists, start-up restore and exit ==============

  // --- Options store (shell/) ---------------------------------------------------------------------
  // "LastOne" as read at start-up: where the automatically loaded list starts.
  std::int32_t LastOne = 0;
  void SaveOptionsClick(ui::TObject* sender);
  void AutoLoadClick(ui::TObject* sender);
  void OpExitClick(ui::TObject* sender);
  // The installation folder from the key setup writes; empty without it.
  void ReadProgramFolder();
  // Every option in its stored order, each applied as it is read; an error ends the reading there.
  void ReadOptions(RegistryValues& options);
  // The exit without "Save Options on Exit": "OpExit" alone, false, when the options key exists.
  void StoreOpExitOnly();

  // --- Window layout (shell/) ---------------------------------------------------------------------
  void FileBoxClick(ui::TObject* sender);
  void PlayListClick(ui::TObject* sender);
  void TrackBClick(ui::TObject* sender);
  void CounterClick(ui::TObject* sender);
  void MenuClick(ui::TObject* sender);
  // Every part and the menu bar shown, and the window back from the tray; also the maximize command.
  void AllClick(ui::TObject* sender);
  void HideClick(ui::TObject* sender);
  void StayOnTopClick(ui::TObject* sender);

  // --- Play list files (playlist/) ----------------------------------------------------------------
  // The initial folders of the Open List and Save List As dialogs.
  std::string OpenDialogFolder;
  std::string SaveDialogFolder;
  void FileOpenListClick(ui::TObject* sender);
  void FileSaveListClick(ui::TObject* sender);
  void FileSaveListAsClick(ui::TObject* sender);
  void FileCloseListClick(ui::TObject* sender);
  // The changed-list prompt: false when the user cancels what was about to replace the list.
  bool ConfirmSaveChangedList();

  // --- Recent lists (playlist/) ------------------------------------------------------------------
  // The list files most recently opened or saved, most recent first, compared exactly.
  std::vector<std::string> ListHistory;
  void RecordListInHistory(const std::string& name);
  void ReturnListToRecent();
  // Bound to every item of the Recent Lists submenu: reopens the list the item names.
  void RecentListClick(ui::TObject* sender);
  // The Recent Lists submenu as the user sees it, top to bottom.
  std::vector<std::string> RecentCaptions() const;
  // History.ini in ProgramFolder, read at start-up into ListHistory and the submenu.
  void LoadListHistory();
  // History.ini rewritten at exit, when there is a history and a program folder.
  void SaveListHistory();

  // --- File types (filetypes/) -------------------------------------------------------------------
  // Register File Types..., and the first start: the file-type dialog, modal, freed when it closes.
  void FileRegistrationClick(ui::TObject* sender);

  // --- Start-up restore and exit (shell/) ---------------------------------------------------------
  // The installation folder, the options and what follows from them; false on the first run (no
  // options stored), when the command line is not looked at.
  bool RestoreAtStartUp();
  // The list last open, when Auto Load is on and a list was stored.
  void AutoLoadLastList();
  // Entry CurrentIndex of the list just read loaded, and with Auto started.
  void LoadStartEntry();
  void FileExitClick(ui::TObject* sender);
  // The window's close: the exit, and the close refused when the user cancelled it.
  void FormClose(ui::TObject* sender, bool& canClose);

  // ===== MIDI reset, tray menu and help ===========================================================

  // --- MIDI reset (playback/) ---------------------------------------------------------------------
  // The reset types: each toggles its own item only (the radio group clears the other two); the
  // choice applies from the next LoadEntry.
  void GMClick(ui::TObject* sender);
  void GSClick(ui::TObject* sender);
  void XGClick(ui::TObject* sender);
  // Reset MIDI Now!: a playing device stops and lets go of the MIDI output, the reset messages go out,
  // and the entry is opened again at its start.
  void SpdBtnResetClick(ui::TObject* sender);

  // --- Tray icon and its menu (shell/) ------------------------------------------------------------
  // The window back from the notification area: the icon's double-click and the tray menu's Restore.
  void TrayIconDblClick(ui::TObject* sender);
  // The tray menu's items follow the transport buttons; Pause reads Continue while the device is
  // stopped where it was paused.
  void TrayPopPopup(ui::TObject* sender);

  // --- Help (shell/) ------------------------------------------------------------------------------
  // Help > Contents, F1: the help's contents, topic 101.
  void ContentsClick(ui::TObject* sender);
  // ===== End of MIDI reset, tray menu and help =====================================================

 private:
  // ===== Options, window layout, list files, recent lists, start-up restore and exit ==============
  void BindOptionAndListFileEvents();
  static void CheckTwins(ui::TMenuItem& item, ui::TMenuItem& twin, bool checked) {
    item.SetChecked(checked);
    twin.SetChecked(checked);
  }
  // Whether ProgramFolder holds the named reset file.
  bool ResetFileExists(const char* name);
  // Checks one reset type with all three enabled, or with none disables all three.
  void CheckResetType(ui::TMenuItem* type);
  // The design's GM stays only when its reset file exists.
  void CheckDesignResetType();
  // A window reaching past the screen's right or bottom edge moves left, or up leaving a twentieth of
  // the screen below it.
  void KeepOnScreenHorizontally();
  void KeepOnScreenVertically();
  // The part of the desktop that monitors show; for now the primary screen.
  ui::TRect VisibleDesktop() const;
  // A window wholly outside the visible desktop (stored for a monitor since removed) comes back.
  void BringBackOnScreen();
  // The state that follows from the restored check marks: play-mode labels, the counter's twin, the
  // layout of the parts, the counter's colour and a window on screen.
  void ShowRestoredState();

  // The Open List dialog, or the Save List dialog with its title; nothing when cancelled.
  std::optional<std::string> AskListFileToOpen();
  std::optional<std::string> AskListFileToSave(const std::string& title);
  void SaveListAs(const std::string& title);
  // Close List after its prompt; also what an unreadable list file leaves behind.
  void CloseList();
  // A playing device stops and closes; a loaded one stays.
  void StopPlayingDevice();
  // The commands a list opened from a file enables before it is read.
  void EnableOpenedListCommands();
  // ReadListFile into PathList; when it fails, the player is left as after Close List.
  void ReadOpenedList(const std::string& fileName);
  // The list just read shown, its start entry (random in the random modes) loaded and, with Auto, started.
  void ShowOpenedList();
  // The submenu's items show these names, in order.
  void ShowRecentCaptions(const std::vector<std::string>& captions);
  std::string HistoryFileName() const;
  // The refresh ticks end and the device closes: the program is ending.
  void StopForGood();

  // The items of the Recent Lists submenu; the ones shown come first.
  std::vector<std::unique_ptr<ui::TMenuItem>> recentItems_;
  // History.ini could not be read at start-up: it is not written over at exit.
  bool historyUnread_ = false;
  // ===== End of options, layout, list files, recent lists, start-up and exit ========================

  // ===== MIDI reset, tray menu and help ===========================================================
  void BindResetTrayAndHelpEvents();
  // The help file the viewer is given: the application's own where it exists, else Mtunora.chm in the
  // installation folder, else Mtunora.chm beside the program; "" when there is none.
  std::string HelpFileToShow();
  // Shows a topic of that file in the help viewer; no help file, or a topic the viewer cannot show, is
  // reported.
  void ShowHelpTopic(std::uint32_t topic);
  // ===== End of MIDI reset, tray menu and help =====================================================

  void BuildMenus();
  void BuildLayout();
  void BuildFileBox();
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
  // Loaded and playing when told to, else loaded and stopped: the transport buttons say which.
  void StartOrStop(bool start);
  // The up and down commands follow the selection after an entry moved.
  void SelectMoved(int index);

  // Files from the file box or the shell, added one by one: at the end (index -1) or at an index,
  // measured without applying; the first entry of an empty list becomes current.
  void AddFileEntry(int index, const std::string& path, const std::string& text);
  // The selected files of the file box (all of them with all set) added at the end of the play list.
  void AddFileBoxFiles(ui::TObject* sender, bool all);
  // Files dropped on the play list, inserted in order from an index; the current entry keeps its file.
  void InsertDroppedFiles(int index, const std::vector<std::string>& paths, const std::vector<std::string>& texts);
  // The entry DragIndex names moved to the drop index.
  void MoveDraggedEntry(ui::TObject* sender, int index);
  // After a drop: the commands follow the new selection, the list is marked changed, the normal pointer.
  void FinishDrop();

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
