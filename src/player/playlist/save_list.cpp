// Save List and Save List As: the list written to its file, or to a file the user names.
#include "base/text.h"
#include "player/form_player.h"
#include "player/playlist/list_file_writer.h"

namespace player {

void TFormPlayer::FileSaveListClick(ui::TObject* sender) {
  HideRenameBox();
  ui::TApplication& application = ui::Application();
  // Shuffle play removes what it has played; the prompt's own save does not ask.
  const bool ownControl = sender == &SpeedBtnSave || sender == &FileSaveList || sender == &SaveList1;
  if (ShufflePlay.Checked() && ownControl) {
    const int answer = application.ShowMessageBox(
        "MIDI Tunora is now in shuffle mode, some files may have been removed from the play list.  Are you sure "
        "you want to save this list to file?",
        "Warning - Save List", ui::mbYesNo | ui::mbIconWarning);
    if (answer != ui::mrYes) return;
  }
  if (ListFileName == "*.mpl") {
    SaveListAs("Save List");
    return;
  }
  WriteListFile(application.Services().files, ListFileName, PathList);
  LastListFileName = ListFileName;
  ListChanged = 0;
}

void TFormPlayer::FileSaveListAsClick(ui::TObject* sender) {
  HideRenameBox();
  SaveListAs("Save List As");
}

void TFormPlayer::SaveListAs(const std::string& title) {
  ui::TApplication& application = ui::Application();
  const std::optional<std::string> chosen = AskListFileToSave(title);
  if (!chosen) return;
  ListFileName = *chosen;

  const std::string extension = base::FileExtension(ListFileName);
  if (extension != ".mpl") {
    application.ShowMessageBox(
        "You have typed a wrong extension for play list file.\nRemember, you don't have to type any extension.\n"
        "MIDI Tunora will always save Play List File with the 'mpl' extension.",
        "Reminding - MIDI Tunora Play List File Extension", ui::mbIconInformation | ui::mbTopMost);
    ListFileName = ListFileName.substr(0, ListFileName.size() - extension.size()) + ".mpl";
  }

  // Saving again to the list file that is open asks nothing.
  const bool sameList = ListFileName == LastListFileName && FileCloseList.Enabled();
  if (!sameList && application.Services().files.FileExists(ListFileName)) {
    const int answer = application.ShowMessageBox(
        "Do you want to overwrite '" + base::DisplayName(ListFileName) + "' with current play list?",
        "Warning - Overwrite play list file", ui::mbYesNo | ui::mbIconWarning | ui::mbDefButton2);
    if (answer != ui::mrYes) {
      ListFileName = "*.mpl";
      return;
    }
  }

  WriteListFile(application.Services().files, ListFileName, PathList);
  RecordListInHistory(ListFileName);
  LastListFileName = ListFileName;
  const std::string listName = ListTitle().substr(3);
  if (CurrentIndex >= 0 && CurrentIndex < static_cast<int>(PathList.size())) {
    SetCaption(base::DisplayName(PathList[CurrentIndex]) + " - " + listName + " - MIDI Tunora");
  } else {
    SetCaption(listName + " - MIDI Tunora");
  }
  application.SetTitle(Caption());
  SpdBtnClose.SetEnabled(true);
  FileCloseList.SetEnabled(true);
  ListChanged = 0;
}

}  // namespace player
