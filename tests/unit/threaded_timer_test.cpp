// Real worker threads against the headless loop, which this test's thread serves as the GUI thread.
// Nothing here is timed (speed belongs to the benchmarks): bounds on real time are generous and only
// limit how long a test waits for something to happen, and the one check on durations is a lower bound
// that follows from the order of events, so no check depends on the machine being fast.
#include "controls/threaded_timer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "support/headless_app.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using controls::TThreadedTimer;
using Level = os::ThreadPriority::Level;
using ui::TThreadPriority;

class ThreadedTimerTest : public ::testing::Test {
 protected:
  // Serves the loop until done() holds or the bound has passed; returns done().
  bool ServeUntil(const std::function<bool()>& done, std::chrono::milliseconds bound = 10s) {
    const auto end = Clock::now() + bound;
    while (!done() && Clock::now() < end) app.loop.ServeFor(5ms);
    return done();
  }

  // A loaded timer whose ticks count themselves.
  std::unique_ptr<TThreadedTimer> CountingTimer(std::uint16_t interval) {
    auto timer = std::make_unique<TThreadedTimer>(nullptr, "ThreadedTimer");
    timer->SetInterval(interval);
    timer->SetOnTimer([this](ui::TObject*) { ++ticks; });
    timer->Loaded();
    return timer;
  }

  testing_support::HeadlessApp app;
  int ticks = 0;
};

TEST_F(ThreadedTimerTest, DefaultsAndNoWorkerBeforeLoaded) {
  TThreadedTimer timer(nullptr);
  EXPECT_TRUE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 1000);
  EXPECT_FALSE(timer.OnTimer());
  EXPECT_EQ(timer.ThreadPriority(), TThreadPriority::tpNormal);

  timer.SetInterval(10);
  timer.SetOnTimer([&](ui::TObject* sender) {
    EXPECT_EQ(sender, &timer);
    ++ticks;
  });
  app.loop.ServeFor(150ms);
  EXPECT_EQ(ticks, 0);
  EXPECT_EQ(timer.Worker().ThreadID(), std::thread::id());

  timer.Loaded();
  EXPECT_TRUE(ServeUntil([&] { return ticks >= 2; }));
}

// A form's properties are all set once it is created: only then does its timer's worker start, still
// before the form's own OnCreate.
TEST_F(ThreadedTimerTest, OnAFormTheWorkerStartsWhenTheFormIsCreated) {
  ui::TForm form(nullptr, "Form");
  TThreadedTimer timer(&form, "ThreadedTimer");
  timer.SetInterval(10);
  timer.SetOnTimer([this](ui::TObject*) { ++ticks; });
  bool runningAtOnCreate = false;
  form.OnCreate = [&](ui::TObject*) { runningAtOnCreate = timer.Worker().ThreadID() != std::thread::id(); };
  app.loop.ServeFor(50ms);
  EXPECT_EQ(timer.Worker().ThreadID(), std::thread::id());
  EXPECT_EQ(ticks, 0);

  app.app.CreateForm(form);
  EXPECT_TRUE(runningAtOnCreate);
  EXPECT_TRUE(ServeUntil([&] { return ticks >= 1; }));
}

TEST_F(ThreadedTimerTest, NoTicksWithoutIntervalOrHandler) {
  struct Case {
    const char* name;
    std::uint16_t interval;
    bool handler;
  };
  for (const Case& c : {Case{"interval 0", 0, true}, Case{"no handler", 10, false}}) {
    SCOPED_TRACE(c.name);
    ticks = 0;
    TThreadedTimer timer(nullptr);
    timer.SetInterval(c.interval);
    if (c.handler) timer.SetOnTimer([&](ui::TObject*) { ++ticks; });
    timer.Loaded();
    timer.SetEnabled(false);
    timer.SetEnabled(true);
    app.loop.ServeFor(150ms);
    EXPECT_EQ(ticks, 0);
    EXPECT_FALSE(timer.Active());
    EXPECT_TRUE(timer.Worker().Suspended());
  }
}

TEST_F(ThreadedTimerTest, DisabledThenEnabledTicksResume) {
  auto timer = CountingTimer(20);
  ASSERT_TRUE(ServeUntil([&] { return ticks >= 2; }));

  timer->SetEnabled(false);
  const int atPause = ticks;
  app.loop.ServeFor(300ms);
  // A tick already handed to the GUI thread still runs; nothing after it.
  EXPECT_LE(ticks, atPause + 1);
  EXPECT_TRUE(timer->Worker().Suspended());

  timer->SetEnabled(true);
  const int atResume = ticks;
  EXPECT_TRUE(ServeUntil([&] { return ticks >= atResume + 2; }));
}

