// Register File Types...: the file-type dialog, made for this showing and freed when it closes.
#include "player/filetypes/file_type_dialog.h"
#include "player/form_player.h"

namespace player {

void TFormPlayer::FileRegistrationClick(ui::TObject* sender) {
  TFRegDlg dialog(this);
  ui::Application().CreateForm(dialog);
  dialog.ShowModal();
}

}  // namespace player
