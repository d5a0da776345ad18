// The file system through the Win32 file API (ANSI names).
#pragma once

#include "os/file_system.h"

namespace os {

class Win32FileSystem final : public FileSystem {
 public:
  FileError ReadFile(const std::string& path, std::string& bytes) override;
  FileError WriteFile(const std::string& path, std::string_view bytes) override;
  bool FileExists(const std::string& path) override;
};

}  // namespace os
