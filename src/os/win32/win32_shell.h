// The shell through shell32 and its COM link object (ANSI names).
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
  std::string SpecialFolderPath(SpecialFolder folder) override;
  FileError Open(const std::string& file, const std::string& folder, ShowState show) override;
  FileError SaveLink(const std::string& linkFile, const ShellLink& link) override;
  FileError LoadLink(const std::string& linkFile, ShellLink& link) override;

 private:
  std::map<std::string, IconHandle> smallIcons_;  // by lower-case extension, dot included
};

}  // namespace os
