// The file-type dialog: which media kinds, .avi, .mid with .rmi, and .wav, the shell opens and plays
// with the player. It shows each kind checked while the player's commands are the kind's, and on OK
// registers the checked kinds and restores the others (file_type_registration.h).
#pragma once

#include "player/filetypes/file_type_registration.h"
#include "ui/buttons.h"
#include "ui/forms.h"
#include "ui/image.h"
#include "ui/stdctrls.h"

namespace player {

class TFRegDlg : public ui::TForm {
 public:
  // Owned by the main window, which it stays above.
  explicit TFRegDlg(ui::TForm* owner);

  ui::TLabel Label1{this, "Label1"};
  ui::TImage ImageFR{this, "ImageFR"};
  ui::TGroupBox GroupBox1{this, "GroupBox1"};
  ui::TCheckBox CheckBoxAvi{this, "CheckBoxAvi"};
  ui::TCheckBox CheckBoxMid{this, "CheckBoxMid"};
  ui::TCheckBox CheckBoxWav{this, "CheckBoxWav"};
  ui::TButton OKBtn{this, "OKBtn"};
  ui::TButton CancelBtn{this, "CancelBtn"};

  // The application's icon, and each kind's box from the registry: a kind whose extension is missing
  // is reported in a box of its own and cannot be chosen.
  void FormCreate(ui::TObject* sender);
  // Registers each checked kind and restores each unchecked one; the dialog closes with OK.
  void OKBtnClick(ui::TObject* sender);

 private:
  void ShowNotices(const std::vector<FileTypeNotice>& notices);
  FileTypeRegistration registration_;
};

}  // namespace player
