#include "ui/thread.h"

#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <stdexcept>
#include <string>
#include <utility>

#include "ui/forms.h"

namespace ui {

// A call on its way to the GUI thread. The GUI-side task holds it and the thread's state by shared
// pointer, so that a task still queued after the thread is gone finds them and does nothing.
struct TThread::Handover {
  enum class Status { Pending, Running, Done, Cancelled };
  std::function<void()> call;
  Status status = Status::Pending;
  std::exception_ptr error;
};

struct TThread::State {
  std::mutex mutex;
  std::condition_variable changed;
  bool suspended = true;
  bool terminated = false;
  std::shared_ptr<Handover> pending;

  void WaitWhileSuspended(std::unique_lock<std::mutex>& lock) {
    changed.wait(lock, [&] { return !suspended || terminated; });
  }
};

TThread::TThread()
    : state_(std::make_shared<State>()),
      loop_(Application().Loop()),
      priorities_(Application().Services().threadPriority) {}

TThread::~TThread() {
  Terminate();
  WaitFor();
}

void TThread::Suspend() {
  std::lock_guard lock(state_->mutex);
  state_->suspended = true;
}

void TThread::Resume() {
  {
    std::lock_guard lock(state_->mutex);
    state_->suspended = false;
    if (state_->terminated) return;
  }
  state_->changed.notify_all();
  if (started_) return;
  started_ = true;
  thread_ = std::thread([this, level = static_cast<os::ThreadPriority::Level>(priority_)] {
    try {
      priorities_.SetCurrent(level);
      Execute();
    } catch (const std::exception& error) {
      Report(error.what());
    } catch (...) {
      Report("Thread error");
    }
  });
}

void TThread::Report(const std::string& text) noexcept {
  try {
    loop_.Post([text] { Application().ShowException(std::runtime_error(text)); });
  } catch (...) {
  }
}

bool TThread::Suspended() const {
  std::lock_guard lock(state_->mutex);
  return state_->suspended;
}

void TThread::Terminate() {
  {
    std::lock_guard lock(state_->mutex);
    state_->terminated = true;
    if (state_->pending && state_->pending->status == Handover::Status::Pending)
      state_->pending->status = Handover::Status::Cancelled;
  }
  state_->changed.notify_all();
}

bool TThread::Terminated() const {
  std::lock_guard lock(state_->mutex);
  return state_->terminated;
}

void TThread::WaitFor() {
  if (thread_.joinable()) thread_.join();
}

void TThread::Sleep(unsigned ms) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  std::unique_lock lock(state_->mutex);
  state_->changed.wait_until(lock, deadline, [&] { return state_->terminated; });
  state_->WaitWhileSuspended(lock);
}

void TThread::Synchronize(std::function<void()> call) {
  auto handover = std::make_shared<Handover>();
  handover->call = std::move(call);
  {
    std::unique_lock lock(state_->mutex);
    state_->WaitWhileSuspended(lock);
    if (state_->terminated) return;
    state_->pending = handover;
  }
  // Posted rather than sent, so that the worker can stop waiting when it is terminated: a GUI thread
  // that is disposing of the thread never serves the call.
  loop_.Post([state = state_, handover] { RunHandover(*state, *handover); });

  std::unique_lock lock(state_->mutex);
  state_->changed.wait(lock, [&] { return handover->status == Handover::Status::Done || state_->terminated; });
  state_->pending.reset();
  if (handover->status != Handover::Status::Done) {
    if (handover->status == Handover::Status::Pending) handover->status = Handover::Status::Cancelled;
    return;
  }
  state_->WaitWhileSuspended(lock);
  // Taken out under the lock, so that the error lives and dies on the worker alone from here on.
  if (const std::exception_ptr error = std::exchange(handover->error, nullptr)) {
    lock.unlock();
    std::rethrow_exception(error);
  }
}

void TThread::RunHandover(State& state, Handover& handover) {
  {
    std::lock_guard lock(state.mutex);
    if (handover.status != Handover::Status::Pending) return;
    handover.status = Handover::Status::Running;
  }
  std::exception_ptr error;
  try {
    handover.call();
  } catch (...) {
    error = std::current_exception();
  }
  {
    std::lock_guard lock(state.mutex);
    handover.error = std::move(error);
    handover.status = Handover::Status::Done;
  }
  state.changed.notify_all();
}

}  // namespace ui
