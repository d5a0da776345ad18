// The message loop: posted tasks, window-message timers, hand-over from worker threads and quitting.
// Timers of the system tick with its own resolution, so counts are checked within what the elapsed
// time allows, never against how fast the machine is.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <exception>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "message_loop_subject.h"

namespace {

class MessageLoopContract : public ::testing::Test {
 protected:
  std::unique_ptr<contract::MessageLoopSubject> subject = contract::MakeMessageLoopSubject();
  os::MessageLoop& loop = subject->Loop();

  // Lets time pass in small steps until the condition holds or the limit has passed.
  template <typename Condition>
  bool PassUntil(Condition condition, unsigned limitMs = 3000) {
    const std::uint64_t end = loop.NowMs() + limitMs;
    while (!condition()) {
      if (loop.NowMs() >= end) return false;
      subject->Pass(10);
    }
    return true;
  }

  // Serves worker threads until the flag is set, for at most a few seconds of real time.
  void ServeUntil(const std::atomic<bool>& flag) {
    for (int i = 0; i < 500 && !flag; ++i) subject->Serve(std::chrono::milliseconds(10));
  }
};

TEST_F(MessageLoopContract, PostedTasksRunInOrderAfterPostReturns) {
  std::vector<int> ran;
  for (int i = 1; i <= 3; ++i) loop.Post([&ran, i] { ran.push_back(i); });
  EXPECT_TRUE(ran.empty());
  subject->Pass(0);
  EXPECT_EQ(ran, (std::vector<int>{1, 2, 3}));
}

TEST_F(MessageLoopContract, TaskPostedByAHandlerRunsAfterThatHandler) {
  std::vector<std::string> ran;
  loop.Post([&] {
    ran.push_back("first begins");
    loop.Post([&] { ran.push_back("second"); });
    ran.push_back("first ends");
  });
  subject->Pass(0);
  EXPECT_EQ(ran, (std::vector<std::string>{"first begins", "first ends", "second"}));
}

TEST_F(MessageLoopContract, FirstTickComesOneIntervalAfterStartAndTicksRepeat) {
  constexpr unsigned interval = 100;
  const std::uint64_t start = loop.NowMs();
  std::vector<std::uint64_t> ticks;
  const unsigned id = loop.StartTimer(interval, [&] { ticks.push_back(loop.NowMs()); });
  EXPECT_NE(id, 0u);
  EXPECT_TRUE(ticks.empty()) << "a timer does not tick inside StartTimer";

  subject->Pass(interval / 2);
  EXPECT_TRUE(ticks.empty());

  subject->Pass(3 * interval);
  loop.StopTimer(id);
  const std::uint64_t elapsed = loop.NowMs() - start;
  ASSERT_FALSE(ticks.empty());
  EXPECT_GE(ticks.front() - start, interval - subject->TimerSlackMs());
  EXPECT_LE(ticks.size(), elapsed / interval + 1);
  if (subject->TimerSlackMs() == 0) {
    EXPECT_EQ(ticks.size(), elapsed / interval);
  }
  for (std::size_t i = 1; i < ticks.size(); ++i) EXPECT_GE(ticks[i], ticks[i - 1]);
}

TEST_F(MessageLoopContract, StopTimerEndsTheTicks) {
  int count = 0;
  const unsigned id = loop.StartTimer(30, [&] { ++count; });
  ASSERT_TRUE(PassUntil([&] { return count > 0; }));
  loop.StopTimer(id);
  const int stoppedAt = count;
  subject->Pass(200);
  EXPECT_EQ(count, stoppedAt);
  loop.StopTimer(id);  // a second stop, and an unknown id, change nothing
  loop.StopTimer(987654);
}

TEST_F(MessageLoopContract, TickAlreadyDueDoesNotRunOnceItsTimerIsStopped) {
  // Two timers fall due together; whichever ticks first stops the other, whose tick is due by then.
  unsigned ids[2] = {};
  int counts[2] = {};
  for (int i = 0; i < 2; ++i) {
    ids[i] = loop.StartTimer(50, [&, i] {
      ++counts[i];
      loop.StopTimer(ids[1 - i]);
    });
  }
  subject->Pass(300);
  loop.StopTimer(ids[0]);
  loop.StopTimer(ids[1]);
  EXPECT_EQ(std::min(counts[0], counts[1]), 0) << counts[0] << " and " << counts[1];
  EXPECT_GT(std::max(counts[0], counts[1]), 0);
}

TEST_F(MessageLoopContract, TickDueDuringAHandlerDoesNotRunWhenTheHandlerStopsIt) {
  int ticks = 0;
  const unsigned id = loop.StartTimer(20, [&] { ++ticks; });
  // The posted task stops the timer only after its first tick is due, but before any tick ran.
  loop.Post([&] {
    subject->Block(60);
    loop.StopTimer(id);
  });
  subject->Pass(200);
  EXPECT_EQ(ticks, 0);
}

TEST_F(MessageLoopContract, StopAndStartAgainRestartsThePeriod) {
  constexpr unsigned interval = 100;
  int oldTicks = 0;
  std::vector<std::uint64_t> newTicks;
  const unsigned first = loop.StartTimer(interval, [&] { ++oldTicks; });
  subject->Pass(interval * 6 / 10);
  loop.StopTimer(first);
  const std::uint64_t restart = loop.NowMs();
  const unsigned second = loop.StartTimer(interval, [&] { newTicks.push_back(loop.NowMs()); });
  subject->Pass(interval * 6 / 10);
  EXPECT_EQ(oldTicks, 0);
  EXPECT_TRUE(newTicks.empty()) << "the period counts from the restart";
  ASSERT_TRUE(PassUntil([&] { return !newTicks.empty(); }));
  EXPECT_GE(newTicks.front() - restart, interval - subject->TimerSlackMs());
  loop.StopTimer(second);
  EXPECT_EQ(oldTicks, 0);
}

TEST_F(MessageLoopContract, ATaskPostedByAWorkerThreadRunsOnTheGuiThreadWhileItServesTheQueue) {
  const std::thread::id gui = std::this_thread::get_id();
  std::thread::id ranOn;
  std::atomic<bool> ran{false};
  std::thread worker([&] {
    loop.Post([&] {
      ranOn = std::this_thread::get_id();
      ran = true;
    });
  });
  ServeUntil(ran);
  worker.join();
  EXPECT_TRUE(ran);
  EXPECT_EQ(ranOn, gui);
}

TEST_F(MessageLoopContract, TasksPostedByAWorkerThreadAreServedByRun) {
  const std::thread::id gui = std::this_thread::get_id();
  std::thread::id ranOn;
  std::atomic<int> handedOver{0};
  std::thread worker([&] {
    for (int i = 0; i < 3; ++i) {
      loop.Post([&] {
        ranOn = std::this_thread::get_id();
        if (++handedOver == 3) loop.Quit();
      });
    }
  });
  loop.Run();
  worker.join();
  EXPECT_EQ(handedOver, 3);
  EXPECT_EQ(ranOn, gui);
}

TEST_F(MessageLoopContract, QuitFromAPostedTaskEndsRunOnceTheTaskReturns) {
  bool taskFinished = false, laterTaskRan = false;
  loop.Post([&] {
    loop.Quit();
    taskFinished = true;
  });
  loop.Post([&] { laterTaskRan = true; });
  EXPECT_FALSE(loop.QuitRequested());
  loop.Run();
  EXPECT_TRUE(taskFinished);
  EXPECT_FALSE(laterTaskRan);
  EXPECT_TRUE(loop.QuitRequested());
}

TEST_F(MessageLoopContract, RunServesTimersUntilATickQuits) {
  int ticks = 0;
  const unsigned id = loop.StartTimer(20, [&] {
    if (++ticks == 3) loop.Quit();
  });
  loop.Run();
  loop.StopTimer(id);
  EXPECT_EQ(ticks, 3);
}

TEST_F(MessageLoopContract, ErrorsFromTasksAndTicksGoToTheErrorHandlerAndTheLoopGoesOn) {
  std::vector<std::string> errors;
  loop.SetErrorHandler([&](std::exception_ptr error) {
    try {
      std::rethrow_exception(error);
    } catch (const std::exception& e) {
      errors.push_back(e.what());
    }
  });
  bool laterTaskRan = false;
  loop.Post([] { throw std::runtime_error("task failed"); });
  loop.Post([&] { laterTaskRan = true; });
  subject->Pass(0);
  EXPECT_EQ(errors, std::vector<std::string>{"task failed"});
  EXPECT_TRUE(laterTaskRan);

  int ticks = 0;
  const unsigned id = loop.StartTimer(20, [&] {
    if (++ticks == 1) throw std::runtime_error("tick failed");
  });
  ASSERT_TRUE(PassUntil([&] { return ticks >= 2; })) << "the timer ticks on after its failed tick";
  loop.StopTimer(id);
  EXPECT_EQ(errors, (std::vector<std::string>{"task failed", "tick failed"}));
}

TEST_F(MessageLoopContract, ClockMovesWithPassingTime) {
  const std::uint64_t before = loop.NowMs();
  subject->Pass(50);
  EXPECT_GE(loop.NowMs() - before, 50u);
}

}  // namespace
