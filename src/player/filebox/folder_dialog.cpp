#include "player/filebox/folder_dialog.h"

#include "player/form_player.h"

namespace player {

namespace {

// The mode is the dialog's caption.
std::string FolderModeCaption(TFolderMode mode) {
  switch (mode) {
    case TFolderMode::nfCreateNewFolder: return "Create New Folder";
    case TFolderMode::nfMoveFile: return "Move File";
    case TFolderMode::nfMoveAllFiles: return "Move All Files";
  }
  return "";
}

}  // namespace

TFormNF::TFormNF(TFormPlayer& player, TFolderMode mode, const std::string& prompt)
    : ui::TForm(&player, "FormNF"), player_(player), mode_(mode) {
  SetCaption(FolderModeCaption(mode));
  BorderStyle = ui::TFormBorderStyle::bsDialog;
  BorderIcons = 0;
  Position = ui::TPosition::poScreenCenter;
  SetTopMost(true);
  SetClientWidth(359);
  SetClientHeight(88);
  LabelNF.SetParent(this);
  LabelNF.SetAutoSize(false);
  LabelNF.SetBounds(11, 8, 337, 13);
  LabelNF.SetCaption(prompt);
  EditNF.SetParent(this);
  EditNF.SetBounds(11, 26, 337, 21);
  EditNF.AutoSelect = false;
  ActiveControl = &EditNF;
  BitOKNF.SetParent(this);
  BitOKNF.SetBounds(188, 56, 75, 25);
  BitOKNF.SetCaption("OK");
  BitOKNF.SetDefault(true);
  BitCancelNF.SetParent(this);
  BitCancelNF.SetBounds(273, 56, 75, 25);
  BitCancelNF.SetCaption("Cancel");
  BitCancelNF.Cancel = true;

  OnCreate = [this](ui::TObject* sender) { FormCreate(sender); };
  BitOKNF.OnClick = [this](ui::TObject* sender) { BitOKNFClick(sender); };
  BitCancelNF.OnClick = [this](ui::TObject* sender) { BitCancelNFClick(sender); };
}

void TFormNF::FormCreate(ui::TObject* sender) {
  const std::string folder = player_.FileBoxFolder();
  EditNF.SetText(folder.empty() || folder.back() == '\\' ? folder : folder + "\\");
  EditNF.SetSelStart(static_cast<int>(EditNF.Text().size()));
}

void TFormNF::BitOKNFClick(ui::TObject* sender) {
  const std::string typed = EditNF.Text();
  switch (mode_) {
    case TFolderMode::nfCreateNewFolder: player_.CreateNewFolder(typed); break;
    case TFolderMode::nfMoveFile: player_.MoveFileInto(typed); break;
    case TFolderMode::nfMoveAllFiles: player_.MoveAllFilesInto(typed); break;
  }
  SetModalResult(ui::mrOk);
}

void TFormNF::BitCancelNFClick(ui::TObject* sender) { Close(); }

}  // namespace player
