#include "os/win32/window_binding.h"

#include <mutex>
#include <stdexcept>
#include <string>
#include <unordered_map>

namespace os {

namespace {

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

// The bound objects by their windows. The table is the process's own: a window property would cost
// Wine's server a round trip on every message of every window.
class Bindings {
 public:
  void Bind(HWND window, BoundWindow* object) {
    std::lock_guard lock(mutex_);
    objects_[window] = object;
  }
  void Unbind(HWND window) {
    std::lock_guard lock(mutex_);
    objects_.erase(window);
  }
  BoundWindow* Find(HWND window) const {
    std::lock_guard lock(mutex_);
    const auto found = objects_.find(window);
    return found == objects_.end() ? nullptr : found->second;
  }

 private:
  mutable std::mutex mutex_;
  std::unordered_map<HWND, BoundWindow*> objects_;
};

// Made once and never destroyed, so that it outlives every window, a static one's included.
Bindings& ProcessBindings() {
  static Bindings* const bindings = new Bindings;
  return *bindings;
}

// The procedure the class's windows hand their messages on to.
WNDPROC DefaultProcedureOf(const WindowClass& windowClass) {
  if (!windowClass.systemClass) return &DefWindowProcA;
  WNDCLASSEXA system{};
  system.cbSize = sizeof system;
  if (!GetClassInfoExA(nullptr, windowClass.systemClass, &system))
    throw std::runtime_error(std::string("No window class ") + windowClass.systemClass);
  return system.lpfnWndProc;
}

void Register(const WindowClass& windowClass, WNDPROC procedure) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExA(Instance(), windowClass.name, &wc)) return;
  wc = WNDCLASSEXA{};
  wc.cbSize = sizeof wc;
  if (windowClass.systemClass) {
    GetClassInfoExA(nullptr, windowClass.systemClass, &wc);
    wc.cbSize = sizeof wc;
    wc.style &= ~CS_GLOBALCLASS;
  } else {
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  }
  if (windowClass.iconResource) {
    wc.hIcon = LoadIconA(Instance(), windowClass.iconResource);
    if (!wc.hIcon) wc.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  }
  wc.style |= windowClass.style;
  wc.lpfnWndProc = procedure;
  wc.hInstance = Instance();
  wc.lpszClassName = windowClass.name;
  if (!RegisterClassExA(&wc)) throw std::runtime_error(std::string("Cannot register window class ") + windowClass.name);
}

}  // namespace

BoundWindow* BoundWindow::FromWindow(HWND window) {
  if (!window) return nullptr;
  return ProcessBindings().Find(window);
}

BoundWindow::~BoundWindow() { DestroyBoundWindow(); }

void BoundWindow::CreateBoundWindow(const WindowClass& windowClass, const WindowSpec& spec) {
  defaultProcedure_ = DefaultProcedureOf(windowClass);
  Register(windowClass, &Procedure);
  const HMENU id = (spec.style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(spec.id)) : nullptr;
  CreateWindowExA(spec.exStyle, windowClass.name, spec.text, spec.style, spec.x, spec.y, spec.width, spec.height,
                  spec.parent, id, Instance(), this);
  if (!window_) throw std::runtime_error(std::string("Cannot create a window of class ") + windowClass.name);
}

void BoundWindow::DestroyBoundWindow() {
  if (!window_) return;
  destroying_ = true;
  DestroyWindow(window_);
  destroying_ = false;
  // A window that would not go (another thread's) must at least forget this object.
  if (window_) {
    ProcessBindings().Unbind(window_);
    window_ = nullptr;
  }
}

LRESULT BoundWindow::DefaultMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(defaultProcedure_, window_, message, wParam, lParam);
}

LRESULT CALLBACK BoundWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  BoundWindow* object = nullptr;
  if (message == WM_NCCREATE) {
    object = static_cast<BoundWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    if (object) {
      ProcessBindings().Bind(window, object);
      object->window_ = window;
    }
  } else {
    object = ProcessBindings().Find(window);
  }
  // Before WM_NCCREATE (a top-level window's WM_GETMINMAXINFO) no object is bound yet.
  if (!object) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    const LRESULT result = object->DefaultMessage(message, wParam, lParam);
    ProcessBindings().Unbind(window);
    object->window_ = nullptr;
    return result;
  }
  if (object->destroying_) return object->DefaultMessage(message, wParam, lParam);
  return object->WindowMessage(message, wParam, lParam);
}

}  // namespace os
