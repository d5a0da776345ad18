// Play Control Options: the dialog's layout and tab order, the values it shows, typed values taken
// only within the arrows' ranges, the arrows wrapping, Cancel, and the values saved with the options.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "player/playback/play_control_dialog.h"
#include "player/shell/player_keys.h"
#include "support/player_fixture.h"

namespace {

using testing_support::Find;
using testing_support::PlayerFixture;
using testing_support::Press;
using testing_support::TypeInto;

struct PlayControlTest : PlayerFixture {
  void SetUp() override { Start(); }
  // Opens the dialog and lets the user act in it.
  void InDialog(std::function<void(player::TTCDlg&)> act) {
    env.modal.When("TCDlg", [act](ui::TForm& dialog) { act(dynamic_cast<player::TTCDlg&>(dialog)); });
    Choose(form->PlayControl);
  }
  void TypeAndOk(const std::string& skip, const std::string& wait) {
    InDialog([&](player::TTCDlg& dialog) {
      TypeInto(dialog, "EditSkip", skip);
      TypeInto(dialog, "EditWait", wait);
      Press(dialog, "OKBtn");
    });
  }
  void Values(int skip, int wait) {
    form->SkipSeconds = skip;
    form->WaitSeconds = wait;
  }
};

TEST_F(PlayControlTest, TheDialogIsLaidOutWithItsControlsInTabOrder) {
  std::vector<std::string> tabOrder;
  std::string caption;
  bool dialogFrame = false, centred = false;
  int width = 0, height = 0;
  InDialog([&](player::TTCDlg& d) {
    caption = d.Caption();
    dialogFrame = d.BorderStyle == ui::TFormBorderStyle::bsDialog && d.BorderIcons == 0;
    centred = d.Position == ui::TPosition::poScreenCenter;
    width = d.ClientWidth();
    height = d.ClientHeight();
    struct Case {
      ui::TControl& control;
      int left, top, width, height;
    } cases[] = {{d.Bevel1, 8, 8, 273, 65}, {d.EditSkip, 46, 15, 21, 21}, {d.EditWait, 46, 43, 21, 21},
                 {d.OKBtn, 63, 80, 75, 25},  {d.CancelBtn, 147, 80, 75, 25}};
    for (const Case& c : cases) {
      EXPECT_EQ(c.control.Left(), c.left) << c.control.Name();
      EXPECT_EQ(c.control.Top(), c.top) << c.control.Name();
      EXPECT_EQ(c.control.Width(), c.width) << c.control.Name();
      EXPECT_EQ(c.control.Height(), c.height) << c.control.Name();
    }
    EXPECT_EQ(d.Label1.Caption(), "Skip                 seconds when Forward and Reverse.");
    EXPECT_EQ(d.Label2.Caption(), "Wait                 seconds before playing next file.");
    EXPECT_EQ(d.Label1.Left(), 16);
    EXPECT_EQ(d.Label1.Top(), 18);
    EXPECT_EQ(d.Label2.Top(), 47);
    EXPECT_EQ(d.OKBtn.Caption(), "&OK");
    EXPECT_TRUE(d.OKBtn.Default());
    EXPECT_EQ(d.CancelBtn.Caption(), "&Cancel");
    EXPECT_TRUE(d.CancelBtn.Cancel);
    EXPECT_EQ(d.UpDownSkip.Associate(), &d.EditSkip);
    EXPECT_EQ(d.UpDownWait.Associate(), &d.EditWait);
    EXPECT_EQ(d.UpDownSkip.Min(), 1);
    EXPECT_EQ(d.UpDownWait.Min(), 0);
    EXPECT_EQ(d.UpDownSkip.Max(), 99);
    EXPECT_EQ(d.UpDownWait.Max(), 99);
    EXPECT_EQ(d.UpDownSkip.Left(), 67) << "beside its box";
    for (ui::TControl* child : d.Controls())
      if (auto* windowed = dynamic_cast<ui::TWinControl*>(child)) tabOrder.push_back(windowed->Name());
    EXPECT_TRUE(d.OKBtn.Focused()) << "the first tab stop has the focus";
  });
  EXPECT_EQ(caption, "Play Control Options");
  EXPECT_TRUE(dialogFrame);
  EXPECT_TRUE(centred);
  EXPECT_EQ(width, 286);
  EXPECT_EQ(height, 112);
  EXPECT_EQ(tabOrder, (std::vector<std::string>{"OKBtn", "CancelBtn", "EditSkip", "UpDownSkip", "EditWait",
                                                "UpDownWait"}));
}

TEST_F(PlayControlTest, TheBoxesShowTheCurrentValues) {
  Values(12, 3);
  std::string skip, wait;
  InDialog([&](player::TTCDlg& d) {
    skip = d.EditSkip.Text();
    wait = d.EditWait.Text();
  });
  EXPECT_EQ(skip, "12");
  EXPECT_EQ(wait, "3");
}

TEST_F(PlayControlTest, OkTakesTypedValuesWithinTheRangesAndKeepsThePreviousOnesOtherwise) {
  struct Case {
    const char *skip, *wait;
    int skipAfter, waitAfter;
  } cases[] = {
      {"20", "7", 20, 7},   {"150", "100", 12, 3}, {"0", "0", 12, 0},   {"99", "99", 99, 99},
      {"1", "-1", 1, 3},    {"abc", "", 12, 3},    {" 8", "4x", 8, 3},  {"+9", "05", 9, 5},
  };
  for (const Case& c : cases) {
    Values(12, 3);
    TypeAndOk(c.skip, c.wait);
    EXPECT_EQ(form->SkipSeconds, c.skipAfter) << c.skip;
    EXPECT_EQ(form->WaitSeconds, c.waitAfter) << c.wait;
  }
}

TEST_F(PlayControlTest, TheArrowsWrapAtTheirEnds) {
  struct Case {
    int skip, wait;
    ui::TUDBtnType button;
    int skipAfter, waitAfter;
  } cases[] = {
      {99, 99, ui::TUDBtnType::btNext, 1, 0},
      {1, 0, ui::TUDBtnType::btPrev, 99, 99},
      {5, 5, ui::TUDBtnType::btNext, 6, 6},
  };
  for (const Case& c : cases) {
    Values(c.skip, c.wait);
    InDialog([&](player::TTCDlg& d) {
      d.UpDownSkip.UserClick(c.button);
      d.UpDownWait.UserClick(c.button);
      Press(d, "OKBtn");
    });
    EXPECT_EQ(form->SkipSeconds, c.skipAfter);
    EXPECT_EQ(form->WaitSeconds, c.waitAfter);
  }
}

TEST_F(PlayControlTest, CancelEscAndTheCloseBoxChangeNothing) {
  for (const char* way : {"Cancel", "Esc", "close box"}) {
    Values(12, 3);
    InDialog([&](player::TTCDlg& d) {
      TypeInto(d, "EditSkip", "20");
      d.UpDownWait.UserClick(ui::TUDBtnType::btNext);
      if (std::string(way) == "Cancel") Press(d, "CancelBtn");
      if (std::string(way) == "Esc") testing_support::PressEscape(d);
      if (std::string(way) == "close box") d.Close();
    });
    EXPECT_EQ(form->SkipSeconds, 12) << way;
    EXPECT_EQ(form->WaitSeconds, 3) << way;
  }
}

TEST_F(PlayControlTest, TheValuesReachTheRegistryWithTheOptions) {
  const auto stored = [&](const char* name) {
    std::uint32_t value = 0;
    env.registry.ReadInteger(player::kOptionsKey, name, value);
    return value;
  };
  TypeAndOk("17", "4");
  EXPECT_EQ(stored("SKIP"), 5u) << "the dialog itself stores nothing";
  Click(form->SpdBtnSaveOption);
  EXPECT_EQ(stored("SKIP"), 17u);
  EXPECT_EQ(stored("WAIT"), 4u);
}

TEST_F(PlayControlTest, TheNewSkipAppliesToTheNextForward) {
  env.media.AddFile("C:\\long.wav", 120000);
  AddEntries({"C:\\long.wav"});
  TypeAndOk("30", "0");
  Click(form->SpdBtnStep);
  EXPECT_EQ(form->MIDIPlayer.Position(), 30000u);
}

}  // namespace
