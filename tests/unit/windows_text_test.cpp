#include "tools/windows_text.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

TEST(WindowsText, EndsEveryLineWithCrLf) {
  EXPECT_EQ(tools::WindowsText("one\ntwo\n\nthree\n", {}), "one\r\ntwo\r\n\r\nthree\r\n");
  EXPECT_EQ(tools::WindowsText("one\r\ntwo\r\n", {}), "one\r\ntwo\r\n");
  EXPECT_EQ(tools::WindowsText("no final end", {}), "no final end\r\n");
  EXPECT_EQ(tools::WindowsText("", {}), "");
}

TEST(WindowsText, KeepsWithinItsLimits) {
  const std::string tenOf45 = [] {
    std::string text;
    for (int i = 0; i < 10; ++i) text += std::string(45, 'x') + "\n";
    return text;
  }();
  EXPECT_NO_THROW(tools::WindowsText(tenOf45, {10, 45}));
  EXPECT_THROW(tools::WindowsText(tenOf45 + "x\n", {10, 45}), std::invalid_argument);
  EXPECT_THROW(tools::WindowsText(std::string(46, 'x'), {10, 45}), std::invalid_argument);
  EXPECT_NO_THROW(tools::WindowsText(tenOf45 + std::string(80, 'x'), {}));
}

TEST(WindowsText, RefusesWhatCodePagesShowDifferentlyNamingTheLine) {
  for (const std::string bad : {"caf\xc3\xa9", "tab\there", "bell\a", "del\x7f"}) {
    try {
      tools::WindowsText("fine\n" + bad + "\n", {});
      ADD_FAILURE() << bad;
    } catch (const std::invalid_argument& error) {
      EXPECT_EQ(std::string(error.what()).rfind("line 2: ", 0), 0u) << error.what();
    }
  }
}

}  // namespace
