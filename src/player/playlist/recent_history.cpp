#include "player/playlist/recent_history.h"

#include <algorithm>

namespace player {

namespace {

// The history's length the program keeps.
constexpr std::size_t kHistoryLimit = 15;

void EraseFirst(std::vector<std::string>& names, const std::string& name) {
  if (const auto found = std::find(names.begin(), names.end(), name); found != names.end()) names.erase(found);
}

}  // namespace

void RecordInHistory(std::vector<std::string>& history, std::vector<std::string>& captions,
                     const std::string& name) {
  if (std::find(history.begin(), history.end(), name) != history.end()) {
    EraseFirst(history, name);
    EraseFirst(captions, name);
  }
  if (history.size() == kHistoryLimit) {
    EraseFirst(captions, history.back());
    history.pop_back();
  }
  history.insert(history.begin(), name);
}

bool ReturnFirstToCaptions(const std::vector<std::string>& history, std::vector<std::string>& captions) {
  if (history.empty()) return false;
  if (!captions.empty() && captions.front() == history.front()) return false;
  captions.insert(captions.begin(), history.front());
  return true;
}

}  // namespace player
