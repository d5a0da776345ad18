#include "help_subject.h"

#include "os/fake/fake_help.h"

namespace contract {
namespace {

class FakeSubject final : public HelpSubject {
 public:
  // The topics the program's help project maps.
  FakeSubject() { help_.AddHelpFile(HelpFile(), {101, 102, 160, 170, 180, 190, 230}); }
  os::Help& Viewer() override { return help_; }
  std::string HelpFile() override { return "C:\\MIDITunora\\Mtunora.chm"; }
  std::string MissingFile() override { return "C:\\MIDITunora\\Missing.chm"; }
  int ShownViewerWindows() override { return help_.ViewerOpen() ? 1 : 0; }

 private:
  os::FakeHelp help_;
};

}  // namespace

std::unique_ptr<HelpSubject> MakeHelpSubject() { return std::make_unique<FakeSubject>(); }

}  // namespace contract
