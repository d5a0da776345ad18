// The top-most convention, kept by the library: while a form stays on top, every message box, error
// box, modal form and common dialog of the application opens above it, and the form goes back on top
// once the user has answered.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/headless_app.h"

namespace {

struct TopMostConventionTest : ::testing::Test {
  testing_support::HeadlessApp env;
  ui::TForm main{nullptr, "Main"};
  ui::TForm plain{nullptr, "Plain"};
  ui::TForm dialog{&main, "Dialog"};
  // Whether the main form was in the top-most band each time the user was asked something.
  std::vector<bool> whileAsked;

  void SetUp() override {
    env.app.CreateForm(main);
    env.app.CreateForm(plain);
    env.app.CreateForm(dialog);
    main.SetTopMost(true);
    auto record = [this] { whileAsked.push_back(main.TopMost()); };
    env.backend.WhileBoxShown = [record](const ui::HeadlessBackend::Box&) { record(); };
    env.fileDialogs.WhileShown = [record](const os::FakeFileDialogs::Shown&) { record(); };
    env.backend.OnModalShown = [this, record](ui::TForm& form) {
      record();
      plainWhileModal = plain.TopMost();
      if (insideModal) insideModal(form);
    };
  }
  std::function<void(ui::TForm&)> insideModal;
  bool plainWhileModal = true;
};

TEST_F(TopMostConventionTest, EveryQuestionOpensAboveTheFormThatStaysOnTop) {
  const struct {
    const char* what;
    std::function<void(ui::TApplication&, ui::TForm&)> ask;
  } cases[] = {
      {"message box", [](ui::TApplication& app, ui::TForm&) { app.ShowMessageBox("?", "Question", ui::mbYesNo); }},
      {"error box", [](ui::TApplication& app, ui::TForm&) { app.Dispatch([] { throw ui::Exception("Bad"); }); }},
      {"modal form", [](ui::TApplication&, ui::TForm& dialog) { dialog.ShowModal(); }},
      {"Open dialog", [](ui::TApplication& app, ui::TForm&) { app.AskFileToOpen({}); }},
      {"Save dialog", [](ui::TApplication& app, ui::TForm&) { app.AskFileToSave({}); }},
  };
  for (const auto& [what, ask] : cases) {
    whileAsked.clear();
    ask(env.app, dialog);
    EXPECT_EQ(whileAsked, std::vector<bool>{false}) << what;
    EXPECT_TRUE(main.TopMost()) << what << ": back on top";
    EXPECT_FALSE(plain.TopMost()) << what << ": a form that was not on top is not put there";
  }
}

// A box asked from inside a modal form leaves the band to the form's end.
TEST_F(TopMostConventionTest, NestedQuestionsPutTheFormBackOnlyAtTheOutermostAnswer) {
  insideModal = [&](ui::TForm&) {
    env.app.ShowMessageBox("Sure?", "Question", ui::mbYesNo);
    whileAsked.push_back(main.TopMost());
  };
  dialog.ShowModal();
  EXPECT_EQ(whileAsked, (std::vector<bool>{false, false, false}));
  EXPECT_TRUE(main.TopMost());
}

// A modal form that stays on top itself keeps the band while it shows; the others leave it.
TEST_F(TopMostConventionTest, AModalFormOnTopStaysThereWhileOthersLeave) {
  plain.SetTopMost(true);
  dialog.SetTopMost(true);
  bool dialogWhileShown = false;
  insideModal = [&](ui::TForm& form) { dialogWhileShown = form.TopMost(); };
  dialog.ShowModal();
  EXPECT_TRUE(dialogWhileShown);
  EXPECT_FALSE(plainWhileModal);
  EXPECT_EQ(whileAsked, std::vector<bool>{false});
  EXPECT_TRUE(main.TopMost() && plain.TopMost() && dialog.TopMost());
}

}  // namespace
