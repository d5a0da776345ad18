#include <gtest/gtest.h>

#include <string>

#include "notify_area_subject.h"

// Under Wine the tray is explorer.exe's Shell_TrayWnd; it answers as Windows does, but each delete
// returns only after about two seconds.
namespace {

struct NotifyAreaContract : ::testing::Test {
  std::unique_ptr<contract::NotifyAreaSubject> subject = contract::MakeNotifyAreaSubject();
  os::NotifyArea& area = subject->Area();

  os::NotifyIconRecord Record(std::uint32_t id, const std::string& tip = "Tunora contract") {
    os::NotifyIconRecord record;
    record.window = subject->Window();
    record.id = id;
    record.icon = subject->Icon();
    tip.copy(record.tip, sizeof record.tip - 1);
    return record;
  }
};

TEST_F(NotifyAreaContract, AnIconIsKnownByItsWindowAndIdFromAddingToDeleting) {
  const os::NotifyIconRecord icon = Record(41);
  ASSERT_TRUE(area.Add(icon));
  EXPECT_FALSE(area.Add(icon)) << "adding an icon that is shown already is refused";
  os::NotifyIconRecord changed = icon;
  changed.tip[0] = 'M';
  EXPECT_TRUE(area.Modify(changed));
  EXPECT_FALSE(area.Modify(Record(42))) << "an unknown id cannot be modified";
  EXPECT_FALSE(area.Delete(Record(42))) << "an unknown id cannot be deleted";
  EXPECT_TRUE(area.Delete(icon));
  EXPECT_FALSE(area.Delete(icon)) << "a deleted icon is gone";
  EXPECT_FALSE(area.Modify(icon));
}

TEST_F(NotifyAreaContract, ATipOf63CharactersIsShownWhole) {
  const std::string tip(63, 't');
  const os::NotifyIconRecord icon = Record(43, tip);
  ASSERT_TRUE(area.Add(icon));
  if (const auto shown = subject->ShownTip(icon.window, icon.id)) EXPECT_EQ(*shown, tip);
  const os::NotifyIconRecord other = Record(43, std::string(63, 'u'));
  EXPECT_TRUE(area.Modify(other));
  if (const auto shown = subject->ShownTip(icon.window, icon.id)) EXPECT_EQ(*shown, std::string(63, 'u'));
  EXPECT_TRUE(area.Delete(icon));
}

}  // namespace
