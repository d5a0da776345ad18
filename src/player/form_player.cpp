#include "player/form_player.h"

#include "player/shell/glyphs.h"
#include "ui/icon.h"

namespace player {

namespace {

void Place(ui::TControl& control, ui::TWinControl& parent, int left, int top, int width, int height) {
  control.SetParent(&parent);
  control.SetBounds(left, top, width, height);
}

void MakeButton(ui::TSpeedButton& button, const std::string& hint, glyphs::Glyph glyph, bool enabled) {
  button.SetHint(hint);
  button.Glyph = std::move(glyph);
  button.SetEnabled(enabled);
}

// Labels size themselves to their captions; only their places are set.
void PlaceLabel(ui::TLabel& label, ui::TWinControl& parent, int left, int top) {
  label.SetParent(&parent);
  label.SetBounds(left, top, label.Width(), label.Height());
}

void MakeModeLabel(ui::TLabel& label, const std::string& caption, ui::TColor colour, int left, int top,
                   ui::TWinControl& parent) {
  label.SetCaption(caption);
  label.SetFontColor(colour);
  label.SetColor(ui::clBlack);
  PlaceLabel(label, parent, left, top);
}

}  // namespace

TFormPlayer::TFormPlayer(std::vector<std::string> commandLine, base::RandomSource& random)
    : ui::TForm(nullptr, "FormPlayer"), commandLine_(std::move(commandLine)), random_(random) {
  BuildMenus();
  BuildLayout();
  BindEvents();
}

TFormPlayer::~TFormPlayer() { ThreadedTimer.SetEnabled(false); }

void TFormPlayer::BuildLayout() {
  SetCaption("MIDI Tunora 1.0");
  SetClientWidth(591);
  SetClientHeight(296);
  ShowHint = true;

  Place(Bevel2, *this, 0, 0, 592, 1);

  Place(PanelControl, *this, 0, 1, 201, 31);
  PanelControl.PopupMenu = &ControlPopup;
  struct {
    ui::TSpeedButton& button;
    const char* hint;
    glyphs::Glyph glyph;
  } controlButtons[] = {
      {SpdBtnPlay, "Play", glyphs::Play()},         {SpdBtnPause, "Pause", glyphs::Pause()},
      {SpdBtnStop, "Stop", glyphs::Stop()},         {SpdBtnNext, "Next", glyphs::Next()},
      {SpdBtnPrev, "Previous", glyphs::Previous()}, {SpdBtnStep, "Forward", glyphs::Forward()},
      {SpdBtnBack, "Reverse", glyphs::Reverse()},
  };
  int x = 2;
  for (auto& b : controlButtons) {
    MakeButton(b.button, b.hint, std::move(b.glyph), false);
    Place(b.button, PanelControl, x, 2, 28, 28);
    x += 28;
  }

  Place(PanelSpeed, *this, 204, 1, 183, 31);
  struct {
    ui::TSpeedButton& button;
    const char* hint;
    glyphs::Glyph glyph;
    bool enabled;
  } toolButtons[] = {
      {SpeedBtnOpen, "Open List", glyphs::OpenList(), true},
      {SpeedBtnSave, "Save List", glyphs::SaveList(), false},
      {SpdBtnClose, "Close List", glyphs::CloseList(), false},
      {SpdBtnShrink, "Hide", glyphs::Shrink(), true},
      {SpdBtnReset, "Reset MIDI Now!", glyphs::ResetMidi(), true},
      {SpdBtnSaveOption, "Save Options", glyphs::SaveOptions(), true},
      {SpeedBtnRefresh, "Refresh File Box", glyphs::Refresh(), true},
  };
  x = 3;
  for (auto& b : toolButtons) {
    MakeButton(b.button, b.hint, std::move(b.glyph), b.enabled);
    Place(b.button, PanelSpeed, x, 3, 25, 25);
    x += 25;
  }

  Place(PanelCounter, *this, 392, 1, 197, 31);
  PanelCounter.SetColor(ui::clBlack);
  PanelCounter.SetHint("Toggle play mode here");
  MakeModeLabel(LblLoop, "Loop", ui::clFuchsia, 4, 2, PanelCounter);
  MakeModeLabel(LblRepeat, "Repeat", ui::clGray, 32, 2, PanelCounter);
  MakeModeLabel(LblRandom, "Random", ui::clGray, 76, 2, PanelCounter);
  MakeModeLabel(LblShuffle, "Shuffle", ui::clGray, 4, 16, PanelCounter);
  MakeModeLabel(LblAuto, "Auto", ui::clWhite, 54, 16, PanelCounter);
  for (controls::digitboxdb* box : {&DgMinIn, &DgSecIn}) {
    box->SetColor1(ui::clLime);
    box->SetDigits(2);
    box->SetHint("Switch Counter");
  }
  DgMinIn.SetDelay(100);
  DgSecIn.SetDelay(1000);
  Place(DgMinIn, PanelCounter, 128, 3, 28, 25);
  LblCounter.SetCaption(":");
  LblCounter.SetHint("Double click to toggle counter");
  LblCounter.SetColor(ui::clBlack);
  LblCounter.SetFontColor(ui::clLime);
  PlaceLabel(LblCounter, PanelCounter, 158, 8);
  Place(DgSecIn, PanelCounter, 166, 3, 28, 25);

  Place(BevelBottom, *this, 0, 32, 514, 1);

  Place(TrackBar, *this, 2, 32, 588, 26);
  TrackBar.SetHint("Drag and Release");
  TrackBar.SetEnabled(false);

  Place(PanelSongList, *this, 2, 59, 196, 233);
  Place(SongList, PanelSongList, 2, 2, 192, 229);
  SongList.ItemHeight = 13;
  SongList.SetColor(ui::clBtnFace);
  SongList.SetHint("Double click to play a file or drag to change order");
  SongList.SetEnabled(false);
  SongList.PopupMenu = &PopupSongList;
  SongList.DragMode = ui::TDragMode::dmAutomatic;
  SongList.SetAcceptFiles(true);
  PanelSongList.SetAcceptFiles(true);

  Place(PanelMid, *this, 204, 60, 43, 231);
  struct {
    ui::TSpeedButton& button;
    const char* caption;
    const char* hint;
    glyphs::Glyph glyph;
  } midButtons[] = {
      {BtnAddFile, "<", "Add Selected Files to List", {}},
      {BtnAddAll, "<<", "Add All Files to List", {}},
      {BtnRemove, ">", "Remove File", {}},
      {BtnRemoveAll, ">>", "Clear List", {}},
      {MoveFileUp, "", "Push File up", glyphs::PushUp()},
      {MoveFileDown, "", "Push File down", glyphs::PushDown()},
      {SpdMoveFile, "", "Move File to Another Folder", glyphs::MoveOneFile()},
      {SpdMoveAllFiles, "", "Move All Files to a Folder", glyphs::MoveAllFiles()},
      {BtnKill, "", "Kill This File!!!", glyphs::Kill()},
  };
  int y = 4;
  for (auto& b : midButtons) {
    b.button.SetCaption(b.caption);
    MakeButton(b.button, b.hint, std::move(b.glyph), false);
    Place(b.button, PanelMid, 3, y, 37, 23);
    y += 25;
  }

  Place(PanelFileList, *this, 252, 59, 335, 233);
  BuildFileBox();

  TrayIcon.SetIcon(ui::TIcon::FromPicture(glyphs::TrayPlaying()));
  TrayIcon.SetDisabledIcon(ui::TIcon::FromPicture(glyphs::TrayIdle()));
  TrayIcon.SetShowHint(true);
  TrayIcon.SetTaskIconID(0);
  TrayIcon.SetState(controls::TStateTaskIcon::tiDisabled);
  TrayIcon.SetInterval(500);
  TrayIcon.WhereIcons = controls::TWhereTaskIcon::tiInExe;
  TrayIcon.PopupMenu = &TrayPop;

  ThreadedTimer.SetInterval(200);
  ThreadedTimer.SetThreadPriority(ui::TThreadPriority::tpHigher);
}

void TFormPlayer::BuildFileBox() {
  Place(SplitterWnd1, PanelFileList, 4, 4, 326, 196);
  SplitterWnd1.SetOrientation(controls::TOrientation::swVertical);
  SplitterWnd1.SetThickness(3);
  SplitterWnd1.BarStyle = controls::TBarStyle::sbCheckered;
  SplitterWnd1.SetHint("Drag the spilt cursor to adjust width");
  Pane1.SetPaneSize(149);
  Pane1.SetSplitterWnd(&SplitterWnd1);
  Pane1.SetClientControl(&DirectoryListBox);
  Pane2.SetPaneSize(177);
  Pane2.SetSplitterWnd(&SplitterWnd1);
  Pane2.SetClientControl(&FileListBox);
  SplitterWnd1.Loaded();

  DirectoryListBox.SetColor(ui::clBtnFace);
  DirectoryListBox.SetFontColor(ui::clBlack);
  DirectoryListBox.ItemHeight = 17;
  DirectoryListBox.SetHint("Change directory");

  FileListBox.SetColor(ui::clBtnFace);
  FileListBox.SetFontColor(ui::clBlack);
  FileListBox.ItemHeight = 16;
  FileListBox.SetMultiSelect(true);
  FileListBox.SetMask("*.avi;*.mid;*.rmi;*.wav");
  FileListBox.SetHint("Double click or drag files to play list");
  FileListBox.PopupMenu = &PopupFileBox;
  for (ui::TMenuItem* item : {&PopupRefresh, &FileBoxSeparator, &PopupAddFile, &PopupAddAll})
    PopupFileBox.Items().Add(*item);

  Place(DriveComboBox, PanelFileList, 4, 204, 148, 22);
  DriveComboBox.SetColor(ui::clBtnFace);
  DriveComboBox.SetHint("Select drive");
  DriveComboBox.SetDirList(&DirectoryListBox);

  Place(FilterComboBox, PanelFileList, 155, 204, 175, 22);
  FilterComboBox.SetColor(ui::clBtnFace);
  FilterComboBox.SetHint("Selet file type");
  FilterComboBox.SetFilter(
      "(*.avi;*.mid;*.rmi;*.wav)|*.avi;*.mid;*.rmi;*.wav|MIDI file(*.mid;*.rmi)|*.mid;*.rmi|Audio file(*.wav)|*.wav|"
      "Video for Windows(*.avi)|*.avi|All files (*.*)|*.*");
  FilterComboBox.SetFileList(&FileListBox);

  // The file list reads its folder once, linked and with its mask: the process's current folder.
  DirectoryListBox.SetFileList(&FileListBox);
  SetFileBoxFolder(ui::Application().Services().files.GetCurrentFolder());
}

void TFormPlayer::BindEvents() {
  OnCreate = [this](ui::TObject* sender) { FormCreate(sender); };

  SongList.OnClick = [this](ui::TObject* sender) { SongListClick(sender); };
  SongList.OnDblClick = [this](ui::TObject* sender) { SongListDblClick(sender); };
  SongList.OnMouseDown = [this](ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift, int x,
                                int y) { SongListMouseDown(sender, button, shift, x, y); };
  SongList.OnStartDrag = [this](ui::TObject* sender) { SongListStartDrag(sender); };
  SongList.OnDragOver = [this](ui::TObject* sender, ui::TObject* source, int x, int y, ui::TDragState state,
                               bool& accept) { SongListDragOver(sender, source, x, y, state, accept); };
  SongList.OnDragDrop = [this](ui::TObject* sender, ui::TObject* source, int x, int y) {
    SongListDragDrop(sender, source, x, y);
  };
  SongList.OnEndDrag = [this](ui::TObject* sender, ui::TObject* target, int x, int y) {
    SongListEndDrag(sender, target, x, y);
  };
  SongList.OnDropFiles = [this](ui::TObject* sender, const std::vector<std::string>& files, int x, int y) {
    SongListDropFiles(sender, files, x, y);
  };
  // The empty play list is disabled, and the window system then gives a drop from the shell to its panel:
  // there it goes to the list, at the end.
  PanelSongList.OnDropFiles = [this](ui::TObject*, const std::vector<std::string>& files, int x, int y) {
    const ui::TPoint at = SongList.ScreenToClient(PanelSongList.ClientToScreen({x, y}));
    SongListDropFiles(&SongList, files, at.x, at.y);
  };

  SpdBtnPlay.OnClick = [this](ui::TObject* sender) { SpdBtnPlayClick(sender); };
  SpdBtnPause.OnClick = [this](ui::TObject* sender) { SpdBtnPauseClick(sender); };
  SpdBtnStop.OnClick = [this](ui::TObject* sender) { SpdBtnStopClick(sender); };
  PopPlay.OnClick = SpdBtnPlay.OnClick;
  PopPause.OnClick = SpdBtnPause.OnClick;
  PopStop.OnClick = SpdBtnStop.OnClick;

  SpdBtnStep.OnClick = [this](ui::TObject* sender) { SpdBtnStepClick(sender); };
  SpdBtnBack.OnClick = [this](ui::TObject* sender) { SpdBtnBackClick(sender); };

  TimeCount.OnClick = [this](ui::TObject* sender) { TimeLabelClick(sender); };
  LblCounter.OnDblClick = TimeCount.OnClick;
  DgMinIn.OnDblClick = TimeCount.OnClick;
  DgSecIn.OnDblClick = TimeCount.OnClick;

  TrackBar.OnChange = [this](ui::TObject* sender) { TrackBarChange(sender); };
  TrackBar.OnMouseDown = [this](ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift, int x,
                                int y) { TrackBarMouseDown(sender, button, shift, x, y); };
  TrackBar.OnMouseUp = [this](ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift, int x,
                              int y) { TrackBarMouseUp(sender, button, shift, x, y); };
  ThreadedTimer.SetOnTimer([this](ui::TObject* sender) { ThreadedTimerTimer(sender); });

  MIDIPlayer.OnNotify = [this](ui::TObject* sender) { MIDIPlayerNotify(sender); };

  SpdBtnNext.OnClick = [this](ui::TObject* sender) { SpdBtnNextClick(sender); };
  SpdBtnPrev.OnClick = [this](ui::TObject* sender) { SpdBtnPrevClick(sender); };
  PopNext.OnClick = SpdBtnNext.OnClick;
  PopPrev.OnClick = SpdBtnPrev.OnClick;
  DgSecIn.OnTargetReach = [this](ui::TObject* sender) { DgSecInTargetReach(sender); };

  // Each play mode toggles from its menu item and its label: Shuffle's by a click, the others' by a
  // double-click.
  LoopPlay.OnClick = [this](ui::TObject* sender) { LoopPlayClick(sender); };
  RepeatPlay.OnClick = [this](ui::TObject* sender) { RepeatPlayClick(sender); };
  RandomPlay.OnClick = [this](ui::TObject* sender) { RandomPlayClick(sender); };
  ShufflePlay.OnClick = [this](ui::TObject* sender) { ShufflePlayClick(sender); };
  AutoPlay.OnClick = [this](ui::TObject* sender) { AutoPlayClick(sender); };
  LblLoop.OnDblClick = LoopPlay.OnClick;
  LblRepeat.OnDblClick = RepeatPlay.OnClick;
  LblRandom.OnDblClick = RandomPlay.OnClick;
  LblShuffle.OnClick = ShufflePlay.OnClick;
  LblAuto.OnDblClick = AutoPlay.OnClick;

  FileClearList.OnClick = [this](ui::TObject* sender) { FileClearListClick(sender); };
  BtnRemoveAll.OnClick = FileClearList.OnClick;
  PopClearList.OnClick = FileClearList.OnClick;
  BtnRemove.OnClick = [this](ui::TObject* sender) { BtnRemoveClick(sender); };
  PopRemove.OnClick = BtnRemove.OnClick;
  FileSortList.OnClick = [this](ui::TObject* sender) { FileSortListClick(sender); };
  PopSortList.OnClick = FileSortList.OnClick;
  MoveFileUp.OnClick = [this](ui::TObject* sender) { MoveFileUpClick(sender); };
  MoveFileDown.OnClick = [this](ui::TObject* sender) { MoveFileDownClick(sender); };
  PopGoto.OnClick = [this](ui::TObject* sender) { GotoCurrent1Click(sender); };
  PopShowFilePath.OnClick = [this](ui::TObject* sender) { PopShowFilePathClick(sender); };
  PopupSongList.OnPopup = [this](ui::TObject* sender) { PopupSongListPopup(sender); };

  DriveComboBox.OnChange = [this](ui::TObject* sender) { DriveComboBoxChange(sender); };
  DirectoryListBox.OnChange = [this](ui::TObject* sender) { DirectoryListBoxChange(sender); };
  DirectoryListBox.OnMouseDown = [this](ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift,
                                        int x, int y) { DirectoryListBoxMouseDown(sender, button, shift, x, y); };
  FilterComboBox.OnChange = [this](ui::TObject* sender) { FilterComboBoxChange(sender); };
  FileListBox.OnClick = [this](ui::TObject* sender) { FileListBoxClick(sender); };
  FileListBox.OnDblClick = [this](ui::TObject* sender) { FileListBoxDblClick(sender); };
  FileListBox.OnKeyDown = [this](ui::TObject* sender, std::uint16_t& key, ui::TShiftState shift) {
    FileListBoxKeyDown(sender, key, shift);
  };
  FileListBox.OnMouseDown = [this](ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift, int x,
                                   int y) { FileListBoxMouseDown(sender, button, shift, x, y); };
  FileListBox.OnStartDrag = [this](ui::TObject* sender) { FileListBoxStartDrag(sender); };
  FileListBox.OnEndDrag = [this](ui::TObject* sender, ui::TObject* target, int x, int y) {
    FileListBoxEndDrag(sender, target, x, y);
  };
  BtnAddFile.OnClick = [this](ui::TObject* sender) { BtnAddFileClick(sender); };
  PopupAddFile.OnClick = BtnAddFile.OnClick;
  BtnAddAll.OnClick = [this](ui::TObject* sender) { BtnAddAllClick(sender); };
  PopupAddAll.OnClick = BtnAddAll.OnClick;
  PopupFileBox.OnPopup = [this](ui::TObject* sender) { PopupFileBoxPopup(sender); };
  SpeedBtnRefresh.OnClick = [this](ui::TObject* sender) { SpeedBtnRefreshClick(sender); };
  RefreshFileBox.OnClick = SpeedBtnRefresh.OnClick;
  PopupRefresh.OnClick = SpeedBtnRefresh.OnClick;

  TrayIcon.OnRightClick = [this](ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift, int x,
                                 int y) { TrayIconRightClick(sender, button, shift, x, y); };

  FileRegistration.OnClick = [this](ui::TObject* sender) { FileRegistrationClick(sender); };

  BindOptionAndListFileEvents();
  BindResetTrayAndHelpEvents();
}

}  // namespace player
