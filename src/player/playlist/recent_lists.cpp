// The recent lists: ListHistory, most recent first, and the Recent Lists submenu, which shows the
// history except the list file that is attached. Menu items are made as the menu first needs them and
// then reused, so that an item survives its own click.
#include "player/form_player.h"
#include "player/playlist/list_file_reader.h"
#include "player/playlist/list_file_writer.h"
#include "player/playlist/recent_history.h"

namespace player {

std::vector<std::string> TFormPlayer::RecentCaptions() const {
  std::vector<std::string> captions;
  for (const auto& item : recentItems_) {
    if (!item->Visible()) break;
    captions.push_back(item->Caption());
  }
  return captions;
}

void TFormPlayer::ShowRecentCaptions(const std::vector<std::string>& captions) {
  while (recentItems_.size() < captions.size()) {
    auto item = std::make_unique<ui::TMenuItem>(this, std::string(), std::string());
    item->OnClick = [this](ui::TObject* sender) { RecentListClick(sender); };
    Recent.Add(*item);
    recentItems_.push_back(std::move(item));
  }
  for (std::size_t i = 0; i < recentItems_.size(); ++i) {
    if (i < captions.size()) recentItems_[i]->SetCaption(captions[i]);
    recentItems_[i]->SetVisible(i < captions.size());
  }
}

void TFormPlayer::RecordListInHistory(const std::string& name) {
  std::vector<std::string> captions = RecentCaptions();
  RecordInHistory(ListHistory, captions, name);
  ShowRecentCaptions(captions);
}

void TFormPlayer::ReturnListToRecent() {
  std::vector<std::string> captions = RecentCaptions();
  if (ReturnFirstToCaptions(ListHistory, captions)) ShowRecentCaptions(captions);
}

void TFormPlayer::RecentListClick(ui::TObject* sender) {
  HideRenameBox();
  const auto* item = dynamic_cast<const ui::TMenuItem*>(sender);
  if (!item) return;
  // The item shows another name once the menu changes.
  const std::string name = item->Caption();
  if (!ConfirmSaveChangedList()) return;
  EnableOpenedListCommands();
  StopPlayingDevice();
  ClearEntries();
  SongList.SetEnabled(true);
  LastListFileName = name;
  ReadOpenedList(LastListFileName);
  ReturnListToRecent();
  RecordListInHistory(LastListFileName);
  ListFileName = LastListFileName;
  ShowOpenedList();
  BtnAddFile.SetEnabled(false);
}

std::string TFormPlayer::HistoryFileName() const { return ProgramFolder + "\\History.ini"; }

void TFormPlayer::LoadListHistory() {
  os::FileSystem& files = ui::Application().Services().files;
  if (files.FileExists(HistoryFileName())) {
    try {
      ListHistory = ReadListFile(files, HistoryFileName());
      ShowRecentCaptions(ListHistory);
      return;
    } catch (const ui::EFOpenError& error) {
      // The names it holds are kept for a later start: it is not written over at exit.
      historyUnread_ = true;
      ui::Application().ShowException(error);
    }
  }
  if (LastListFileName != "*.mpl") ListHistory = {LastListFileName};
}

void TFormPlayer::SaveListHistory() {
  if (ListHistory.empty() || ProgramFolder.empty() || historyUnread_) return;
  WriteListFile(ui::Application().Services().files, HistoryFileName(), ListHistory);
}

}  // namespace player
