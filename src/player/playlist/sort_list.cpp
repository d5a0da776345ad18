// Sorting: the paths in the user's locale order, letter case ignored; playing starts again at the top.
#include <algorithm>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include "base/text.h"
#include "player/form_player.h"

namespace player {

namespace {

// Each path's key made once: comparing the paths themselves in the locale's order costs the system
// many times more, at every one of the sort's comparisons. The paths stay as they were until every key
// is made.
void SortPaths(std::vector<std::string>& paths) {
  const os::Collation& collation = ui::Application().Services().collation;
  std::vector<std::string> keys;
  keys.reserve(paths.size());
  for (const std::string& path : paths) keys.push_back(collation.SortKey(path));
  std::vector<std::size_t> order(paths.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  std::vector<std::string> sorted;
  sorted.reserve(paths.size());
  for (std::size_t i : order) sorted.push_back(std::move(paths[i]));
  paths = std::move(sorted);
}

}  // namespace

void TFormPlayer::FileSortListClick(ui::TObject* sender) {
  HideRenameBox();
  // The popup's item stays on for an emptied list; there is nothing to sort or load then.
  if (PathList.empty()) return;
  ResetCounter();
  SortPaths(PathList);
  if (MIDIPlayer.Mode() == os::DeviceMode::Playing) MIDIPlayer.Stop();
  MIDIPlayer.Close();
  // The set of texts is unchanged, so the scroll range needs no new measure.
  std::vector<std::string> texts;
  texts.reserve(PathList.size());
  for (const std::string& path : PathList) texts.push_back(base::NameAfterBackslash(path));
  SongList.Assign(std::move(texts));
  CurrentIndex = 0;
  ResetCounter();
  LoadEntry(0);
  // The transport buttons follow, as after every other load: they are the record of what plays.
  StartOrStop(AutoPlay.Checked());
  MarkListChanged();
}

}  // namespace player
