// The registry keys setup writes and removes, and the play-list file class it registers.
#pragma once

#include <string>

#include "os/registry.h"

namespace setup {

// The installed version, machine-wide.
inline const os::RegistryKey kVersionKey{os::RegistryRoot::LocalMachine, "SOFTWARE\\Fernwick\\MIDI Tunora\\Version"};
inline const os::RegistryKey kMachinePlayerKey{os::RegistryRoot::LocalMachine, "SOFTWARE\\Fernwick\\MIDI Tunora"};
inline const os::RegistryKey kMachineMakerKey{os::RegistryRoot::LocalMachine, "SOFTWARE\\Fernwick"};
// Keys of earlier versions, under the machine.
inline const os::RegistryKey kOldMachineKey{os::RegistryRoot::LocalMachine, "SOFTWARE\\MIDI Tunora"};
inline const os::RegistryKey kMisspeltMakerKey{os::RegistryRoot::LocalMachine, "SOFTWARE\\Fernwik"};

// The player's key of the current user: its options, and the two folders setup records.
inline const os::RegistryKey kPlayerKey{os::RegistryRoot::CurrentUser, "SOFTWARE\\Fernwick\\MIDI Tunora"};
inline const os::RegistryKey kUserMakerKey{os::RegistryRoot::CurrentUser, "SOFTWARE\\Fernwick"};
inline const os::RegistryKey kGroupKey{os::RegistryRoot::CurrentUser, "SOFTWARE\\Fernwick\\MIDI Tunora\\Group"};
inline const os::RegistryKey kFolderKey{os::RegistryRoot::CurrentUser, "SOFTWARE\\Fernwick\\MIDI Tunora\\Folder"};

// The entry of the system's list of installed programs.
inline const os::RegistryKey kUninstallEntryKey{
    os::RegistryRoot::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\MIDI Tunora"};

constexpr char kPlayListClass[] = "MIDI Tunora MPL File";
constexpr char kPlayListExtension[] = ".mpl";
// The value in a media type's command key that keeps the command the player replaced.
constexpr char kBackupValue[] = "MIDITunora.Bak";

inline os::RegistryKey ClassesKey(const std::string& path) { return {os::RegistryRoot::ClassesRoot, path}; }

}  // namespace setup
