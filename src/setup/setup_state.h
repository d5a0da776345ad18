// What the setup program knows for its whole run, held by the welcome window.
#pragma once

#include <string>

namespace setup {

struct SetupState {
  // The folder the files are copied from: the process's current folder when setup starts.
  std::string SourceFolder;
  // The installation folder: chosen in the target folder dialog, or read back for uninstallation.
  std::string TargetFolder;
  // The program group's folder below the Start menu's Programs: made in the program group dialog, or
  // read back for uninstallation. Empty until the group exists.
  std::string GroupFolder;
};

}  // namespace setup
