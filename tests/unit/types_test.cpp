// The library's constants come after the platform's header in many files: the platform's macros are
// defined here first, as <windows.h> defines them, and the library's header must still compile.
#define MB_OK 0x00000000L
#define MB_YESNO 0x00000004L
#define MB_TOPMOST 0x00040000L
#define IDOK 1
#define IDCANCEL 2
#define VK_RETURN 0x0D
#define VK_DELETE 0x2E

#include "ui/types.h"

#include <gtest/gtest.h>

namespace {

TEST(Types, ConstantsKeepThePlatformsNumbersUnderTheLibrarysNames) {
  static_assert(ui::mbOK == MB_OK && ui::mbYesNo == MB_YESNO && ui::mbTopMost == MB_TOPMOST);
  static_assert(ui::mrOk == IDOK && ui::mrCancel == IDCANCEL);
  static_assert(ui::vkReturn == VK_RETURN && ui::vkDelete == VK_DELETE);
}

TEST(Types, ShortCutTextNamesTheModifiersThenTheKey) {
  struct Case {
    ui::TShortCut shortCut;
    const char* text;
  } cases[] = {
      {0, ""},
      {ui::Ctrl('M'), "Ctrl+M"},
      {ui::vkF1, "F1"},
      {static_cast<ui::TShortCut>(ui::scShift | ui::vkF12), "Shift+F12"},
      {ui::vkDelete, "Del"},
      {static_cast<ui::TShortCut>(ui::scCtrl | ui::scAlt | ui::vkInsert), "Ctrl+Alt+Ins"},
  };
  for (const auto& c : cases) EXPECT_EQ(ui::ShortCutToText(c.shortCut), c.text) << c.shortCut;
}

}  // namespace
