#include "file_system_subject.h"

#include <vector>

#include "os/fake/fake_file_system.h"

namespace contract {

namespace {
class FakeSubject final : public FileSystemSubject {
 public:
  FakeSubject() {
    files_.AddFolder(Folder());
    files_.AddDrive('D', os::DriveType::Fixed);
    files_.ProgramFile = "C:\\Tests\\contract_tests.exe";
    files_.AddFile(files_.ProgramFile, "MZ");
  }
  os::FileSystem& Files() override { return files_; }
  std::string Folder() const override { return "C:\\Temp\\Contract"; }
  void MakeFolder(const std::string& path) override { files_.AddFolder(path); }
  void HoldOpen(const std::string& path) override {
    files_.SetInUse(path, true);
    held_.push_back(path);
  }
  // The fake knows one kind of holding: what it refuses is what a reader's share refuses too.
  void HoldOpenForReading(const std::string& path) override { HoldOpen(path); }
  void ReleaseAll() override {
    for (const auto& path : held_) files_.SetInUse(path, false);
    held_.clear();
  }
  std::string OtherVolumeFolder() override {
    files_.AddFolder("D:\\Other");
    return "D:\\Other";
  }
  bool RunsOnWine() const override { return false; }

 private:
  os::FakeFileSystem files_;
  std::vector<std::string> held_;
};
}  // namespace

std::unique_ptr<FileSystemSubject> MakeFileSystemSubject() { return std::make_unique<FakeSubject>(); }

}  // namespace contract
