#include "file_dialogs_subject.h"

#include <windows.h>
#include <dlgs.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

#include "os/win32/win32_file_dialogs.h"
#include "os/win32/win32_file_system.h"

namespace contract {

namespace {

std::string CurrentDirectory() {
  char folder[MAX_PATH];
  const DWORD length = GetCurrentDirectoryA(MAX_PATH, folder);
  return length > 0 && length < MAX_PATH ? folder : "";
}

std::string WindowText(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

BOOL CALLBACK KeepDialog(HWND window, LPARAM out) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::string(name) != "#32770" || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(out) = window;
  return FALSE;
}

// The common dialog the given thread shows, or nullptr.
HWND FindDialog(DWORD thread) {
  HWND found = nullptr;
  EnumThreadWindows(thread, KeepDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

// A user on another thread: waits for the dialog to come up, reads it, types and presses a button.
class Win32Subject final : public FileDialogsSubject {
 public:
  Win32Subject() : current_(CurrentDirectory()) {
    char temp[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH) throw std::runtime_error("no temporary folder");
    folder_ = std::string(temp) + "Tunora Dialogs " + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder_.c_str(), nullptr);
  }
  ~Win32Subject() override {
    Join();
    SetCurrentDirectoryA(current_.c_str());
    RemoveDirectoryA(folder_.c_str());
  }

  os::FileDialogs& Dialogs() override { return dialogs_; }
  os::FileSystem& Files() override { return files_; }
  std::string Folder() const override { return folder_; }

  void AnswerNext(std::optional<std::string> typed) override {
    Join();
    user_ = std::thread([this, typed, thread = GetCurrentThreadId()] {
      const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
      HWND dialog = nullptr;
      while (!(dialog = FindDialog(thread)) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
      if (!dialog) return;
      title_ = WindowText(dialog);
      fileType_ = WindowText(GetDlgItem(dialog, cmb1));
      if (typed) {
        // The name box is an edit (edt1) or, in the newer layout, a combo box (cmb13).
        SetDlgItemTextA(dialog, edt1, typed->c_str());
        SetDlgItemTextA(dialog, cmb13, typed->c_str());
      }
      const int button = typed ? IDOK : IDCANCEL;
      PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
    });
  }
  std::string ShownTitle() override {
    Join();
    return title_;
  }
  std::string ShownFileType() override {
    Join();
    return fileType_;
  }

 private:
  void Join() {
    if (user_.joinable()) user_.join();
  }

  std::string current_;
  std::string folder_;
  os::Win32FileSystem files_;
  os::Win32FileDialogs dialogs_;
  std::thread user_;
  std::string title_, fileType_;
};

}  // namespace

std::unique_ptr<FileDialogsSubject> MakeFileDialogsSubject() { return std::make_unique<Win32Subject>(); }

}  // namespace contract
