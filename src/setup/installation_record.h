// The end of the installation: the installation recorded in the registry, the play-list file type
// registered with the player's commands, and the entry in the system's list of installed programs.
#pragma once

#include <string>

#include "setup/setup_state.h"
#include "ui/forms.h"

namespace setup {

// The version the installation records.
constexpr char kRecordedVersion[] = "1.0";

// The player's shell commands for a play list in the installation folder: the program and the file
// each in quotation marks, so that a folder with blanks names the one program meant.
std::string OpenCommand(const std::string& targetFolder);
std::string PlayCommand(const std::string& targetFolder);

// Writes, in order: the machine-wide version, the group and installation folders of the current
// user, the play-list class with its open and play commands, the ".mpl" extension, then the uninstall
// entry. A key of the first four that cannot be created or written is reported and ends setup: false.
// An uninstall entry that cannot be written is reported as a warning; the installation stands.
bool RecordInstallation(ui::TApplication& application, const SetupState& state);

}  // namespace setup
