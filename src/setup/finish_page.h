// Finish on the finish page: the read-me file shown and the player started, as the user chose.
#pragma once

#include "setup/setup_state.h"
#include "ui/forms.h"

namespace setup {

// With "View ReadMe.txt" chosen the installation folder becomes the current folder and the shell opens
// the read-me file there in a maximised window; with "Launch MIDI Tunora" chosen the installed player
// starts, with no arguments. What cannot be opened or started is reported. Setup ends afterwards.
void Finish(ui::TApplication& application, const SetupState& state, bool viewReadMe, bool launch);

}  // namespace setup
