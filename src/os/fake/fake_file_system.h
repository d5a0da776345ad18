// The file system in memory, with Windows' naming: drive letters, backslashes (slashes accepted),
// names compared ignoring case, "." and ".." resolved, relative names taken from the current folder.
// It starts with an empty drive C:.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "os/file_system.h"

namespace os {

class FakeFileSystem final : public FileSystem {
 public:
  FakeFileSystem();

  FileError ReadFile(const std::string& path, std::string& bytes) override;
  FileError WriteFile(const std::string& path, std::string_view bytes) override;
  bool FileExists(const std::string& path) override;

  // Test set-up: a file or a folder, with every folder (and drive) on the way created.
  void AddFile(const std::string& path, std::string_view bytes);
  void AddFolder(const std::string& path);

  // The folder relative names are resolved against; "\name" is on its drive.
  std::string CurrentFolder = "C:\\";

 private:
  struct Entry {
    bool folder = false;
    std::string bytes;
  };
  // The full path of a name, its parts separated by single backslashes, no trailing one; "" when the
  // name cannot be resolved.
  std::string FullPath(std::string_view path) const;
  const Entry* Find(const std::string& fullPath) const;
  // Whether the folder holding the full path exists.
  bool ParentExists(const std::string& fullPath) const;
  void AddFolders(const std::string& fullPath);

  std::map<std::string, Entry> entries_;  // by lower-case full path
};

}  // namespace os
