// Play Control Options: the seconds Forward and Reverse skip and the seconds waited before the next
// file, each typed or stepped with wrapping arrows. OK takes them over; Cancel and Esc change nothing.
#pragma once

#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/forms.h"
#include "ui/stdctrls.h"

namespace player {

class TFormPlayer;

class TTCDlg : public ui::TForm {
 public:
  // The dialog of the main window's skip and wait seconds.
  explicit TTCDlg(TFormPlayer& player);

  ui::TBevel Bevel1{this, "Bevel1"};
  ui::TLabel Label1{this, "Label1"};
  ui::TLabel Label2{this, "Label2"};
  // In their tab order.
  ui::TButton OKBtn{this, "OKBtn"};
  ui::TButton CancelBtn{this, "CancelBtn"};
  ui::TEdit EditSkip{this, "EditSkip"};
  ui::TUpDown UpDownSkip{this, "UpDownSkip"};
  ui::TEdit EditWait{this, "EditWait"};
  ui::TUpDown UpDownWait{this, "UpDownWait"};

  // The boxes show the main window's values.
  void FormCreate(ui::TObject* sender);
  // The arrows' positions become the values; a typed number outside an arrow's range, or any other
  // text, leaves its previous position.
  void OKBtnClick(ui::TObject* sender);

 private:
  TFormPlayer& player_;
};

}  // namespace player
