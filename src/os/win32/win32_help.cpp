#include "os/win32/win32_help.h"

#include <htmlhelp.h>

namespace os {

Win32Help::~Win32Help() {
  if (!library_) return;
  CloseAll();
  FreeLibrary(library_);
}

Win32Help::HtmlHelpFunction Win32Help::Viewer() {
  if (!library_) {
    // Loaded at run time: a program that never asks for help never loads the viewer.
    library_ = LoadLibraryA("hhctrl.ocx");
    if (!library_) return nullptr;
    htmlHelp_ = reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(GetProcAddress(library_, "HtmlHelpA")));
  }
  return htmlHelp_;
}

bool Win32Help::ShowTopic(std::uintptr_t caller, const std::string& helpFile, std::uint32_t topic) {
  const HtmlHelpFunction htmlHelp = Viewer();
  if (!htmlHelp) return false;
  return htmlHelp(reinterpret_cast<HWND>(caller), helpFile.c_str(), HH_HELP_CONTEXT, topic) != nullptr;
}

void Win32Help::CloseAll() {
  if (htmlHelp_) htmlHelp_(nullptr, nullptr, HH_CLOSE_ALL, 0);
}

}  // namespace os
