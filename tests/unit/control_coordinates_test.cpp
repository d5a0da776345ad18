#include <gtest/gtest.h>

#include "support/headless_app.h"
#include "ui/stdctrls.h"

namespace {

// A form at 100,50 on the screen; a panel in it at 10,20 holding a list at 5,5 and a label at 60,5
// (60 by 13, the size of its caption) that overlaps a later bevel.
struct ControlCoordinatesTest : ::testing::Test {
  testing_support::HeadlessApp env;
  ui::TForm form{nullptr};
  ui::TPanel panel{&form};
  ui::TListBox list{&form};
  ui::TLabel label{&form};
  ui::TBevel bevel{&form};

  ControlCoordinatesTest() {
    form.SetBounds(100, 50, 0, 0);
    form.SetClientWidth(300);
    form.SetClientHeight(200);
    form.SetVisible(true);
    panel.SetParent(&form);
    panel.SetBounds(10, 20, 200, 100);
    list.SetParent(&panel);
    list.SetBounds(5, 5, 50, 60);
    label.SetParent(&panel);
    label.SetCaption("Label text");
    label.SetBounds(60, 5, 0, 0);
    bevel.SetParent(&panel);
    bevel.SetBounds(90, 0, 20, 20);
  }
};

TEST_F(ControlCoordinatesTest, ClientPointsGoToTheScreenThroughTheParentsAndBack) {
  struct Case {
    const ui::TControl& control;
    ui::TPoint client, screen;
  } cases[] = {
      {form, {0, 0}, {100, 50}},
      {panel, {1, 2}, {111, 72}},
      {list, {3, 4}, {118, 79}},
      {list, {-3, -30}, {112, 45}},  // outside the control: still a plain translation
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.control.ClientToScreen(c.client), c.screen) << c.client.x << "," << c.client.y;
    EXPECT_EQ(c.control.ScreenToClient(c.screen), c.client) << c.screen.x << "," << c.screen.y;
  }
}

TEST_F(ControlCoordinatesTest, ControlAtPosFindsTheDeepestVisibleChildTheEarlierAbove) {
  struct Case {
    ui::TPoint client;  // in the form
    const ui::TControl* found;
  } cases[] = {
      {{5, 5}, nullptr},      // the form itself
      {{15, 25}, &list},      // through the panel
      {{14, 24}, &panel},     // the panel's own surface
      {{54, 84}, &list},      // the list's last pixel
      {{55, 85}, &panel},     // one past it
      {{105, 25}, &label},    // the label lies above the bevel made after it
      {{75, 25}, &label},
      {{210, 25}, nullptr},   // right of the panel
  };
  for (const auto& c : cases)
    EXPECT_EQ(form.ControlAtPos(c.client, false), c.found) << c.client.x << "," << c.client.y;
}

TEST_F(ControlCoordinatesTest, ControlAtPosSkipsHiddenControlsAndDisabledOnesUnlessAllowed) {
  label.SetVisible(false);
  EXPECT_EQ(form.ControlAtPos({105, 25}, true), &bevel);
  list.SetEnabled(false);
  EXPECT_EQ(form.ControlAtPos({15, 25}, false), &panel);
  EXPECT_EQ(form.ControlAtPos({15, 25}, true), &list);
  panel.SetVisible(false);
  EXPECT_EQ(form.ControlAtPos({15, 25}, true), nullptr);
}

TEST_F(ControlCoordinatesTest, TheBackendFindsTheControlUnderAScreenPointOverTheShowingForms) {
  ui::Backend& backend = env.backend;
  EXPECT_EQ(backend.ControlAtScreen({118, 79}), &list);
  EXPECT_EQ(backend.ControlAtScreen({101, 51}), &form);
  EXPECT_EQ(backend.ControlAtScreen({400, 51}), nullptr) << "right of the client area";

  // A later form above the first; a top-most one above both, whatever the order they were made in.
  ui::TForm over{nullptr};
  over.SetBounds(110, 60, 0, 0);
  over.SetClientWidth(50);
  over.SetClientHeight(50);
  over.SetVisible(true);
  EXPECT_EQ(backend.ControlAtScreen({118, 79}), &over);
  form.SetTopMost(true);
  EXPECT_EQ(backend.ControlAtScreen({118, 79}), &list);
  form.SetTopMost(false);
  over.SetVisible(false);
  EXPECT_EQ(backend.ControlAtScreen({118, 79}), &list) << "a hidden form is passed over";
  form.SetEnabled(false);
  EXPECT_EQ(backend.ControlAtScreen({118, 79}), nullptr) << "nor can a disabled form take the mouse";
}

}  // namespace
