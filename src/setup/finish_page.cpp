#include "setup/finish_page.h"

#include "setup/installed_files.h"

namespace setup {

void Finish(ui::TApplication& application, const SetupState& state, bool viewReadMe, bool launch) {
  os::Services& services = application.Services();
  if (viewReadMe) {
    const bool opened = services.files.SetCurrentFolder(state.TargetFolder) == os::FileError::None &&
                        services.shell.Open(kReadMeFile, state.TargetFolder, os::ShowState::Maximized) ==
                            os::FileError::None;
    if (!opened) {
      application.ShowMessageBox("Cannot open file '" + state.TargetFolder + "\\" + kReadMeFile + "'.",
                                 "Error - View ReadMe", ui::mbIconError | ui::mbTopMost);
    }
  }
  if (launch) {
    const std::string player = state.TargetFolder + "\\" + kPlayerFile;
    if (services.shell.Open(player, "", os::ShowState::Default) != os::FileError::None) {
      application.ShowMessageBox("Cannot start '" + player + "'.", "Error - Launch MIDI Tunora",
                                 ui::mbIconError | ui::mbTopMost);
    }
  }
}

}  // namespace setup
