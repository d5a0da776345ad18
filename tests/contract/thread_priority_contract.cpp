#include <gtest/gtest.h>

#include <thread>

#include "thread_priority_subject.h"

namespace {

using Level = os::ThreadPriority::Level;

// Each case runs on a thread of its own, so that the test runner's thread keeps its priority.
template <typename Body>
void OnNewThread(Body body) {
  std::thread thread(body);
  thread.join();
}

TEST(ThreadPriorityContract, NewThreadRunsAtNormal) {
  const auto subject = contract::MakeThreadPrioritySubject();
  Level seen = Level::Idle;
  OnNewThread([&] { seen = subject->Current(); });
  EXPECT_EQ(seen, Level::Normal);
}

TEST(ThreadPriorityContract, EveryLevelReadsBackOnTheThreadThatSetIt) {
  const auto subject = contract::MakeThreadPrioritySubject();
  for (const Level level : {Level::Idle, Level::Lowest, Level::Lower, Level::Normal, Level::Higher,
                            Level::Highest, Level::TimeCritical}) {
    Level seen = Level::Normal;
    OnNewThread([&] {
      subject->SetCurrent(level);
      seen = subject->Current();
    });
    EXPECT_EQ(seen, level) << "level " << static_cast<int>(level);
  }
}

TEST(ThreadPriorityContract, LevelBelongsToTheThreadThatSetIt) {
  const auto subject = contract::MakeThreadPrioritySubject();
  OnNewThread([&] {
    subject->SetCurrent(Level::Higher);
    Level other = Level::Idle;
    OnNewThread([&] { other = subject->Current(); });
    EXPECT_EQ(other, Level::Normal);
    EXPECT_EQ(subject->Current(), Level::Higher);
  });
}

}  // namespace