TEST_F(ThreadedTimerTest, SettingTheHandlerStartsAndClearingItStops) {
  TThreadedTimer timer(nullptr);
  timer.SetInterval(20);
  timer.Loaded();
  EXPECT_TRUE(timer.Worker().Suspended());
  timer.SetOnTimer([&](ui::TObject*) { ++ticks; });
  ASSERT_TRUE(ServeUntil([&] { return ticks >= 2; }));

  timer.SetOnTimer(nullptr);
  EXPECT_TRUE(timer.Worker().Suspended());
  const int atClear = ticks;
  app.loop.ServeFor(200ms);
  EXPECT_EQ(ticks, atClear);  // the handed-over tick finds no handler
}

// The handler runs a nested loop for 300 ms; with Interval 200 a tick handed over too early would run
// inside it.
TEST_F(ThreadedTimerTest, SlowHandlerStretchesThePeriodAndTicksNeverOverlap) {
  std::vector<Clock::time_point> starts, ends;
  bool inside = false, overlapped = false;
  TThreadedTimer timer(nullptr);
  timer.SetInterval(200);
  timer.SetOnTimer([&](ui::TObject*) {
    overlapped |= inside;
    inside = true;
    starts.push_back(Clock::now());
    app.loop.ServeFor(300ms);
    ends.push_back(Clock::now());
    inside = false;
  });
  timer.Loaded();
  ASSERT_TRUE(ServeUntil([&] { return ends.size() >= 4; }, 30s));

  EXPECT_FALSE(overlapped);
  for (std::size_t i = 1; i < ends.size(); ++i) {
    EXPECT_GE(starts[i] - ends[i - 1], 200ms) << "tick " << i;
    EXPECT_GE(starts[i] - starts[i - 1], 500ms) << "tick " << i;
  }
}

TEST_F(ThreadedTimerTest, TicksRunWhileTheGuiThreadIsInAModalLoop) {
  bool modal = false, modalEnded = false;
  int ticksInModal = 0;
  TThreadedTimer timer(nullptr);
  timer.SetInterval(20);
  timer.SetOnTimer([&](ui::TObject*) {
    if (modal) ++ticksInModal;
  });
  timer.Loaded();
  // A handler that opens a message box: its loop serves the queue until the box closes.
  app.loop.Post([&] {
    modal = true;
    ServeUntil([&] { return ticksInModal >= 3; });
    modal = false;
    modalEnded = true;
  });
  ASSERT_TRUE(ServeUntil([&] { return modalEnded; }, 20s));
  EXPECT_GE(ticksInModal, 3);
}

TEST_F(ThreadedTimerTest, HandlerErrorGoesToTheErrorBoxAndTicksGoOn) {
  app.app.SetTitle("MIDI Tunora");
  TThreadedTimer timer(nullptr);
  timer.SetInterval(20);
  timer.SetOnTimer([&](ui::TObject*) {
    ++ticks;
    throw ui::Exception("Tick failed");
  });
  timer.Loaded();
  ASSERT_TRUE(ServeUntil([&] { return ticks >= 2; }));
  ASSERT_FALSE(app.backend.Boxes().empty());
  EXPECT_EQ(app.backend.Boxes().front().text, "Tick failed.");
  EXPECT_EQ(app.backend.Boxes().front().caption, "MIDI Tunora");
}

TEST_F(ThreadedTimerTest, DestroyedWhileTheWorkerSleepsGivesNoFurtherTick) {
  for (const std::uint16_t interval : {30, 60000}) {
    SCOPED_TRACE(interval);
    ticks = 0;
    auto timer = CountingTimer(interval);
    if (interval == 30) {
      ASSERT_TRUE(ServeUntil([&] { return ticks >= 2; }));
    }
    const int atDestruction = ticks;
    timer.reset();
    app.loop.ServeFor(200ms);
    EXPECT_EQ(ticks, atDestruction);
  }
}

