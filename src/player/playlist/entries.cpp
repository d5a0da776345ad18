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

// The texts go to the list as one change, which its window takes all at once; they are measured against
// the client width the filled list leaves.
void TFormPlayer::FillDisplayFromPaths(bool measure) {
  std::vector<std::string> texts;
  texts.reserve(PathList.size());
  for (const std::string& path : PathList) texts.push_back(base::DisplayName(path));
  SongList.Assign(std::move(texts));
  if (!measure) return;
  MeasureEntries(SongList.Items());
  MeasureEntry("", true);
}

}  // namespace player
