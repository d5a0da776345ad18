#include "help_subject.h"

#include <windows.h>

#include "os/win32/win32_help.h"

namespace contract {
namespace {

// The folder the build puts the help file in: the one above the test program's.
std::string BuildFolder() {
  char file[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, file, MAX_PATH);
  const std::string testFolder(file, std::string(file).rfind('\\'));
  return testFolder.substr(0, testFolder.rfind('\\'));
}

BOOL CALLBACK CountShown(HWND window, LPARAM count) {
  if (IsWindowVisible(window)) ++*reinterpret_cast<int*>(count);
  return TRUE;
}

class Win32Subject final : public HelpSubject {
 public:
  os::Help& Viewer() override { return help_; }
  std::string HelpFile() override { return BuildFolder() + "\\Mtunora.chm"; }
  std::string MissingFile() override { return BuildFolder() + "\\Missing.chm"; }
  // The viewer's windows belong to the thread that asked for them, which shows no other window here.
  int ShownViewerWindows() override {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountShown, reinterpret_cast<LPARAM>(&count));
    return count;
  }

 private:
  os::Win32Help help_;
};

}  // namespace

std::unique_ptr<HelpSubject> MakeHelpSubject() { return std::make_unique<Win32Subject>(); }

}  // namespace contract
