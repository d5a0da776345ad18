#include "ui/win32/win32_hints.h"

#include "ui/win32/win32_window.h"

namespace ui::win32 {

HintWindow::~HintWindow() {
  if (tip_) DestroyWindow(tip_);
}

TOOLINFOA HintWindow::Tool(HWND control) const {
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  // The control hands the tip its mouse messages (Relay); the tip asks the form for the text. The tip
  // does not subclass the control (TTF_SUBCLASS): under Wine the subclass looks itself up in a window
  // property on every message the control gets, a round trip to Wine's server each time.
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = form_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = LPSTR_TEXTCALLBACKA;
  return tool;
}

void HintWindow::Add(HWND control) {
  if (!tip_) {
    tip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form_, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
    if (!tip_) return;
  }
  TOOLINFOA tool = Tool(control);
  SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void HintWindow::Remove(HWND control) {
  if (!tip_) return;
  TOOLINFOA tool = Tool(control);
  SendMessageA(tip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void HintWindow::Relay(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!tip_) return;
  MSG relayed{control, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
  GetCursorPos(&relayed.pt);
  SendMessageA(tip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

bool HintWindow::Notified(NMHDR& header, LRESULT& result) {
  if (!tip_ || header.hwndFrom != tip_ || header.code != TTN_GETDISPINFOA) return false;
  const WindowPeer* peer = WindowPeer::FromWindow(reinterpret_cast<HWND>(header.idFrom));
  text_ = peer && peer->Control().ShowHint ? peer->Control().Hint() : std::string();
  auto& info = reinterpret_cast<NMTTDISPINFOA&>(header);
  info.hinst = nullptr;
  info.lpszText = text_.data();
  result = 0;
  return true;
}

}  // namespace ui::win32
