#include "player/shell/about_box.h"

#include "player/shell/about_title.h"
#include "ui/icon.h"

namespace player {

namespace {

constexpr ui::TColor kBlue = 0xFF0000;

struct Bounds {
  int left, top, width, height;
};

void PlaceLine(ui::TLabel& label, ui::TForm& form, Bounds bounds, const char* caption, int points,
               ui::TColor colour) {
  label.SetParent(&form);
  label.SetAutoSize(false);
  label.SetAlignment(ui::TAlignment::taCenter);
  label.SetFont(ui::TFont::Named("MS Sans Serif", points, true));
  label.SetFontColor(colour);
  label.SetCaption(caption);
  label.SetBounds(bounds.left, bounds.top, bounds.width, bounds.height);
}

// An address the user can mark and copy, shown as text of the box rather than as a field.
void PlaceAddress(ui::TEdit& edit, ui::TForm& form, Bounds bounds, const char* address) {
  edit.SetParent(&form);
  edit.SetBounds(bounds.left, bounds.top, bounds.width, bounds.height);
  edit.SetReadOnly(true);
  edit.SetBorderStyle(ui::TBorderStyle::bsNone);
  edit.SetColor(ui::clBtnFace);
  edit.SetFont(ui::TFont::Named("MS Sans Serif", 9, true));
  edit.SetFontColor(kBlue);
  edit.SetText(address);
}

}  // namespace

TFormAbout::TFormAbout(ui::TComponent* owner) : ui::TForm(owner, "FormAbout") {
  SetCaption("About MIDI Tunora");
  BorderStyle = ui::TFormBorderStyle::bsDialog;
  BorderIcons = 0;
  Position = ui::TPosition::poScreenCenter;
  SetClientWidth(297);
  SetClientHeight(247);
  SetFont(ui::TFont::Named("MS Sans Serif", 8));

  Bevel1.SetParent(this);
  Bevel1.SetBounds(8, 6, 281, 235);
  ImageAB.SetParent(this);
  ImageAB.SetAutoSize(true);
  ImageAB.SetBounds(32, 16, 33, 33);
  ImageTitle.SetParent(this);
  ImageTitle.SetAutoSize(true);
  ImageTitle.SetBounds(89, 11, 188, 77);
  ImageTitle.SetFont(ui::TFont::Named("Times New Roman", 18, true));
  ImageTitle.SetPicture(kAboutTitleSize, DrawAboutTitle);

  PlaceLine(LabelMG, *this, {10, 56, 77, 18}, "MIDI Tunora", 9, ui::clRed);
  PlaceLine(LabelVer, *this, {10, 72, 77, 13}, "Ver.1.01 ", 9, ui::clBlack);
  PlaceLine(LabelNotice, *this, {16, 96, 266, 13}, "Free to use and to give away, unchanged.", 9, ui::clBlack);
  LabelNotice.SetWordWrap(true);
  LabelNotice.SetAutoSize(true);
  PlaceLine(LblProduct, *this, {16, 115, 266, 13}, "A Fernwick Software product", 8, ui::clBlack);
  PlaceAddress(EditURL, *this, {41, 133, 215, 21}, "http://fernwick.example/");
  PlaceAddress(EditEmail, *this, {96, 152, 105, 21}, "mt@fw.example");

  BtnAbOK.SetParent(this);
  BtnAbOK.SetBounds(112, 208, 74, 25);
  BtnAbOK.SetCaption("&OK");
  BtnAbOK.ModalResult = ui::mrOk;
  BtnAbOK.SetDefault(true);
  BtnAbOK.Cancel = true;
  ActiveControl = &BtnAbOK;

  // The hint tells how to copy an address, wherever the pointer rests in the box.
  const char* hint = "Mark the URL then right click to copy";
  SetHint(hint);
  for (ui::TControl* control : Controls()) control->SetHint(hint);

  OnCreate = [this](ui::TObject* sender) { FormCreate(sender); };
}

void TFormAbout::FormCreate(ui::TObject* sender) { ImageAB.SetIcon(ui::TIcon::FromApplication()); }

}  // namespace player
