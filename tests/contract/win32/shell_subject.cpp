#include "shell_subject.h"

#include <windows.h>

#include "os/win32/win32_shell.h"

namespace contract {

namespace {
class Win32Subject final : public ShellSubject {
 public:
  os::Shell& Shell() override { return shell_; }
  std::optional<int> IconSize(os::IconHandle icon) override {
    ICONINFO info;
    if (!GetIconInfo(reinterpret_cast<HICON>(icon), &info)) return std::nullopt;
    BITMAP bitmap = {};
    GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    if (!info.hbmColor) bitmap.bmHeight /= 2;  // a monochrome icon's mask holds the image below it
    if (bitmap.bmWidth != bitmap.bmHeight) return std::nullopt;
    return bitmap.bmWidth;
  }

 private:
  os::Win32Shell shell_;
};
}  // namespace

std::unique_ptr<ShellSubject> MakeShellSubject() { return std::make_unique<Win32Subject>(); }

}  // namespace contract
