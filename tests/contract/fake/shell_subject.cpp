#include "shell_subject.h"

#include "os/fake/fake_shell.h"

namespace contract {

namespace {
class FakeSubject final : public ShellSubject {
 public:
  os::Shell& Shell() override { return shell_; }
  std::optional<int> IconSize(os::IconHandle) override { return std::nullopt; }

 private:
  os::FakeShell shell_;
};
}  // namespace

std::unique_ptr<ShellSubject> MakeShellSubject() { return std::make_unique<FakeSubject>(); }

}  // namespace contract
