// The folder dialog: one line for a folder's path, in one of three modes, each its own caption and
// prompt. OK carries out the mode through the main window, then the dialog closes whatever came of it.
#pragma once

#include <string>

#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/forms.h"
#include "ui/stdctrls.h"

namespace player {

class TFormPlayer;

enum class TFolderMode { nfCreateNewFolder, nfMoveFile, nfMoveAllFiles };

class TFormNF : public ui::TForm {
 public:
  // The dialog of the main window in a mode, with the prompt for it.
  TFormNF(TFormPlayer& player, TFolderMode mode, const std::string& prompt);

  ui::TLabel LabelNF{this, "LabelNF"};
  ui::TEdit EditNF{this, "EditNF"};
  ui::TButton BitOKNF{this, "BitOKNF"};
  ui::TButton BitCancelNF{this, "BitCancelNF"};

  // The path starts as the file box's folder, ready for a name to be typed after it.
  void FormCreate(ui::TObject* sender);
  void BitOKNFClick(ui::TObject* sender);
  void BitCancelNFClick(ui::TObject* sender);

 private:
  TFormPlayer& player_;
  TFolderMode mode_;
};

}  // namespace player
