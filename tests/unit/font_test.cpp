#include <gtest/gtest.h>

#include "support/headless_app.h"
#include "ui/font.h"
#include "ui/headless/raster_canvas.h"
#include "ui/stdctrls.h"

namespace {

TEST(FontTest, PointSizesAndPixelHeightsConvertAtTheScreensResolution) {
  const struct {
    int points, height;
  } cases[] = {{8, -11}, {9, -12}, {10, -13}, {12, -16}, {0, 0}};
  for (const auto& c : cases) {
    ui::TFont font;
    font.SetSize(c.points);
    EXPECT_EQ(font.Height, c.height) << c.points;
    EXPECT_EQ(font.Size(), c.points) << c.points;
  }
  const ui::TFont named = ui::TFont::Named("MS Sans Serif", 9, true);
  EXPECT_EQ(named.Name, "MS Sans Serif");
  EXPECT_EQ(named.Height, -12);
  EXPECT_TRUE(named.Bold);
}

struct ControlFontTest : ::testing::Test {
  testing_support::HeadlessApp env;
  ui::TForm form{nullptr};
  ui::TPanel panel{&form};
  ui::TLabel label{&form};

  void SetUp() override {
    panel.SetParent(&form);
    label.SetParent(&panel);
    label.SetCaption("Ver.1.01");
  }
};

TEST_F(ControlFontTest, ControlsShowTheirParentsFontUntilTheyHaveOneOfTheirOwn) {
  EXPECT_EQ(label.Font(), ui::TFont{}) << "the controls' own font";
  const ui::TFont dialog = ui::TFont::Named("MS Sans Serif", 8);
  form.SetFont(dialog);
  EXPECT_EQ(panel.Font(), dialog);
  EXPECT_EQ(label.Font(), dialog) << "through every level";
  EXPECT_TRUE(label.ParentFont());

  const ui::TFont bold = ui::TFont::Named("MS Sans Serif", 9, true);
  label.SetFont(bold);
  EXPECT_FALSE(label.ParentFont());
  form.SetFont(ui::TFont::Named("Arial", 10));
  EXPECT_EQ(label.Font(), bold) << "its own font stays";
  EXPECT_EQ(panel.Font().Name, "Arial");

  label.SetParentFont(true);
  EXPECT_EQ(label.Font().Name, "Arial");
  label.SetParent(nullptr);
  EXPECT_EQ(label.Font(), bold) << "without a parent, the font it had of its own";
}

TEST_F(ControlFontTest, AnAutoSizedLabelMeasuresItsCaptionInTheFontItShows) {
  constexpr int kChars = 8;
  EXPECT_EQ(label.Width(), kChars * ui::RasterCanvas::kCharWidth);
  EXPECT_EQ(label.Height(), ui::RasterCanvas::kLineHeight);
  label.SetFont(ui::TFont::Named("MS Sans Serif", 9, true));
  EXPECT_EQ(label.Width(), kChars * 8) << "a larger, bold font: 7 pixels a character and one for bold";
  EXPECT_EQ(label.Height(), 14);
  label.SetParentFont(true);
  EXPECT_EQ(label.Width(), kChars * ui::RasterCanvas::kCharWidth);
  // A font the label takes from its parent measures the same.
  panel.SetFont(ui::TFont::Named("MS Sans Serif", 12));
  EXPECT_EQ(label.Width(), kChars * 9);
  EXPECT_EQ(label.Height(), 18);
}

}  // namespace
