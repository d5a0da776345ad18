// The shell through shell32 (ANSI names).
#pragma once

#include <map>
#include <string>

#include "os/shell.h"

namespace os {

class Win32Shell final : public Shell {
 public:
  Win32Shell() = default;
  Win32Shell(const Win32Shell&) = delete;
  Win32Shell& operator=(const Win32Shell&) = delete;
  ~Win32Shell() override;

  IconHandle SmallFileIcon(const std::string& fileName) override;

 private:
  std::map<std::string, IconHandle> smallIcons_;  // by lower-case extension, dot included
};

}  // namespace os
