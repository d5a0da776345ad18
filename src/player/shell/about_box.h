// The About box: the program's icon and title picture, its name and version, a notice, the maker, and
// the maker's web and mail addresses in read-only boxes that the user can select and copy from.
#pragma once

#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/forms.h"
#include "ui/image.h"
#include "ui/stdctrls.h"

namespace player {

class TFormAbout : public ui::TForm {
 public:
  explicit TFormAbout(ui::TComponent* owner);

  ui::TBevel Bevel1{this, "Bevel1"};
  ui::TImage ImageAB{this, "ImageAB"};
  ui::TImage ImageTitle{this, "ImageTitle"};
  ui::TLabel LabelMG{this, "LabelMG"};
  ui::TLabel LabelVer{this, "LabelVer"};
  ui::TLabel LabelNotice{this, "LabelNotice"};
  ui::TLabel LblProduct{this, "LblProduct"};
  ui::TEdit EditURL{this, "EditURL"};
  ui::TEdit EditEmail{this, "EditEmail"};
  ui::TButton BtnAbOK{this, "BtnAbOK"};

  // The application's icon goes into ImageAB.
  void FormCreate(ui::TObject* sender);
};

}  // namespace player
