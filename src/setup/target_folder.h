// The target folder step of the installation: the folder proposed for the folder list's choice, and
// Continue, which creates the installation folder and copies the files into it.
#pragma once

#include <string>

#include "setup/setup_state.h"
#include "ui/forms.h"

namespace setup {

// Whether setup goes on after a step or ends.
enum class Outcome { GoOn, EndSetup };

// The name of the folder every installation proposes at first, appended to a drive's root.
constexpr char kDefaultFolderName[] = "MIDITunora";

// The folder proposed for the folder list's current folder: a drive root ("C:\") with the default
// name appended, any deeper folder as it is, for the user to type a new name after.
std::string ProposedTargetFolder(const std::string& listFolder);

// Continue: makes the typed folder the installation folder (as a full path without a trailing
// backslash), creates it and its "Reset" folder, and copies the installed files and setup itself into
// it, each replacing a file of its name. Tells the user what failed, or that all is done. EndSetup when
// the folder cannot be created or a file cannot be copied: the files copied before stay.
Outcome InstallFiles(ui::TApplication& application, SetupState& state, const std::string& typedFolder);

}  // namespace setup
