// The file system under test, with a folder of its own that is empty at the start and gone at the end.
// The process's current folder is put back at the end.
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
  // Creates a folder without the service.
  virtual void MakeFolder(const std::string& path) = 0;
  // Keeps an existing file or folder open, sharing nothing, as another program may, until ReleaseAll.
  virtual void HoldOpen(const std::string& path) = 0;
  // Keeps an existing file open for reading, sharing only reading, as a media device holds the file it
  // plays, until ReleaseAll.
  virtual void HoldOpenForReading(const std::string& path) = 0;
  virtual void ReleaseAll() = 0;
  // An empty folder on another volume than Folder(), gone at the end; "" when there is none.
  virtual std::string OtherVolumeFolder() = 0;
  // Whether the subject is Wine's file system, where a few answers differ from Windows.
  virtual bool RunsOnWine() const = 0;
};

std::unique_ptr<FileSystemSubject> MakeFileSystemSubject();

}  // namespace contract
