// Uninstallation: the installed files, the shortcuts and the program group, the player's and setup's
// registry keys and the play-list file type go; the media types get back the commands the player
// replaced; the installation folder stays.
#pragma once

#include "os/registry.h"
#include "setup/setup_state.h"
#include "ui/forms.h"

namespace setup {

// Whether the welcome window offers uninstallation: a key of an installation exists, machine-wide
// from an earlier version or the player's own of the current user.
bool UninstallOffered(os::Registry& registry);

// Runs the uninstallation in one pass under the hourglass, reading the installation and group
// folders back from the registry. A file or key that exists but cannot be deleted is reported and
// passed over; what is missing is no error. A group folder that exists but cannot be removed (it holds
// other files) is reported and stops the uninstallation there, with GroupFolder emptied and the keys
// kept: false. Otherwise the final notices name the folder that stays: true, and setup ends.
bool Uninstall(ui::TApplication& application, SetupState& state);

}  // namespace setup
