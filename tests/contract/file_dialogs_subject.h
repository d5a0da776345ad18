// The file dialogs under test, with a user who answers the next dialog, and a folder of the test's
// own that exists at the start and is gone at the end. The process's current folder is put back.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "os/file_dialogs.h"
#include "os/file_system.h"

namespace contract {

class FileDialogsSubject {
 public:
  virtual ~FileDialogsSubject() = default;
  virtual os::FileDialogs& Dialogs() = 0;
  virtual os::FileSystem& Files() = 0;
  // The full path of the folder, without a trailing backslash.
  virtual std::string Folder() const = 0;
  // The next dialog: the user types this name into the name box and presses OK, or with nothing
  // presses Cancel.
  virtual void AnswerNext(std::optional<std::string> typed) = 0;
  // What the last answered dialog showed: its title, and the text of its file-type box.
  virtual std::string ShownTitle() = 0;
  virtual std::string ShownFileType() = 0;
};

std::unique_ptr<FileDialogsSubject> MakeFileDialogsSubject();

}  // namespace contract
