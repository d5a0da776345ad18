#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "support/headless_app.h"

namespace {

TEST(ApplicationDispatch, EveryErrorThatEscapesAnEventEndsInTheStandardErrorBox) {
  testing_support::HeadlessApp env;
  env.app.SetTitle("MIDI Tunora");
  struct Case {
    const char* name;
    std::function<void()> work;
    const char* shown;
  } cases[] = {
      {"the library's error", [] { throw ui::EListError(3); }, "List index out of bounds (3)."},
      {"a standard error ending in a full stop", [] { throw std::runtime_error("Disk full."); }, "Disk full."},
      {"anything else", [] { throw 42; }, "Unknown error."},
  };
  for (const auto& c : cases) {
    env.backend.ClearBoxes();
    env.app.Dispatch(c.work);
    ASSERT_EQ(env.backend.Boxes().size(), 1u) << c.name;
    EXPECT_EQ(env.backend.Boxes()[0].text, c.shown) << c.name;
    EXPECT_EQ(env.backend.Boxes()[0].caption, "MIDI Tunora") << c.name;
    EXPECT_EQ(env.backend.Boxes()[0].flags, ui::mbOK | ui::mbIconError) << c.name;
  }
  env.backend.ClearBoxes();
  bool ran = false;
  env.app.Dispatch([&] { ran = true; });
  EXPECT_TRUE(ran);
  EXPECT_TRUE(env.backend.Boxes().empty());
}

}  // namespace
