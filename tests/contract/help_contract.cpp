#include <gtest/gtest.h>

#include "help_subject.h"

namespace {

struct HelpContract : ::testing::Test {
  std::unique_ptr<contract::HelpSubject> subject = contract::MakeHelpSubject();
  os::Help& help = subject->Viewer();
  ~HelpContract() override { help.CloseAll(); }
};

TEST_F(HelpContract, AMappedTopicShowsInAViewerUntilItIsClosed) {
  const int before = subject->ShownViewerWindows();
  ASSERT_TRUE(help.ShowTopic(0, subject->HelpFile(), 101));
  EXPECT_GT(subject->ShownViewerWindows(), before);
  // The menus' help contexts are topics of the file too.
  for (std::uint32_t topic : {102u, 160u, 170u, 180u, 190u, 230u}) {
    EXPECT_TRUE(help.ShowTopic(0, subject->HelpFile(), topic)) << topic;
  }
  help.CloseAll();
  EXPECT_EQ(subject->ShownViewerWindows(), before);
}

TEST_F(HelpContract, AnUnmappedTopicOrAMissingFileShowsNothing) {
  const int before = subject->ShownViewerWindows();
  EXPECT_FALSE(help.ShowTopic(0, subject->HelpFile(), 4242));
  EXPECT_FALSE(help.ShowTopic(0, subject->MissingFile(), 101));
  EXPECT_EQ(subject->ShownViewerWindows(), before);
  help.CloseAll();
  EXPECT_EQ(subject->ShownViewerWindows(), before);
}

}  // namespace
