// The help viewer under test, with the program's help file as the build makes it.
#pragma once

#include <memory>
#include <string>

#include "os/help.h"

namespace contract {

class HelpSubject {
 public:
  virtual ~HelpSubject() = default;
  virtual os::Help& Viewer() = 0;
  // The full path of the program's help file.
  virtual std::string HelpFile() = 0;
  // A full path where no file exists.
  virtual std::string MissingFile() = 0;
  // How many viewer windows show now.
  virtual int ShownViewerWindows() = 0;
};

std::unique_ptr<HelpSubject> MakeHelpSubject();

}  // namespace contract
