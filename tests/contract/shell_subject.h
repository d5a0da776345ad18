// The shell under test.
#pragma once

#include <memory>
#include <optional>

#include "os/shell.h"

namespace contract {

class ShellSubject {
 public:
  virtual ~ShellSubject() = default;
  virtual os::Shell& Shell() = 0;
  // The width and height of an icon in pixels, where the subject can measure it.
  virtual std::optional<int> IconSize(os::IconHandle icon) = 0;
};

std::unique_ptr<ShellSubject> MakeShellSubject();

}  // namespace contract
