// The player's own registry key in the test prefix.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

inline constexpr char kPlayerKey[] = "SOFTWARE\\Fernwick\\MIDI Tunora";
inline constexpr char kOptionsKey[] = "SOFTWARE\\Fernwick\\MIDI Tunora\\Options";

// What an earlier run of the player left in its options.
struct EarlierRun {
  bool saveOnExit = false;
  bool fileBox = false;
  bool autoPlay = true;
};

// The options of a player that has run before (so that its command line is read), with the file box
// in that folder, no reset type and no automatic load; by default Auto on, the file box hidden and
// nothing stored at exit. The player key's own default value, which only the player's save writes, is
// left out.
void WriteOptions(const std::string& fileBoxFolder, const EarlierRun& run = {});
// The player key's default value, "" when there is none.
std::string PlayerKeyDefault();
// Deletes the key with everything below it; true when it is gone (or was never there).
bool DeleteKeyTree(HKEY parent, const char* name);

}  // namespace e2e
