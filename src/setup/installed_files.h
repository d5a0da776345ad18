// The files setup installs and removes, and the shortcuts it makes.
#pragma once

#include <string>
#include <vector>

namespace setup {

// A file copied from the source folder: into the installation folder, or into its "Reset" folder.
struct InstalledFile {
  const char* name;
  bool reset;
};
// In the order they are copied.
extern const std::vector<InstalledFile> kInstalledFiles;

constexpr char kPlayerFile[] = "MIDI_Tunora.exe";
constexpr char kHelpFile[] = "Mtunora.chm";
constexpr char kReadMeFile[] = "ReadMe.txt";
// The name setup's own copy takes in the installation folder, where the uninstall entry starts it.
constexpr char kSetupFile[] = "setup.exe";

// The files uninstallation deletes, as names to append to the installation folder, in order: the
// installed files, the player's recent lists, the help viewer's index beside the help file, the reset
// files.
extern const std::vector<std::string> kRemovedFiles;

// A shortcut: its file name to append to its folder, what it points at in the installation folder and
// its description.
struct Shortcut {
  const char* file;
  const char* target;
  const char* description;
};
// The program group's shortcuts, in the order they are made.
extern const std::vector<Shortcut> kGroupShortcuts;
extern const Shortcut kDesktopShortcut;

}  // namespace setup
