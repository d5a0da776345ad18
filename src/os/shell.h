// The Windows shell: for now, the small icon it shows for a type of file.
#pragma once

#include <cstdint>
#include <string>

namespace os {

using IconHandle = std::uintptr_t;

class Shell {
 public:
  virtual ~Shell() = default;
  // The shell's small (16 x 16) icon for files of this name's type, found by the name's extension alone
  // (the file need not exist); 0 when the shell has none. The service asks the shell once per extension,
  // letter case ignored, and owns the icons: they live as long as the service.
  virtual IconHandle SmallFileIcon(const std::string& fileName) = 0;
};

}  // namespace os
