#include "file_system_subject.h"

#include "os/fake/fake_file_system.h"

namespace contract {

namespace {
class FakeSubject final : public FileSystemSubject {
 public:
  FakeSubject() { files_.AddFolder(Folder()); }
  os::FileSystem& Files() override { return files_; }
  std::string Folder() const override { return "C:\\Temp\\Contract"; }
  void MakeFolder(const std::string& path) override { files_.AddFolder(path); }

 private:
  os::FakeFileSystem files_;
};
}  // namespace

std::unique_ptr<FileSystemSubject> MakeFileSystemSubject() { return std::make_unique<FakeSubject>(); }

}  // namespace contract