TEST_F(ThreadedTimerTest, DestroyedWhileATickWaitsForTheGuiThreadGivesNoFurtherTick) {
  auto timer = CountingTimer(20);
  ASSERT_TRUE(ServeUntil([&] { return ticks >= 1; }));
  // The GUI thread is busy: the worker ends its sleep and waits for the next tick to be taken.
  std::this_thread::sleep_for(300ms);
  const int atDestruction = ticks;
  timer.reset();
  app.loop.ServeFor(200ms);
  EXPECT_EQ(ticks, atDestruction);
}

TEST_F(ThreadedTimerTest, PriorityIsAppliedOnceWhenTheWorkerStarts) {
  TThreadedTimer timer(nullptr);
  timer.SetInterval(20);
  timer.SetOnTimer([&](ui::TObject*) { ++ticks; });
  timer.SetThreadPriority(TThreadPriority::tpHigher);
  timer.Loaded();
  ASSERT_TRUE(ServeUntil([&] { return ticks >= 1; }));
  const std::thread::id worker = timer.Worker().ThreadID();
  EXPECT_EQ(app.threadPriority.Of(worker), Level::Higher);

  timer.SetThreadPriority(TThreadPriority::tpLowest);
  const int atChange = ticks;
  ASSERT_TRUE(ServeUntil([&] { return ticks >= atChange + 2; }));
  EXPECT_EQ(timer.Worker().ThreadID(), worker);
  EXPECT_EQ(app.threadPriority.Of(worker), Level::Higher);
}

// The library's thread class on its own.
class ThreadTest : public ThreadedTimerTest {};

class ScriptedThread final : public ui::TThread {
 public:
  explicit ScriptedThread(std::function<void(ScriptedThread&)> script) : script_(std::move(script)) {}
  ~ScriptedThread() override {
    Terminate();
    WaitFor();
  }
  using TThread::Sleep;
  using TThread::Synchronize;

 protected:
  void Execute() override { script_(*this); }

 private:
  std::function<void(ScriptedThread&)> script_;
};

TEST_F(ThreadTest, SynchronizedCallRunsOnTheGuiThreadAndItsErrorReachesTheWorker) {
  const std::thread::id gui = std::this_thread::get_id();
  std::thread::id ranOn;
  std::string caught;
  std::atomic<bool> finished = false;
  ScriptedThread thread([&](ScriptedThread& self) {
    self.Synchronize([&] { ranOn = std::this_thread::get_id(); });
    try {
      self.Synchronize([] { throw ui::Exception("Call failed"); });
    } catch (const ui::Exception& error) {
      caught = error.what();
    }
    finished = true;
  });
  EXPECT_TRUE(thread.Suspended());
  thread.Resume();
  ASSERT_TRUE(ServeUntil([&] { return finished.load(); }));
  thread.WaitFor();
  EXPECT_EQ(ranOn, gui);
  EXPECT_EQ(caught, "Call failed");
}

TEST_F(ThreadTest, CallNotYetTakenWhenTerminatedNeverRuns) {
  bool ran = false;
  ScriptedThread thread([&](ScriptedThread& self) { self.Synchronize([&] { ran = true; }); });
  thread.Resume();
  thread.Terminate();
  thread.WaitFor();
  app.loop.ServeFor(100ms);
  EXPECT_FALSE(ran);
}

TEST_F(ThreadTest, PausedWorkerWaitsAndDestructionWakesIt) {
  int calls = 0;
  auto thread = std::make_unique<ScriptedThread>([&](ScriptedThread& self) {
    while (!self.Terminated()) {
      self.Sleep(1);
      self.Synchronize([&] { ++calls; });
    }
  });
  thread->Resume();
  ASSERT_TRUE(ServeUntil([&] { return calls >= 2; }));
  thread->Suspend();
  const int atPause = calls;
  app.loop.ServeFor(200ms);
  EXPECT_LE(calls, atPause + 1);
  thread.reset();
  const int atDestruction = calls;
  app.loop.ServeFor(100ms);
  EXPECT_EQ(calls, atDestruction);
}

TEST_F(ThreadTest, ErrorEscapingExecuteGoesToTheErrorBox) {
  ScriptedThread thread([](ScriptedThread&) { throw ui::Exception("Worker failed"); });
  thread.Resume();
  thread.WaitFor();
  app.loop.ProcessPending();
  ASSERT_EQ(app.backend.Boxes().size(), 1u);
  EXPECT_EQ(app.backend.Boxes()[0].text, "Worker failed.");
}

}  // namespace
