// Fonts of the controls under Win32: the window of each control shows the font the control names, made
// once for all the controls that name it, and auto-sized labels measure their captions with it.
#include "win32_ui_fixture.h"

#include "ui/stdctrls.h"

namespace {

using win32_checks::FontOf;
using win32_checks::H;

struct FontsCheck : win32_checks::Win32Ui {
  ui::TForm form{nullptr, "FontForm"};
  ui::TLabel plain{&form, "Plain"}, bold{&form, "Bold"}, alsoBold{&form, "AlsoBold"};

  void SetUp() override {
    for (ui::TLabel* label : {&plain, &bold, &alsoBold}) {
      label->SetParent(&form);
      label->SetCaption("MIDI Tunora");
    }
    app.CreateForm(form);
  }

  SIZE Extent(HFONT font, const char* text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size;
  }
};

TEST_F(FontsCheck, ALabelShowsTheFontItNamesMadeOnceForEveryLabelThatNamesIt) {
  const HFONT system = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(H(plain), WM_GETFONT, 0, 0)), system);

  const ui::TFont font = ui::TFont::Named("MS Sans Serif", 9, true);
  bold.SetFont(font);
  alsoBold.SetFont(font);
  const LOGFONTA shown = FontOf(H(bold));
  EXPECT_STREQ(shown.lfFaceName, "MS Sans Serif");
  EXPECT_EQ(shown.lfHeight, -12);
  EXPECT_EQ(shown.lfWeight, FW_BOLD);
  EXPECT_FALSE(shown.lfItalic);
  EXPECT_EQ(SendMessageA(H(bold), WM_GETFONT, 0, 0), SendMessageA(H(alsoBold), WM_GETFONT, 0, 0));

  // A font set before the window exists is the one it is made with.
  ui::TLabel later(&form, "Later");
  later.SetFont(ui::TFont::Named("MS Sans Serif", 8));
  later.SetParent(&form);
  EXPECT_EQ(FontOf(H(later)).lfHeight, -11);
  EXPECT_EQ(FontOf(H(later)).lfWeight, FW_NORMAL);

  ui::TFont italic = ui::TFont::Named("Arial", 24);
  italic.Italic = true;
  later.SetFont(italic);
  EXPECT_TRUE(FontOf(H(later)).lfItalic);
  EXPECT_NE(SendMessageA(H(later), WM_GETFONT, 0, 0), SendMessageA(H(plain), WM_GETFONT, 0, 0));

  // The form's font reaches the labels that follow their parent.
  form.SetFont(ui::TFont::Named("Arial", 10));
  EXPECT_STREQ(FontOf(H(plain)).lfFaceName, "Arial");
  EXPECT_EQ(FontOf(H(bold)).lfHeight, -12) << "a font of its own stays";
}

TEST_F(FontsCheck, AnAutoSizedLabelMeasuresItsCaptionInItsFont) {
  const SIZE plainSize = Extent(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), "MIDI Tunora");
  EXPECT_EQ(plain.Width(), plainSize.cx);
  EXPECT_EQ(plain.Height(), plainSize.cy);
  bold.SetFont(ui::TFont::Named("Arial", 12, true));
  const SIZE boldSize = Extent(reinterpret_cast<HFONT>(SendMessageA(H(bold), WM_GETFONT, 0, 0)), "MIDI Tunora");
  EXPECT_GT(boldSize.cx, plainSize.cx);
  EXPECT_EQ(bold.Width(), boldSize.cx);
  EXPECT_EQ(bold.Height(), boldSize.cy);
}

}  // namespace
