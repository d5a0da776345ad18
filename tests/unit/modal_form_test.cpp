// Modal forms without windows: what a modal run changes around the form and puts back, the result it
// returns, where it shows, the user's script that acts in it, and the application's activation events.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/headless_app.h"
#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/timer.h"

namespace {

struct ModalFormTest : ::testing::Test {
  testing_support::HeadlessApp env;
  ui::TForm main{nullptr, "Main"};
  ui::TForm dialog{&main, "Dialog"};
  ui::TGroupBox group{&dialog, "Group"};
  ui::TEdit first{&dialog, "First"}, second{&dialog, "Second"};
  ui::TCheckBox box{&dialog, "Box"};
  ui::TButton ok{&dialog, "OKBtn"}, cancel{&dialog, "CancelBtn"};

  void SetUp() override {
    env.app.CreateForm(main);
    group.SetParent(&dialog);
    first.SetParent(&group);
    second.SetParent(&dialog);
    box.SetParent(&group);
    ok.SetParent(&dialog);
    ok.ModalResult = ui::mrOk;
    ok.SetDefault(true);
    cancel.SetParent(&dialog);
    cancel.ModalResult = ui::mrCancel;
    cancel.Cancel = true;
    env.app.CreateForm(dialog);
  }
};

TEST_F(ModalFormTest, WhileItRunsTheOtherFormsAreDisabledAndTheNormalPointerShows) {
  ui::TForm other(nullptr, "Other");
  other.SetEnabled(false);
  env.app.Screen().SetCursor(ui::TCursor::crHourGlass);
  dialog.Position = ui::TPosition::poScreenCenter;
  dialog.SetClientWidth(257);
  dialog.SetClientHeight(181);
  struct Seen {
    bool mainEnabled, visible;
    ui::TCursor cursor;
  } seen{};
  // The focus reaches the first tab stop, inside the group box, once the form shows.
  first.OnEnter = [&](ui::TObject*) {
    seen = {main.Enabled(), dialog.Visible(), env.app.Screen().Cursor()};
  };
  EXPECT_EQ(dialog.ShowModal(), ui::mrCancel) << "no user closed it";
  EXPECT_FALSE(seen.mainEnabled);
  EXPECT_TRUE(seen.visible);
  EXPECT_EQ(seen.cursor, ui::TCursor::crDefault);
  EXPECT_EQ(dialog.Left(), (1024 - 257) / 2) << "centred on the screen";
  EXPECT_EQ(dialog.Top(), (768 - 181) / 2);

  EXPECT_TRUE(main.Enabled());
  EXPECT_FALSE(other.Enabled()) << "a form disabled before stays so";
  EXPECT_FALSE(dialog.Visible());
  EXPECT_FALSE(dialog.Modal());
  EXPECT_EQ(env.app.Screen().Cursor(), ui::TCursor::crHourGlass);
}

TEST_F(ModalFormTest, TheActiveControlTakesTheFocusAndAResultSetMeanwhileIsReturned) {
  dialog.ActiveControl = &second;
  second.OnEnter = [&](ui::TObject*) { dialog.SetModalResult(ui::mrOk); };
  dialog.SetModalResult(ui::mrYes);
  EXPECT_EQ(dialog.ShowModal(), ui::mrOk) << "a run starts without a result";
  EXPECT_EQ(env.app.Screen().ActiveControl(), &second);
}

TEST_F(ModalFormTest, ClosingEndsTheRunWithCancelUnlessTheFormRefuses) {
  bool allow = false;
  dialog.OnCloseQuery = [&](ui::TObject*, bool& canClose) { canClose = allow; };
  first.OnEnter = [&](ui::TObject*) {
    dialog.Close();
    EXPECT_EQ(dialog.ModalResult(), ui::mrNone) << "refused";
    allow = true;
    dialog.Close();
  };
  EXPECT_EQ(dialog.ShowModal(), ui::mrCancel);
  EXPECT_EQ(env.app.Screen().Forms().size(), 2u);
  EXPECT_FALSE(env.app.Terminated()) << "closing a dialog is no end of the program";
}

TEST_F(ModalFormTest, AFormAlreadyShownCannotRunModally) {
  dialog.SetVisible(true);
  EXPECT_THROW(dialog.ShowModal(), ui::Exception);
}

TEST_F(ModalFormTest, CentredOnItsOwnerWhereTheOwnerIs) {
  main.SetBounds(100, 50, 600, 400);
  dialog.SetClientWidth(200);
  dialog.SetClientHeight(100);
  dialog.Position = ui::TPosition::poOwnerFormCenter;
  dialog.ShowModal();
  EXPECT_EQ(dialog.Left(), 100 + (600 - 200) / 2);
  EXPECT_EQ(dialog.Top(), 50 + (400 - 100) / 2);

  // A form without an owner form belongs to the main form.
  ui::TForm loose(nullptr, "Loose");
  loose.SetClientWidth(100);
  loose.SetClientHeight(100);
  loose.Position = ui::TPosition::poOwnerFormCenter;
  env.app.CreateForm(loose);
  loose.ShowModal();
  EXPECT_EQ(loose.Left(), 100 + (600 - 100) / 2);
}

// The script acts in each form as it shows; a form without a step of its own is closed.
TEST_F(ModalFormTest, TheUserScriptActsInEachFormInTurn) {
  env.modal.When("Dialog", [&](ui::TForm& form) {
    testing_support::SetChecked(form, "Box", true);
    testing_support::TypeInto(form, "Second", "typed");
    testing_support::Press(form, "OKBtn");
  });
  env.modal.When("Dialog", [&](ui::TForm& form) {
    testing_support::SetChecked(form, "Box", true);
    testing_support::PressEscape(form);
  });
  EXPECT_EQ(dialog.ShowModal(), ui::mrOk);
  EXPECT_TRUE(box.Checked());
  EXPECT_EQ(second.Text(), "typed");
  EXPECT_EQ(dialog.ShowModal(), ui::mrCancel);
  EXPECT_TRUE(box.Checked()) << "already checked: not clicked again";
  EXPECT_EQ(dialog.ShowModal(), ui::mrCancel) << "no step left";
  EXPECT_EQ(env.backend.ModalForms(), (std::vector<std::string>{"Dialog", "Dialog", "Dialog"}));
  EXPECT_EQ(env.modal.Pending(), 0u);
}

TEST_F(ModalFormTest, EnterPressesTheFocusedButtonElseTheDefaultOne) {
  int cancelled = 0;
  cancel.OnClick = [&](ui::TObject*) { ++cancelled; };
  env.modal.When("Dialog", [](ui::TForm& form) { testing_support::PressEnter(form); });
  env.modal.When("Dialog", [&](ui::TForm& form) {
    cancel.SetFocus();
    testing_support::PressEnter(form);
  });
  EXPECT_EQ(dialog.ShowModal(), ui::mrOk);
  EXPECT_EQ(dialog.ShowModal(), ui::mrCancel);
  EXPECT_EQ(cancelled, 1);

  // Without a default or cancel button, neither key ends the run.
  ok.SetDefault(false);
  cancel.Cancel = false;
  env.modal.When("Dialog", [&](ui::TForm& form) {
    second.SetFocus();
    testing_support::PressEnter(form);
    testing_support::PressEscape(form);
    EXPECT_EQ(dialog.ModalResult(), ui::mrNone);
  });
  dialog.ShowModal();
  EXPECT_EQ(cancelled, 1);
}

// The owner is disabled, but its timers go on ticking while the form is up.
TEST_F(ModalFormTest, TimersTickWhileTheFormIsUp) {
  ui::TTimer timer(&main, "Timer");
  timer.SetInterval(100);
  int ticks = 0;
  timer.OnTimer = [&](ui::TObject*) { ++ticks; };
  env.modal.When("Dialog", [&](ui::TForm& form) {
    env.loop.Advance(350);
    EXPECT_FALSE(main.Enabled());
    testing_support::Press(form, "OKBtn");
  });
  EXPECT_EQ(dialog.ShowModal(), ui::mrOk);
  EXPECT_EQ(ticks, 3);
}

// An error in the user's step ends that event in the error box; a button pressed before it still counts.
TEST_F(ModalFormTest, AnErrorInTheFormGoesToTheErrorBox) {
  env.app.SetTitle("Test");
  ok.OnClick = [](ui::TObject*) { throw ui::Exception("Failed to set data for 'x'"); };
  env.modal.When("Dialog", [](ui::TForm& form) { testing_support::Press(form, "OKBtn"); });
  EXPECT_EQ(dialog.ShowModal(), ui::mrOk);
  ASSERT_EQ(env.backend.Boxes().size(), 1u);
  EXPECT_EQ(env.backend.Boxes()[0].text, "Failed to set data for 'x'.");
}

TEST_F(ModalFormTest, TheScriptFailsWhereAnotherFormShowsOrAControlIsOutOfReach) {
  ui::TForm other(&main, "Other");
  env.app.CreateForm(other);
  EXPECT_NONFATAL_FAILURE(
      {
        env.modal.When("Dialog", [](ui::TForm&) {});
        other.ShowModal();
      },
      "the modal form Other showed where the test expected Dialog");
  ok.SetEnabled(false);
  EXPECT_NONFATAL_FAILURE(
      {
        env.modal.When("Dialog", [](ui::TForm& form) { testing_support::Press(form, "OKBtn"); });
        EXPECT_EQ(dialog.ShowModal(), ui::mrCancel);
      },
      "OKBtn is out of the user's reach");
}

TEST_F(ModalFormTest, TheApplicationFiresEachChangeOfItsActivationOnce) {
  std::vector<std::string> heard;
  env.app.OnDeactivate = [&](ui::TObject* sender) { heard.push_back(sender == &env.app ? "off" : "?"); };
  env.app.OnActivate = [&](ui::TObject*) { heard.push_back("on"); };
  for (bool active : {false, false, true, true, false}) env.app.Activate(active);
  EXPECT_EQ(heard, (std::vector<std::string>{"off", "on", "off"}));
  EXPECT_FALSE(env.app.Active());
}

}  // namespace
