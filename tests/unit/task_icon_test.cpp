#include "controls/task_icon.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/headless_app.h"

namespace {

using controls::TStateTaskIcon;
using controls::TTaskIcon;
using controls::TWhereTaskIcon;
using Op = os::FakeNotifyArea::Op;

constexpr unsigned kCallback = 0x40A;
constexpr std::uint32_t kLeftUp = 0x202, kLeftDblClk = 0x203, kRightUp = 0x205, kMouseMove = 0x200;

struct TaskIconTest : ::testing::Test {
  testing_support::HeadlessApp env;
  TTaskIcon tray{nullptr};
  std::vector<std::string> events;

  const os::NotifyIconRecord* Shown() { return env.notifyArea.Shown(tray.Window().Handle(), tray.TaskIconID()); }
  std::string ShownSource() { return env.backend.IconSource(Shown()->icon); }
  int Count(Op op) {
    int n = 0;
    for (const auto& r : env.notifyArea.Requests()) n += r.op == op;
    return n;
  }
  void Send(std::uint32_t mouse) { tray.Window().Deliver(kCallback, static_cast<std::uint32_t>(tray.TaskIconID()), mouse); }
};

TEST_F(TaskIconTest, ActivatingAddsTheIconOnceWithTheShellsRecord) {
  tray.SetIcon(ui::TIcon::FromFile("play.ico"));
  tray.SetTaskIconID(3);
  tray.SetActive(true);
  tray.SetActive(true);
  EXPECT_TRUE(tray.Active());
  EXPECT_EQ(Count(Op::Add), 1);
  ASSERT_NE(Shown(), nullptr);
  const os::NotifyIconRecord& r = *Shown();
  EXPECT_EQ(r.size, 88u);
  EXPECT_EQ(r.window, tray.Window().Handle());
  EXPECT_EQ(r.id, 3u);
  EXPECT_EQ(r.flags, 7u);
  EXPECT_EQ(r.callbackMessage, 0x40Au);
  EXPECT_EQ(ShownSource(), "file:play.ico");
  tray.SetActive(false);
  EXPECT_FALSE(tray.Active());
  EXPECT_EQ(env.notifyArea.ShownCount(), 0u);
}

TEST_F(TaskIconTest, TheTipCarriesTheHintCutTo63OnlyWithShowHint) {
  const std::string long70(70, 'x');
  struct Case {
    std::string hint;
    bool showHint;
    std::string tip, stored;
  } cases[] = {{"Song.mid - 3:07", true, "Song.mid - 3:07", "Song.mid - 3:07"},
               {std::string(64, 'a'), true, std::string(63, 'a'), std::string(64, 'a')},
               {long70, true, std::string(63, 'x'), std::string(64, 'x')},
               {"Song.mid", false, "", "Song.mid"}};
  tray.SetActive(true);
  for (const Case& c : cases) {
    tray.SetShowHint(c.showHint);
    tray.SetHint(c.hint);
    EXPECT_EQ(tray.Hint(), c.stored);
    EXPECT_EQ(std::string(Shown()->tip), c.tip) << c.hint << " " << c.showHint;
    EXPECT_EQ(Shown()->tip[63], '\0');
  }
  tray.SetHint(long70);
  const int modifies = Count(Op::Modify);
  tray.SetHint(std::string(64, 'x') + "yz");
  EXPECT_EQ(Count(Op::Modify), modifies) << "a hint equal after the cut changes nothing";
}

TEST_F(TaskIconTest, TheIconShownFollowsTheState) {
  tray.SetIcon(ui::TIcon::FromFile("on.ico"));
  tray.SetDisabledIcon(ui::TIcon::FromFile("off.ico"));
  tray.SetIconList({"frame1.ico"});
  tray.SetActive(true);
  EXPECT_EQ(ShownSource(), "file:on.ico");
  tray.SetState(TStateTaskIcon::tiDisabled);
  EXPECT_EQ(ShownSource(), "file:off.ico");
  tray.SetIcon(ui::TIcon::FromFile("other.ico"));
  EXPECT_EQ(ShownSource(), "file:off.ico") << "the enabled icon is not the one shown";
  tray.SetState(TStateTaskIcon::tiAnimated);
  EXPECT_EQ(ShownSource(), "file:FRAME1.ICO");
  tray.SetState(TStateTaskIcon::tiEnabled);
  EXPECT_EQ(ShownSource(), "file:other.ico");
}

TEST_F(TaskIconTest, ARefusingShellKeepsActiveAsItWas) {
  env.notifyArea.RefuseAll = true;
  tray.SetActive(true);
  EXPECT_FALSE(tray.Active());
  env.notifyArea.RefuseAll = false;
  tray.SetActive(true);
  ASSERT_TRUE(tray.Active());
  env.notifyArea.RefuseAll = true;
  tray.SetActive(false);
  EXPECT_TRUE(tray.Active());
  env.notifyArea.RefuseAll = false;
  tray.SetActive(false);
  EXPECT_FALSE(tray.Active());
  EXPECT_EQ(Count(Op::Add), 2);
  EXPECT_EQ(Count(Op::Delete), 2);
}

TEST_F(TaskIconTest, ARightClickOpensTheMenuOnlyWhenSomeoneListensForIt) {
  ui::TPopupMenu menu{nullptr};
  tray.PopupMenu = &menu;
  env.backend.cursorPos = {900, 740};
  tray.SetActive(true);
  Send(kRightUp);
  EXPECT_FALSE(menu.HasPoppedUp());
  EXPECT_EQ(env.backend.broughtToFront, 0);

  std::vector<std::string> order;
  menu.OnPopup = [&](ui::TObject*) {
    order.push_back("popup, brought to front " + std::to_string(env.backend.broughtToFront));
  };
  env.loop.Post([&] { order.push_back("pending message"); });
  tray.OnRightClick = [&](ui::TObject* sender, ui::TMouseButton button, ui::TShiftState shift, int x, int y) {
    EXPECT_EQ(sender, &tray);
    EXPECT_EQ(button, ui::TMouseButton::mbRight);
    EXPECT_EQ(shift, 0u);
    order.push_back("right click at " + std::to_string(x) + "," + std::to_string(y));
  };
  Send(kRightUp);
  EXPECT_EQ(menu.PopupCount(), 1);
  EXPECT_EQ(menu.LastPopupPos(), (ui::TPoint{900, 740}));
  EXPECT_EQ(order, (std::vector<std::string>{"pending message", "popup, brought to front 1",
                                             "right click at 900,740"}));

  tray.PopupMenu = nullptr;
  order.clear();
  Send(kRightUp);
  EXPECT_EQ(order, (std::vector<std::string>{"right click at 900,740"}));
}

TEST_F(TaskIconTest, ADoubleClickArrivesAsClickDoubleClickClickAndOtherNotificationsAreIgnored) {
  tray.SetTaskIconID(5);
  tray.SetActive(true);
  tray.OnClick = [&](ui::TObject* sender) {
    EXPECT_EQ(sender, &tray);
    events.push_back("click");
  };
  tray.OnDblClick = [&](ui::TObject*) { events.push_back("dblclick"); };
  for (const std::uint32_t mouse : {kLeftUp, kLeftDblClk, kLeftUp, kMouseMove, 0x201u, 0x204u}) Send(mouse);
  tray.Window().Deliver(kCallback, 6, kLeftUp);
  tray.Window().Deliver(kCallback + 1, 5, kLeftUp);
  EXPECT_EQ(events, (std::vector<std::string>{"click", "dblclick", "click"}));
}

TEST_F(TaskIconTest, AnAnimationOfOneFrameReshowsItAtEveryTickAndReportsEachStep) {
  tray.WhereIcons = TWhereTaskIcon::tiInExe;
  tray.SetIconList({"Tunora_Anim"});
  tray.SetInterval(250);
  tray.SetState(TStateTaskIcon::tiAnimated);
  int animated = 0;
  tray.OnAnimate = [&](ui::TObject*) { ++animated; };
  env.loop.Advance(1000);
  EXPECT_EQ(animated, 0) << "no frames while the icon is not shown";
  tray.SetActive(true);
  EXPECT_EQ(ShownSource(), "resource:TUNORA_ANIM");
  const int modifies = Count(Op::Modify);
  env.loop.Advance(749);
  EXPECT_EQ(animated, 2);
  env.loop.Advance(1);
  EXPECT_EQ(animated, 3);
  EXPECT_EQ(Count(Op::Modify), modifies + 3);
  EXPECT_EQ(ShownSource(), "resource:TUNORA_ANIM");
  tray.SetState(TStateTaskIcon::tiEnabled);
  env.loop.Advance(1000);
  EXPECT_EQ(animated, 3) << "the frames stop with the animated state";
}

TEST_F(TaskIconTest, FramesFollowTheListInOrderAndWrap) {
  tray.SetIconList({"a.ico", "b.ico", "c.ico"});
  tray.SetInterval(100);
  tray.SetState(TStateTaskIcon::tiAnimated);
  tray.SetActive(true);
  std::vector<std::string> frames{ShownSource()};
  tray.OnAnimate = [&](ui::TObject*) { frames.push_back(ShownSource()); };
  env.loop.Advance(400);
  EXPECT_EQ(frames, (std::vector<std::string>{"file:A.ICO", "file:B.ICO", "file:C.ICO", "file:A.ICO",
                                              "file:B.ICO"}));
}

TEST_F(TaskIconTest, AFrameThatCannotBeLoadedRaisesTheLibrarysError) {
  env.backend.MissingIcons = {"MISSING.ICO"};
  tray.SetIconList({"missing.ico"});
  EXPECT_THROW(tray.SetState(TStateTaskIcon::tiAnimated), ui::Exception);
}

TEST_F(TaskIconTest, FrameNamesAreCutTo49Characters) {
  const std::string name(60, 'n');
  tray.SetIconList({name});
  tray.SetState(TStateTaskIcon::tiAnimated);
  tray.SetActive(true);
  EXPECT_EQ(ShownSource(), "file:" + std::string(49, 'N'));
}

TEST_F(TaskIconTest, TheIconGoesWithTheComponentAndComesBackAfterTheShellRestarts) {
  {
    TTaskIcon other{nullptr};
    other.SetActive(true);
    tray.SetActive(true);
    EXPECT_EQ(env.notifyArea.ShownCount(), 2u);
  }
  EXPECT_EQ(env.notifyArea.ShownCount(), 1u);
  ASSERT_NE(Shown(), nullptr);
  env.notifyArea.Delete(*Shown());
  tray.Window().Deliver(ui::kShellRestartedMessage, 0, 0);
  EXPECT_NE(Shown(), nullptr);
  EXPECT_TRUE(tray.Active());
}

}  // namespace
