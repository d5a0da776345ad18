// The player's own registry key in the test prefix.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <utility>

namespace e2e {

inline constexpr char kPlayerKey[] = "SOFTWARE\\Fernwick\\MIDI Tunora";
inline constexpr char kOptionsKey[] = "SOFTWARE\\Fernwick\\MIDI Tunora\\Options";
// Its default value is the installation folder, which holds History.ini.
inline constexpr char kFolderKey[] = "SOFTWARE\\Fernwick\\MIDI Tunora\\Folder";

// The options of a player that has run before (so that its command line is read), with Auto on, the
// file box hidden, no reset type and no automatic load; the options are stored at exit when saveOnExit.
// The numbers in changed replace those of the same name. The player key's own default value, which only
// the player's save writes, is left out.
void WriteOptions(const std::string& fileBoxFolder, bool saveOnExit,
                  std::initializer_list<std::pair<const char*, DWORD>> changed = {});
// The player key's default value, "" when there is none.
std::string PlayerKeyDefault();
// Deletes the key with everything below it; true when it is gone (or was never there).
bool DeleteKeyTree(HKEY parent, const char* name);

}  // namespace e2e
