#include "file_dialogs_subject.h"

#include "os/fake/fake_file_dialogs.h"
#include "os/fake/fake_file_system.h"

namespace contract {

namespace {

class FakeSubject final : public FileDialogsSubject {
 public:
  FakeSubject() { files_.AddFolder(Folder()); }
  os::FileDialogs& Dialogs() override { return dialogs_; }
  os::FileSystem& Files() override { return files_; }
  std::string Folder() const override { return "C:\\Temp\\Tunora Dialogs"; }
  void AnswerNext(std::optional<std::string> typed) override {
    if (typed) {
      dialogs_.Type(*typed);
    } else {
      dialogs_.Cancel();
    }
  }
  std::string ShownTitle() override { return dialogs_.Dialogs().back().request.title; }
  // The file-type box shows the filter's description.
  std::string ShownFileType() override {
    const std::string& filter = dialogs_.Dialogs().back().request.filter;
    return filter.substr(0, filter.find('|'));
  }

 private:
  os::FakeFileSystem files_;
  os::FakeFileDialogs dialogs_{files_};
};

}  // namespace

std::unique_ptr<FileDialogsSubject> MakeFileDialogsSubject() { return std::make_unique<FakeSubject>(); }

}  // namespace contract
