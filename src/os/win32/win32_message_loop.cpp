#include "os/win32/win32_message_loop.h"

#include <memory>
#include <stdexcept>
#include <string>

namespace os {

namespace {

constexpr char kClassName[] = "TunoraMessageLoop";

HINSTANCE ModuleInstance() { return GetModuleHandleA(nullptr); }

void RegisterLoopClass(WNDPROC proc) {
  WNDCLASSEXA wc{};
  if (GetClassInfoExA(ModuleInstance(), kClassName, &wc)) return;
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = ModuleInstance();
  wc.lpszClassName = kClassName;
  if (!RegisterClassExA(&wc)) throw std::runtime_error("Cannot register the message loop's window class");
}

std::string Describe(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "Unknown error";
  }
}

}  // namespace

Win32MessageLoop::Win32MessageLoop() {
  RegisterLoopClass(&WindowProc);
  // A message-only window: never shown, not enumerated, but it has the thread's queue.
  window_ = CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ModuleInstance(), this);
  if (!window_) throw std::runtime_error("Cannot create the message loop's window");
  lastTick_ = GetTickCount();
}

Win32MessageLoop::~Win32MessageLoop() {
  for (const auto& [id, tick] : timers_) KillTimer(window_, id);
  timers_.clear();
  // Tasks still queued are never run; their storage is the loop's.
  MSG msg;
  while (PeekMessageA(&msg, window_, kMsgPostedTask, kMsgWake, PM_REMOVE))
    if (msg.message == kMsgPostedTask) delete reinterpret_cast<Task*>(msg.lParam);
  DestroyWindow(window_);
}

LRESULT CALLBACK Win32MessageLoop::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Win32MessageLoop*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->window_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* loop = reinterpret_cast<Win32MessageLoop*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!loop) return DefWindowProcA(hwnd, message, wParam, lParam);
  try {
    return loop->Handle(message, wParam, lParam);
  } catch (...) {
    loop->Report(std::current_exception());
    return 0;
  }
}

LRESULT Win32MessageLoop::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kMsgPostedTask: {
      const std::unique_ptr<Task> task(reinterpret_cast<Task*>(lParam));
      RunGuarded(*task);
      return 0;
    }
    case WM_TIMER: {
      // A tick of a stopped timer may still be queued; it finds no timer and does nothing.
      const auto it = timers_.find(static_cast<UINT>(wParam));
      if (it == timers_.end()) return 0;
      const Task tick = it->second;  // the tick may stop or restart its own timer
      RunGuarded(tick);
      return 0;
    }
    case WM_NCDESTROY:
      SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
      break;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

void Win32MessageLoop::RunGuarded(const Task& task) {
  try {
    task();
  } catch (...) {
    Report(std::current_exception());
  }
}

void Win32MessageLoop::Report(std::exception_ptr error) {
  if (errorHandler_) {
    try {
      errorHandler_(error);
      return;
    } catch (...) {
      error = std::current_exception();
    }
  }
  MessageBoxA(nullptr, Describe(error).c_str(), "Error", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

void Win32MessageLoop::Post(Task task) {
  auto owned = std::make_unique<Task>(std::move(task));
  if (!PostMessageA(window_, kMsgPostedTask, 0, reinterpret_cast<LPARAM>(owned.get())))
    throw std::runtime_error("Cannot post to the message queue");
  owned.release();
}

unsigned Win32MessageLoop::StartTimer(unsigned intervalMs, Task tick) {
  UINT id = nextTimerId_++;
  while (id == 0 || timers_.count(id)) id = nextTimerId_++;
  if (!SetTimer(window_, id, intervalMs, nullptr)) throw std::runtime_error("Cannot start a timer");
  timers_[id] = std::move(tick);
  return id;
}

void Win32MessageLoop::StopTimer(unsigned id) {
  if (!timers_.erase(id)) return;
  KillTimer(window_, id);
}

void Win32MessageLoop::Deliver(MSG& msg) {
  // A WM_QUIT from elsewhere (PostQuitMessage) ends the loop like Quit.
  if (msg.message == WM_QUIT) {
    quitRequested_ = true;
    return;
  }
  try {
    if (filter_ && filter_(msg)) return;
  } catch (...) {
    Report(std::current_exception());
    return;
  }
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

void Win32MessageLoop::Run() {
  MSG msg;
  while (!quitRequested_) {
    if (GetMessageA(&msg, nullptr, 0, 0) == -1) throw std::runtime_error("The message queue cannot be read");
    Deliver(msg);
  }
}

// A flag, not WM_QUIT: the loop ends once the current handler returns, before messages queued behind
// it, and no quit message is left behind to end the message boxes of the shutdown that follows.
void Win32MessageLoop::Quit() {
  if (quitRequested_) return;
  quitRequested_ = true;
  PostMessageA(window_, kMsgWake, 0, 0);
}

void Win32MessageLoop::ProcessPending() {
  MSG msg;
  while (!quitRequested_ && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) Deliver(msg);
}

std::uint64_t Win32MessageLoop::NowMs() const {
  std::lock_guard lock(clockMutex_);
  const DWORD now = GetTickCount();
  if (now < lastTick_) tickBase_ += std::uint64_t{1} << 32;
  lastTick_ = now;
  return tickBase_ + now;
}

}  // namespace os
