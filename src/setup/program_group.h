// The program group step of the installation: the Start menu's Programs folder and the groups in it,
// the group folder, its three shortcuts and, on request, the desktop shortcut.
#pragma once

#include <string>
#include <vector>

#include "setup/setup_state.h"
#include "ui/forms.h"

namespace setup {

// The name the group dialog proposes.
constexpr char kDefaultGroupName[] = "MIDI Tunora";

// The Start menu's Programs folder; "" after telling the user when the system cannot say where it is.
std::string FindProgramsFolder(ui::TApplication& application);

// The groups there are: the folders in the Programs folder, in alphabetical order ignoring case; none
// when the folder cannot be read.
std::vector<std::string> ExistingGroups(os::FileSystem& files, const std::string& programsFolder);

// Continue, first part: the group folder, a folder below the Programs folder named by the group name
// (a name with backslashes names a deeper folder whose parent must exist), is created or found, and
// shown in an Explorer window. When it can be neither, the user is told and GroupFolder stays empty:
// false.
bool CreateProgramGroup(ui::TApplication& application, SetupState& state, const std::string& programsFolder,
                        const std::string& groupName);

// Continue, second part: the group's three shortcuts, then the question whether to make the desktop
// shortcut. The first shortcut that fails is reported and ends the step, without the desktop question.
void MakeShortcuts(ui::TApplication& application, const SetupState& state);

}  // namespace setup
