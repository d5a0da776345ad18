#include <gtest/gtest.h>

#include <functional>

#include "support/player_fixture.h"

namespace {

using testing_support::PlayerFixture;

constexpr std::uint32_t kLeftDblClk = 0x203, kRightUp = 0x205;

// Hidden to the tray, with two wave files of 10 and 20 seconds and Auto off.
struct TrayTest : PlayerFixture {
  void SetUp() override {
    Construct();
    form->GM.SetChecked(false);
    form->AutoPlay.SetChecked(false);
    Create();
    AddMediaFile("C:\\a.wav", 10000);
    AddMediaFile("C:\\b.wav", 20000);
  }
  // What the shell sends the icon's window for a mouse action on the icon.
  void MouseOnIcon(std::uint32_t mouse) {
    env.app.Dispatch([&] {
      form->TrayIcon.Window().Deliver(controls::TTaskIcon::kCallbackMessage,
                                      static_cast<std::uint32_t>(form->TrayIcon.TaskIconID()), mouse);
    });
  }
  // The tray menu's transport items as "PSANV" (Play, Stop, Pause, Next, Previous), '-' where disabled,
  // then the Pause item's caption.
  std::string TrayMenu() const {
    std::string state;
    const std::pair<const ui::TMenuItem*, char> items[] = {
        {&form->PopPlay, 'P'}, {&form->PopStop, 'S'}, {&form->PopPause, 'A'}, {&form->PopNext, 'N'},
        {&form->PopPrev, 'V'}};
    for (const auto& [item, letter] : items) state += item->Enabled() ? letter : '-';
    return state + " " + form->PopPause.Caption();
  }
};

TEST_F(TrayTest, TheTrayMenuOpensWhereTheRightClickWasWithTheTransportAsItStands) {
  struct Step {
    const char* what;
    std::function<void()> act;
    const char* menu;
  } steps[] = {
      {"nothing loaded", [] {}, "----- P&ause"},
      {"one entry loaded", [&] { AddEntries({"C:\\a.wav"}); }, "P---- P&ause"},
      {"playing", [&] { Click(form->SpdBtnPlay); }, "-SA-- P&ause"},
      {"a second entry", [&] { AddEntries({"C:\\b.wav"}); }, "-SANV P&ause"},
      {"paused", [&] { Click(form->SpdBtnPause); }, "PSANV C&ontinue"},
      {"continued", [&] { Click(form->SpdBtnPause); }, "-SANV P&ause"},
      {"paused again", [&] { Click(form->SpdBtnPause); }, "PSANV C&ontinue"},
      // With Pause disabled its caption stays as it was.
      {"stopped", [&] { Click(form->SpdBtnStop); }, "P--NV C&ontinue"},
      {"playing from the tray", [&] { Choose(form->PopPlay); }, "-SANV P&ause"},
  };
  Choose(form->Hide);
  env.backend.cursorPos = {900, 740};
  int popups = 0;
  for (const auto& step : steps) {
    SCOPED_TRACE(step.what);
    step.act();
    MouseOnIcon(kRightUp);
    EXPECT_EQ(form->TrayPop.PopupCount(), ++popups);
    EXPECT_EQ(form->TrayPop.LastPopupPos().x, 900);
    EXPECT_EQ(form->TrayPop.LastPopupPos().y, 740);
    EXPECT_EQ(env.backend.broughtToFront, popups) << "the player comes to the front so that the menu can close";
    EXPECT_EQ(TrayMenu(), step.menu);
  }
  EXPECT_TRUE(form->WindowHidden);
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(TrayTest, ContinueInTheTrayMenuGoesOnFromWhereThePauseWas) {
  AddEntries({"C:\\a.wav", "C:\\b.wav"});
  Choose(form->Hide);
  Choose(form->PopPlay);
  Wait(3000);
  Choose(form->PopPause);
  MouseOnIcon(kRightUp);
  ASSERT_EQ(form->PopPause.Caption(), "C&ontinue");
  Choose(form->PopPause);
  Wait(1000);
  EXPECT_EQ(form->MIDIPlayer.Position(), 4000u);
  EXPECT_EQ(Transport(), "-PS");
  EXPECT_EQ(form->TrayIcon.State(), controls::TStateTaskIcon::tiEnabled);
}

TEST_F(TrayTest, DoubleClickOnTheIconAndRestoreBringTheWindowBackAlike) {
  const std::pair<const char*, std::function<void()>> restores[] = {
      {"double-click", [&] { MouseOnIcon(kLeftDblClk); }},
      {"Restore", [&] { Choose(form->Restore); }},
  };
  AddEntries({"C:\\a.wav"});
  for (const auto& [what, restore] : restores) {
    SCOPED_TRACE(what);
    Choose(form->Hide);
    ASSERT_TRUE(form->TrayIcon.Active());
    ASSERT_EQ(env.notifyArea.ShownCount(), 1u);
    form->SongList.SetFocus();
    const std::string caption = form->Caption();

    restore();
    EXPECT_FALSE(form->WindowHidden);
    EXPECT_FALSE(form->TrayIcon.Active());
    EXPECT_EQ(env.notifyArea.ShownCount(), 0u);
    EXPECT_TRUE(env.backend.applicationWindowShown);
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(form->Focused());
    // Nothing else changes: the layout and what is loaded stay.
    EXPECT_EQ(form->Caption(), caption);
    EXPECT_EQ(form->ClientWidth(), 591);
    EXPECT_EQ(Transport(), "P--");
  }
}

}  // namespace
