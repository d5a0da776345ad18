// The player's own registry keys under HKEY_CURRENT_USER.
#pragma once

#include "os/registry.h"

namespace player {

// Created with its default value when options are saved.
inline const os::RegistryKey kPlayerKey{os::RegistryRoot::CurrentUser, "SOFTWARE\\Fernwick\\MIDI Tunora"};
// The options; its absence marks the first run.
inline const os::RegistryKey kOptionsKey{os::RegistryRoot::CurrentUser, "SOFTWARE\\Fernwick\\MIDI Tunora\\Options"};
// The installation folder, written by setup as the key's default value.
inline const os::RegistryKey kFolderKey{os::RegistryRoot::CurrentUser, "SOFTWARE\\Fernwick\\MIDI Tunora\\Folder"};

}  // namespace player
