#include <gtest/gtest.h>

#include "support/headless_app.h"
#include "ui/headless/raster_canvas.h"
#include "ui/stdctrls.h"

namespace {

constexpr int kChar = ui::RasterCanvas::kCharWidth, kLine = ui::RasterCanvas::kLineHeight;

struct LabelTest : ::testing::Test {
  testing_support::HeadlessApp env;
  ui::TLabel label{nullptr};
};

TEST_F(LabelTest, AnAutoSizedLabelTakesTheSizeOfItsCaptionWhereverItIs) {
  EXPECT_TRUE(label.AutoSize());
  label.SetBounds(10, 20, 100, 50);
  EXPECT_EQ(label.Width(), 0) << "no caption yet";
  label.SetCaption("Random");
  EXPECT_EQ(label.Left(), 10);
  EXPECT_EQ(label.Top(), 20);
  EXPECT_EQ(label.Width(), 6 * kChar);
  EXPECT_EQ(label.Height(), kLine);
  label.SetCaption("Loop");
  EXPECT_EQ(label.Width(), 4 * kChar) << "shrinks with a shorter caption";
  label.SetBounds(30, 40, 7, 7);
  EXPECT_EQ(label.Width(), 4 * kChar);
  EXPECT_EQ(label.Left(), 30);
}

TEST_F(LabelTest, WithoutAutoSizeTheLabelKeepsTheSizeItIsGiven) {
  label.SetCaption("Shuffle");
  label.SetAutoSize(false);
  EXPECT_EQ(label.Width(), 7 * kChar) << "switching off keeps the size";
  label.SetBounds(0, 0, 100, 20);
  label.SetCaption("Auto");
  EXPECT_EQ(label.Width(), 100);
  EXPECT_EQ(label.Height(), 20);
  label.SetAutoSize(true);
  EXPECT_EQ(label.Width(), 4 * kChar);
  EXPECT_EQ(label.Height(), kLine);
}

}  // namespace
