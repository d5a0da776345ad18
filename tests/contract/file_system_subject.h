// The file system under test, with a folder of its own that is empty at the start and gone at the end.
#pragma once

#include <memory>
#include <string>

#include "os/file_system.h"

namespace contract {

class FileSystemSubject {
 public:
  virtual ~FileSystemSubject() = default;
  virtual os::FileSystem& Files() = 0;
  // The full path of the folder, without a trailing backslash.
  virtual std::string Folder() const = 0;
  // Creates a folder; the service itself has no folder operations.
  virtual void MakeFolder(const std::string& path) = 0;
};

std::unique_ptr<FileSystemSubject> MakeFileSystemSubject();

}  // namespace contract
