// The player's own registry key in the test prefix.
#pragma once

#include <windows.h>

namespace e2e {

inline constexpr char kPlayerKey[] = "SOFTWARE\\Fernwick\\MIDI Tunora";

bool PlayerKeyExists();
// Deletes the key with everything below it; true when it is gone (or was never there).
bool DeleteKeyTree(HKEY parent, const char* name);

}  // namespace e2e
