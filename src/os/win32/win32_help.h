// The HTML Help viewer: HtmlHelpA of hhctrl.ocx, loaded when help is first asked for.
#pragma once

#include <windows.h>

#include "os/help.h"

namespace os {

class Win32Help final : public Help {
 public:
  Win32Help() = default;
  Win32Help(const Win32Help&) = delete;
  Win32Help& operator=(const Win32Help&) = delete;
  // The viewer's windows close before the library goes.
  ~Win32Help() override;

  bool ShowTopic(std::uintptr_t caller, const std::string& helpFile, std::uint32_t topic) override;
  void CloseAll() override;

 private:
  using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
  // The viewer's entry point; nullptr when the system has no HTML Help.
  HtmlHelpFunction Viewer();

  HMODULE library_ = nullptr;
  HtmlHelpFunction htmlHelp_ = nullptr;
};

}  // namespace os
