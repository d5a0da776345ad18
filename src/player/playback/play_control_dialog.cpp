#include "player/playback/play_control_dialog.h"

#include <string>

#include "player/form_player.h"

namespace player {

namespace {

void PlaceLabel(ui::TLabel& label, ui::TForm& form, int left, int top, const char* caption) {
  label.SetParent(&form);
  label.SetCaption(caption);
  label.SetBounds(left, top, label.Width(), label.Height());
}

void PlaceNumber(ui::TEdit& edit, ui::TUpDown& upDown, ui::TForm& form, int top, int min, int position) {
  edit.SetParent(&form);
  edit.SetBounds(46, top, 21, 21);
  edit.SetText(std::to_string(position));
  upDown.SetParent(&form);
  upDown.SetMin(min);
  upDown.SetMax(99);
  upDown.SetPosition(position);
  upDown.Wrap = true;
  upDown.SetAssociate(&edit);
}

void PlaceButton(ui::TButton& button, ui::TForm& form, int left, const char* caption, int result) {
  button.SetParent(&form);
  button.SetBounds(left, 80, 75, 25);
  button.SetCaption(caption);
  button.ModalResult = result;
}

}  // namespace

TTCDlg::TTCDlg(TFormPlayer& player) : ui::TForm(&player, "TCDlg"), player_(player) {
  SetCaption("Play Control Options");
  BorderStyle = ui::TFormBorderStyle::bsDialog;
  BorderIcons = 0;
  Position = ui::TPosition::poScreenCenter;
  SetClientWidth(286);
  SetClientHeight(112);

  // The controls that take the focus in their tab order: the buttons, then each box with its arrows.
  PlaceButton(OKBtn, *this, 63, "&OK", ui::mrOk);
  OKBtn.SetDefault(true);
  PlaceButton(CancelBtn, *this, 147, "&Cancel", ui::mrCancel);
  CancelBtn.Cancel = true;
  PlaceNumber(EditSkip, UpDownSkip, *this, 15, 1, 5);
  PlaceNumber(EditWait, UpDownWait, *this, 43, 0, 0);
  // Each label runs behind the box in its gap. The window system stacks the windows placed first on
  // top, so the labels come last and the boxes take the mouse.
  Bevel1.SetParent(this);
  Bevel1.SetBounds(8, 8, 273, 65);
  PlaceLabel(Label1, *this, 16, 18, "Skip                 seconds when Forward and Reverse.");
  PlaceLabel(Label2, *this, 16, 47, "Wait                 seconds before playing next file.");

  OnCreate = [this](ui::TObject* sender) { FormCreate(sender); };
  OKBtn.OnClick = [this](ui::TObject* sender) { OKBtnClick(sender); };
}

void TTCDlg::FormCreate(ui::TObject* sender) {
  // The arrows start from the values too, so that a typed number they refuse keeps the value shown.
  UpDownSkip.SetPosition(player_.SkipSeconds);
  UpDownWait.SetPosition(player_.WaitSeconds);
  EditSkip.SetText(std::to_string(player_.SkipSeconds));
  EditWait.SetText(std::to_string(player_.WaitSeconds));
}

void TTCDlg::OKBtnClick(ui::TObject* sender) {
  player_.SkipSeconds = UpDownSkip.Position();
  player_.WaitSeconds = UpDownWait.Position();
}

}  // namespace player
