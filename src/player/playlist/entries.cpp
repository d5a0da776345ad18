// The entry operations: PathList and the items of SongList change together.
#include "base/text.h"
#include "player/form_player.h"

namespace player {

void TFormPlayer::AppendEntry(const std::string& path, const std::string& text) {
  PathList.push_back(path);
  SongList.Add(text);
}

// The index is checked before either list changes, so that they stay parallel.
void TFormPlayer::InsertEntry(int index, const std::string& path, const std::string& text) {
  if (index < 0 || index > static_cast<int>(PathList.size())) throw ui::EListError(index);
  PathList.insert(PathList.begin() + index, path);
  SongList.Insert(index, text);
}

void TFormPlayer::DeleteEntry(int index) {
  if (index < 0 || index >= static_cast<int>(PathList.size())) throw ui::EListError(index);
  PathList.erase(PathList.begin() + index);
  SongList.Delete(index);
}

void TFormPlayer::ExchangeEntries(int a, int b) {
  std::swap(PathList.at(a), PathList.at(b));
  SongList.Exchange(a, b);
}

void TFormPlayer::ClearEntries() {
  PathList.clear();
  SongList.Clear();
}

void TFormPlayer::FillDisplayFromPaths(bool measure) {
  SongList.Clear();
  for (const std::string& path : PathList) {
    const std::string text = base::DisplayName(path);
    SongList.Add(text);
    if (measure) MeasureEntry(text, false);
  }
  if (measure) MeasureEntry("", true);
}

}  // namespace player
