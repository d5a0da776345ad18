#include "shell_subject.h"

#include "os/fake/fake_file_system.h"
#include "os/fake/fake_shell.h"

namespace contract {

namespace {
class FakeSubject final : public ShellSubject {
 public:
  FakeSubject() {
    files_.AddFolder(Folder());
    shell_.MakeSpecialFolders();
  }
  os::Shell& Shell() override { return shell_; }
  os::FileSystem& Files() override { return files_; }
  std::string Folder() const override { return "C:\\Temp\\Tunora Contract"; }
  std::optional<int> IconSize(os::IconHandle) override { return std::nullopt; }
  std::string MakeProgram(const std::string& name) override {
    const std::string path = Folder() + "\\" + name;
    files_.AddFile(path, "@echo ran> ran.txt\r\n");
    return path;
  }
  bool Ran(const std::string& program, const std::string&) override {
    return !shell_.Opened().empty() && shell_.Opened().back().path == program;
  }
  bool RunsOnWine() const override { return false; }

 private:
  os::FakeFileSystem files_;
  os::FakeShell shell_{files_};
};
}  // namespace

std::unique_ptr<ShellSubject> MakeShellSubject() { return std::make_unique<FakeSubject>(); }

}  // namespace contract
