// The shell under test, over the file system its files live on, with a folder of its own whose name
// holds blanks, empty at the start and gone at the end.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "os/file_system.h"
#include "os/shell.h"

namespace contract {

class ShellSubject {
 public:
  virtual ~ShellSubject() = default;
  virtual os::Shell& Shell() = 0;
  virtual os::FileSystem& Files() = 0;
  // The full path of the folder, without a trailing backslash.
  virtual std::string Folder() const = 0;
  // The width and height of an icon in pixels, where the subject can measure it.
  virtual std::optional<int> IconSize(os::IconHandle icon) = 0;
  // Writes a batch file into the folder that, run, leaves the file "ran.txt" in its current folder.
  virtual std::string MakeProgram(const std::string& name) = 0;
  // Whether the program started with its current folder as given: on the fake, that the shell opened
  // it; on Windows, that it left its file there (waiting a while for it).
  virtual bool Ran(const std::string& program, const std::string& currentFolder) = 0;
  // Whether the subject is Wine's shell, where a few answers differ from Windows.
  virtual bool RunsOnWine() const = 0;
};

std::unique_ptr<ShellSubject> MakeShellSubject();

}  // namespace contract
