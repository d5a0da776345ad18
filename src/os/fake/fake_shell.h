// The shell in memory, over a fake file system: a distinct small icon for each extension (letter case
// ignored) and a count of the requests; special folders at fixed places on drive C:, found once a test
// has made them (MakeSpecialFolders) or wherever a test moves them; opening records what was opened
// once it exists; shortcut files are files of the file system whose bytes hold the target and the
// description.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "os/fake/fake_file_system.h"
#include "os/shell.h"

namespace os {

class FakeShell final : public Shell {
 public:
  // The special folders are C:\Windows, C:\Program Files, and the Start menu's Programs and the
  // desktop under C:\Users\Player; none of them is made.
  explicit FakeShell(FakeFileSystem& files);

  IconHandle SmallFileIcon(const std::string& fileName) override;
  // "" when the folder is not set or does not exist (as the system answers for a folder that is gone).
  std::string SpecialFolderPath(SpecialFolder folder) override;
  FileError Open(const std::string& file, const std::string& folder, ShowState show) override;
  FileError SaveLink(const std::string& linkFile, const ShellLink& link) override;
  FileError LoadLink(const std::string& linkFile, ShellLink& link) override;

  // Test set-up: makes the special folders in the file system.
  void MakeSpecialFolders();
  // Test set-up: where a special folder is; "" for one the system cannot find. Nothing is made.
  void SetSpecialFolder(SpecialFolder folder, const std::string& path) { specialFolders_[folder] = path; }

  // What was opened, as full paths, in order.
  struct Opening {
    std::string path;
    ShowState show;
  };
  const std::vector<Opening>& Opened() const { return opened_; }

  std::size_t SmallIconRequests() const { return requests_; }
  // How many extensions (letter case ignored) have an icon by now.
  std::size_t ExtensionsSeen() const { return icons_.size(); }

 private:
  FakeFileSystem& files_;
  std::size_t requests_ = 0;
  std::map<std::string, IconHandle> icons_;
  std::map<SpecialFolder, std::string> specialFolders_;
  std::vector<Opening> opened_;
};

}  // namespace os
