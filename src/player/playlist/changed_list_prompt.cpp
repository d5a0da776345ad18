// The prompt that guards an edited list before anything replaces it or the program ends.
#include "player/form_player.h"

namespace player {

bool TFormPlayer::ConfirmSaveChangedList() {
  if (PathList.empty()) ListChanged = 0;
  if (ListChanged == 0) return true;
  const int answer = ui::Application().ShowMessageBox("This list has been changed. Save it now?", "Save list now?",
                                                  ui::mbYesNoCancel | ui::mbIconQuestion);
  if (answer == ui::mrYes) {
    // Without a list file the Save List dialog asks for one; cancelling it still goes on.
    FileSaveListClick(this);
    return true;
  }
  if (answer == ui::mrNo) {
    ListChanged = 0;
    return true;
  }
  return false;
}

}  // namespace player
