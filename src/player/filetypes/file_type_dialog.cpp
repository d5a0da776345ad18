#include "player/filetypes/file_type_dialog.h"

#include "ui/icon.h"

namespace player {

namespace {

void Place(ui::TControl& control, ui::TWinControl& parent, int left, int top, int width, int height) {
  control.SetParent(&parent);
  control.SetBounds(left, top, width, height);
}

}  // namespace

TFRegDlg::TFRegDlg(ui::TForm* owner)
    : ui::TForm(owner, "FRegDlg"), registration_(ui::Application().Services().registry) {
  SetCaption("MIDI Tunora File Types Registration");
  BorderStyle = ui::TFormBorderStyle::bsDialog;
  BorderIcons = 0;
  Position = ui::TPosition::poScreenCenter;
  SetClientWidth(257);
  SetClientHeight(181);

  Place(ImageFR, *this, 8, 8, ui::kIconSize, ui::kIconSize);
  Label1.SetAutoSize(false);
  Label1.SetWordWrap(true);
  Label1.SetCaption(
      "MIDI Tunora can rigister the below file types.  After checking a file type, you can double click a file "
      "icon to launch it with MIDI Tunora.  If you change your mind later, you can always uncheck them to restore "
      "the previous registration value.");
  Place(Label1, *this, 48, 8, 201, 90);

  Place(GroupBox1, *this, 8, 100, 160, 73);
  const struct {
    ui::TCheckBox& box;
    const char* caption;
  } boxes[] = {
      {CheckBoxAvi, "Register .avi file"},
      {CheckBoxMid, "Register .mid .rmi  file"},
      {CheckBoxWav, "Register .wav file"},
  };
  int top = 14;
  for (const auto& [box, caption] : boxes) {
    box.SetCaption(caption);
    Place(box, GroupBox1, 12, top, 140, 17);
    top += 18;
  }

  OKBtn.SetCaption("OK");
  OKBtn.SetDefault(true);
  OKBtn.ModalResult = ui::mrOk;
  Place(OKBtn, *this, 176, 108, 73, 25);
  CancelBtn.SetCaption("Cancel");
  CancelBtn.Cancel = true;
  CancelBtn.ModalResult = ui::mrCancel;
  Place(CancelBtn, *this, 176, 144, 73, 25);

  OnCreate = [this](ui::TObject* sender) { FormCreate(sender); };
  OKBtn.OnClick = [this](ui::TObject* sender) { OKBtnClick(sender); };
}

void TFRegDlg::ShowNotices(const std::vector<FileTypeNotice>& notices) {
  for (const FileTypeNotice& notice : notices) ui::Application().ShowMessageBox(notice.text, notice.title, notice.flags);
}

void TFRegDlg::FormCreate(ui::TObject* sender) {
  ImageFR.SetIcon(ui::TIcon::FromApplication());
  ShowNotices(registration_.Read());
  const std::pair<ui::TCheckBox&, MediaKind> kinds[] = {
      {CheckBoxAvi, MediaKind::Avi}, {CheckBoxMid, MediaKind::Mid}, {CheckBoxWav, MediaKind::Wav}};
  for (const auto& [box, kind] : kinds) {
    box.SetEnabled(registration_.State(kind).available);
    box.SetChecked(registration_.State(kind).registered);
  }
}

void TFRegDlg::OKBtnClick(ui::TObject* sender) {
  ShowNotices(registration_.Apply(CheckBoxAvi.Checked(), CheckBoxMid.Checked(), CheckBoxWav.Checked()));
}

}  // namespace player
