// The one error path: whatever escapes a callback of the message loop (a posted task, a timer tick) ends
// in the application's standard error box, once; without an application the fake loop lets it out.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "support/headless_app.h"
#include "ui/types.h"

namespace {

TEST(ApplicationErrors, ErrorsEscapingTasksAndTicksShowTheStandardErrorBoxOnce) {
  testing_support::HeadlessApp headless;
  headless.app.SetTitle("MIDI Tunora");
  struct Case {
    const char* what;
    std::function<void()> fail;
    std::string shown;
  } cases[] = {
      {"library error", [] { throw ui::EMCIDeviceError("The device failed"); }, "The device failed."},
      {"other exception", [] { throw std::runtime_error("Out of luck."); }, "Out of luck."},
      {"not an exception class", [] { throw 42; }, "Unknown error."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    headless.backend.ClearBoxes();
    headless.loop.Post(c.fail);
    int ticks = 0;
    const unsigned id = headless.loop.StartTimer(10, [&] {
      if (++ticks == 1) c.fail();
    });
    headless.loop.Advance(25);
    headless.loop.StopTimer(id);
    EXPECT_EQ(ticks, 2) << "the timer ticks on";
    ASSERT_EQ(headless.backend.Boxes().size(), 2u);
    for (const auto& box : headless.backend.Boxes()) {
      EXPECT_EQ(box.text, c.shown);
      EXPECT_EQ(box.caption, "MIDI Tunora");
      EXPECT_EQ(box.flags, ui::mbOK | ui::mbIconError);
    }
  }
}

TEST(ApplicationErrors, WithoutAnApplicationTheFakeLoopLetsTheErrorOut) {
  os::FakeMessageLoop loop;
  loop.Post([] { throw std::runtime_error("task failed"); });
  EXPECT_THROW(loop.ProcessPending(), std::runtime_error);
}

}  // namespace
