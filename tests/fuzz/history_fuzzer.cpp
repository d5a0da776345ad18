// History.ini and the recent lists: the input up to its first NUL is History.ini, read as start-up
// reads it; each byte after it attaches a list (one of the history's names or a new one) or lets the
// attached list go back to the menu. After each step the history leads with the attached list and
// keeps its length by the limit's rule; at the end the menu shows no name more often than the history
// holds it, and the history written as the exit writes it reads back the same.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "base/lines.h"
#include "fuzz_check.h"
#include "os/fake/fake_file_system.h"
#include "player/playlist/list_file_reader.h"
#include "player/playlist/recent_history.h"

using fuzzing::Fail;
using Names = std::vector<std::string>;

namespace {

constexpr const char* kHistoryFile = "C:\\MIDITunora\\History.ini";

// Each caption is a name of the history, and appears no more often than there.
void CheckCaptionsInHistory(const Names& history, const Names& captions) {
  std::map<std::string, int> count;
  for (const std::string& name : history) ++count[name];
  for (const std::string& caption : captions) {
    if (--count[caption] < 0) Fail("the menu shows \"" + caption + "\" more often than the history holds it");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t nul = input.find('\0');
  const std::string_view ini = input.substr(0, nul);
  const std::string_view steps = nul == std::string_view::npos ? std::string_view() : input.substr(nul + 1);

  os::FakeFileSystem files;
  files.AddFile(kHistoryFile, ini);
  Names history = player::ReadListFile(files, kHistoryFile);
  Names captions = history;

  for (std::size_t i = 0; i < steps.size(); ++i) {
    const auto step = static_cast<unsigned char>(steps[i]);
    if (step % 3 == 2) {
      player::ReturnFirstToCaptions(history, captions);
      if (!history.empty() && captions.front() != history.front()) Fail("the let-go list is not first in the menu");
      continue;
    }
    const std::string name = step % 3 == 0 && !history.empty()
                                 ? history[(step / 3) % history.size()]
                                 : "C:\\Lists\\" + std::to_string(step / 3) + ".mpl";
    const std::size_t before = history.size();
    const bool held = std::find(history.begin(), history.end(), name) != history.end();
    player::RecordInHistory(history, captions, name);
    if (history.empty() || history.front() != name) Fail("the attached list is not first in the history");
    const std::size_t without = held ? before - 1 : before;
    const std::size_t expected = without == 15 ? 15 : without + 1;
    if (history.size() != expected) {
      Fail("a history of " + std::to_string(before) + " names holds " + std::to_string(history.size()));
    }
  }
  CheckCaptionsInHistory(history, captions);

  files.WriteFile(kHistoryFile, base::JoinLines(history));
  if (player::ReadListFile(files, kHistoryFile) != history) Fail("the history reads back otherwise");
  return 0;
}
