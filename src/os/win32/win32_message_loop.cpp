#include "os/win32/win32_message_loop.h"

#include <memory>
#include <stdexcept>
#include <string>

namespace os {

namespace {

constexpr WindowClass kLoopClass{"TunoraMessageLoop"};

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
  // A message-only window: never shown, not enumerated, but it has the thread's queue.
  WindowSpec spec;
  spec.parent = HWND_MESSAGE;
  CreateBoundWindow(kLoopClass, spec);
  lastTick_ = GetTickCount();
}

Win32MessageLoop::~Win32MessageLoop() {
  for (const auto& [id, tick] : timers_) KillTimer(Window(), id);
  timers_.clear();
  // Tasks still queued are never run; their storage is the loop's.
  MSG msg;
  while (PeekMessageA(&msg, Window(), kMsgPostedTask, kMsgWake, PM_REMOVE))
    if (msg.message == kMsgPostedTask) delete reinterpret_cast<Task*>(msg.lParam);
  DestroyBoundWindow();
}

LRESULT Win32MessageLoop::WindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kMsgPostedTask: {
      const std::unique_ptr<Task> task(reinterpret_cast<Task*>(lParam));
      Guard(*task);
      return 0;
    }
    case WM_TIMER: {
      // A tick of a stopped timer may still be queued; it finds no timer and does nothing.
      const auto it = timers_.find(static_cast<UINT>(wParam));
      if (it == timers_.end()) return 0;
      const Task tick = it->second;  // the tick may stop or restart its own timer
      Guard(tick);
      return 0;
    }
  }
  return DefaultMessage(message, wParam, lParam);
}

void Win32MessageLoop::Unhandled(std::exception_ptr error) {
  MessageBoxA(nullptr, Describe(error).c_str(), "Error", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

void Win32MessageLoop::Post(Task task) {
  auto owned = std::make_unique<Task>(std::move(task));
  if (!PostMessageA(Window(), kMsgPostedTask, 0, reinterpret_cast<LPARAM>(owned.get())))
    throw std::runtime_error("Cannot post to the message queue");
  owned.release();
}

unsigned Win32MessageLoop::StartTimer(unsigned intervalMs, Task tick) {
  UINT id = nextTimerId_++;
  while (id == 0 || timers_.count(id)) id = nextTimerId_++;
  if (!SetTimer(Window(), id, intervalMs, nullptr)) throw std::runtime_error("Cannot start a timer");
  timers_[id] = std::move(tick);
  return id;
}

void Win32MessageLoop::StopTimer(unsigned id) {
  if (!timers_.erase(id)) return;
  KillTimer(Window(), id);
}

void Win32MessageLoop::Deliver(MSG& msg) {
  // A WM_QUIT from elsewhere (PostQuitMessage) ends the loop like Quit.
  if (msg.message == WM_QUIT) {
    quitRequested_ = true;
    return;
  }
  bool consumed = true;  // a message whose filter failed is dropped
  Guard([&] { consumed = filter_ && filter_(msg); });
  if (consumed) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

void Win32MessageLoop::Run() {
  RunUntil([] { return false; });
}

void Win32MessageLoop::RunUntil(const std::function<bool()>& done) {
  MSG msg;
  while (!quitRequested_ && !done()) {
    if (GetMessageA(&msg, nullptr, 0, 0) == -1) throw std::runtime_error("The message queue cannot be read");
    Deliver(msg);
  }
}

// A flag, not WM_QUIT: the loop ends once the current handler returns, before messages queued behind
// it, and no quit message is left behind to end the message boxes of the shutdown that follows.
void Win32MessageLoop::Quit() {
  if (quitRequested_) return;
  quitRequested_ = true;
  PostMessageA(Window(), kMsgWake, 0, 0);
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
