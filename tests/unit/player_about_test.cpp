// The About box: opened from the Help menu, laid out with the program's icon and title picture, the
// addresses in read-only boxes without borders, and closed by OK or Esc.
#include <gtest/gtest.h>

#include <string>

#include "player/shell/about_box.h"
#include "player/shell/about_title.h"
#include "support/player_fixture.h"
#include "ui/headless/raster_canvas.h"

namespace {

using testing_support::PlayerFixture;

struct AboutTest : PlayerFixture {
  void SetUp() override { Start(); }
  void InAboutBox(std::function<void(player::TFormAbout&)> act) {
    env.modal.When("FormAbout", [act](ui::TForm& box) { act(dynamic_cast<player::TFormAbout&>(box)); });
    Choose(form->HelpAbout);
  }
};

TEST_F(AboutTest, TheBoxShowsItsPartsWhereTheyBelong) {
  bool checked = false;
  InAboutBox([&](player::TFormAbout& box) {
    checked = true;
    EXPECT_EQ(box.Caption(), "About MIDI Tunora");
    EXPECT_EQ(box.ClientWidth(), 297);
    EXPECT_EQ(box.ClientHeight(), 247);
    EXPECT_EQ(box.BorderStyle, ui::TFormBorderStyle::bsDialog);
    EXPECT_EQ(box.BorderIcons, 0u);
    EXPECT_EQ(box.Position, ui::TPosition::poScreenCenter);
    EXPECT_EQ(box.Font(), ui::TFont::Named("MS Sans Serif", 8));
    struct Case {
      ui::TControl& control;
      int left, top, width, height;
    } cases[] = {
        {box.Bevel1, 8, 6, 281, 235},     {box.ImageAB, 32, 16, 32, 32},    {box.ImageTitle, 89, 11, 188, 77},
        {box.LabelMG, 10, 56, 77, 18},    {box.LabelVer, 10, 72, 77, 13},   {box.LblProduct, 16, 115, 266, 13},
        {box.EditURL, 41, 133, 215, 21},  {box.EditEmail, 96, 152, 105, 21}, {box.BtnAbOK, 112, 208, 74, 25},
    };
    for (const Case& c : cases) {
      EXPECT_EQ(c.control.Left(), c.left) << c.control.Name();
      EXPECT_EQ(c.control.Top(), c.top) << c.control.Name();
      EXPECT_EQ(c.control.Width(), c.width) << c.control.Name();
      EXPECT_EQ(c.control.Height(), c.height) << c.control.Name();
      EXPECT_EQ(c.control.Hint(), "Mark the URL then right click to copy") << c.control.Name();
    }
    EXPECT_EQ(box.Hint(), "Mark the URL then right click to copy");
    EXPECT_EQ(box.LabelNotice.Left(), 16);
    EXPECT_EQ(box.LabelNotice.Top(), 96);
    EXPECT_EQ(box.LabelNotice.Width(), 266);
    EXPECT_TRUE(box.LabelNotice.WordWrap());

    EXPECT_EQ(env.backend.IconSource(box.ImageAB.Icon().Handle()),
              env.backend.IconSource(ui::TIcon::FromApplication().Handle()))
        << "the application's icon";
    EXPECT_EQ(box.ImageTitle.PictureSize(), (ui::TSize{188, 77}));
    EXPECT_EQ(box.LabelMG.Caption(), "MIDI Tunora");
    EXPECT_EQ(box.LabelMG.FontColor(), ui::clRed);
    EXPECT_EQ(box.LabelMG.Font(), ui::TFont::Named("MS Sans Serif", 9, true));
    EXPECT_EQ(box.LabelMG.Alignment(), ui::TAlignment::taCenter);
    EXPECT_EQ(box.LabelVer.Caption(), "Ver.1.01 ");
    EXPECT_EQ(box.LblProduct.Font(), ui::TFont::Named("MS Sans Serif", 8, true));
    for (ui::TEdit* address : {&box.EditURL, &box.EditEmail}) {
      EXPECT_TRUE(address->ReadOnly()) << address->Name();
      EXPECT_EQ(address->BorderStyle(), ui::TBorderStyle::bsNone) << address->Name();
      EXPECT_EQ(address->Color(), ui::clBtnFace) << address->Name();
      EXPECT_EQ(address->Font(), ui::TFont::Named("MS Sans Serif", 9, true)) << address->Name();
      EXPECT_FALSE(address->Text().empty());
    }
    // An address can be marked, though not changed.
    box.EditURL.SetFocus();
    box.EditURL.SelectAll();
    const std::string url = box.EditURL.Text();
    box.EditURL.UserType("x");
    EXPECT_EQ(box.EditURL.Text(), url);
    EXPECT_EQ(box.EditURL.SelText(), url);

    EXPECT_EQ(box.BtnAbOK.Caption(), "&OK");
    testing_support::Press(box, "BtnAbOK");
  });
  EXPECT_TRUE(checked);
  EXPECT_EQ(env.backend.ModalForms(), std::vector<std::string>{"FormAbout"});
}

TEST_F(AboutTest, EnterAndEscCloseIt) {
  int result = -1;
  for (auto key : {testing_support::PressEnter, testing_support::PressEscape}) {
    InAboutBox([&](player::TFormAbout& box) {
      key(box);
      result = box.ModalResult();
    });
    EXPECT_EQ(result, ui::mrOk);
  }
}

TEST_F(AboutTest, TheTitlePictureFillsItsWholeSizeAndNamesTheProgram) {
  player::TFormAbout box(form.get());
  ui::RasterCanvas canvas(box.ImageTitle);
  player::DrawAboutTitle(canvas);
  ASSERT_EQ(canvas.Width(), 188);
  ASSERT_EQ(canvas.Height(), 77);
  for (int y = 0; y < 77; ++y)
    for (int x = 0; x < 188; ++x) ASSERT_NE(canvas.Pixel(x, y), ui::RasterCanvas::kBlank) << x << ", " << y;
  EXPECT_NE(canvas.Pixel(0, 0), canvas.Pixel(0, 40)) << "the sky deepens downwards";
  ASSERT_EQ(canvas.Texts().size(), 1u);
  EXPECT_EQ(canvas.Texts()[0].text, "MIDI Tunora");
}

}  // namespace
