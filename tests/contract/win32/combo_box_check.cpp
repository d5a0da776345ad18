// The combo box peer under Win32: a drop-down list whose items and selection follow the control, whose
// user's choice comes back as the control's change, owner-drawn items and face, and the opened list
// DropDownCount items high.
#include <string>
#include <vector>

#include "ui/canvas.h"
#include "ui/stdctrls.h"
#include "win32_check.h"

namespace {

using win32_check::H;

struct ComboForm : ui::TForm {
  ui::TComboBox combo{this, "Combo"};
  std::vector<int> changes;  // the item shown at each change

  ComboForm() : TForm(nullptr, "ComboForm") {
    SetClientWidth(300);
    SetClientHeight(200);
    combo.SetParent(this);
    combo.SetBounds(10, 10, 150, 22);
    combo.OnChange = [this](ui::TObject*) { changes.push_back(combo.ItemIndex()); };
  }

  void AddItems(int count) {
    for (int i = 0; i < count; ++i) combo.Add("choice " + std::to_string(i));
  }
};

class ComboBoxCheck : public win32_check::Win32Check {
 protected:
  ComboForm form;

  void SetUp() override { app.CreateForm(form); }

  HWND Combo() const { return H(form.combo); }

  std::vector<std::string> WindowItems() const {
    std::vector<std::string> items;
    const int count = static_cast<int>(SendMessageA(Combo(), CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      char text[64] = {};
      SendMessageA(Combo(), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
      items.push_back(text);
    }
    return items;
  }
};

TEST_F(ComboBoxCheck, ADropDownListShowsTheControlsItemsAndReportsTheUsersChoice) {
  EXPECT_EQ(GetWindowLongA(Combo(), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
  form.AddItems(3);
  form.combo.SetItemIndex(1);
  form.combo.Insert(0, "first");
  EXPECT_EQ(WindowItems(), form.combo.Items());
  EXPECT_EQ(SendMessageA(Combo(), CB_GETCURSEL, 0, 0), 2) << "the shown item follows its item";
  form.combo.Delete(0);
  EXPECT_EQ(WindowItems(), form.combo.Items());
  EXPECT_EQ(SendMessageA(Combo(), CB_GETCURSEL, 0, 0), 1);
  EXPECT_TRUE(form.changes.empty()) << "the program's changes are silent";

  // The down key in the closed box picks the next item.
  SendMessageA(Combo(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(SendMessageA(Combo(), CB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(form.combo.ItemIndex(), 2);
  EXPECT_EQ(form.changes, std::vector<int>{2});

  form.combo.Clear();
  EXPECT_EQ(SendMessageA(Combo(), CB_GETCOUNT, 0, 0), 0);
}

TEST_F(ComboBoxCheck, AnOwnerDrawnBoxMeasuresAndDrawsItsItemsAndItsFace) {
  form.combo.ItemHeight = 18;
  form.combo.SetStyle(ui::TComboBoxStyle::csOwnerDrawFixed);
  const LONG style = GetWindowLongA(Combo(), GWL_STYLE);
  EXPECT_TRUE(style & CBS_OWNERDRAWFIXED);
  EXPECT_TRUE(style & CBS_HASSTRINGS);
  EXPECT_EQ(SendMessageA(Combo(), CB_GETITEMHEIGHT, 0, 0), 18) << "asked through WM_MEASUREITEM";

  struct Drawn {
    int index;
    ui::TOwnerDrawState state;
  };
  std::vector<Drawn> drawn;
  form.combo.OnDrawItem = [&](ui::TObject*, int index, ui::TRect rect, ui::TOwnerDrawState state) {
    drawn.push_back({index, state});
    form.combo.Canvas().FillRect(rect, ui::clLime);
  };
  form.AddItems(4);
  form.combo.SetItemIndex(2);
  form.SetVisible(true);
  loop.ProcessPending();
  InvalidateRect(Combo(), nullptr, TRUE);
  UpdateWindow(Combo());
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.back().index, 2);
  EXPECT_TRUE(drawn.back().state & ui::odComboBoxEdit) << "the closed box's face";
  HDC dc = GetDC(Combo());
  EXPECT_EQ(GetPixel(dc, 8, 8), RGB(0, 255, 0));
  ReleaseDC(Combo(), dc);
}

TEST_F(ComboBoxCheck, TheOpenedListIsDropDownCountItemsHigh) {
  form.AddItems(20);
  form.combo.DropDownCount = 5;
  form.combo.SetBounds(10, 10, 150, 22);
  form.combo.SetWidth(160);  // the bounds applied again, with the count now set
  form.SetVisible(true);
  loop.ProcessPending();
  SendMessageA(Combo(), CB_SHOWDROPDOWN, TRUE, 0);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(Combo(), &info));
  RECT list;
  GetWindowRect(info.hwndList, &list);
  const int itemHeight = static_cast<int>(SendMessageA(Combo(), CB_GETITEMHEIGHT, 0, 0));
  EXPECT_EQ(list.bottom - list.top, 5 * itemHeight + 2);
  SendMessageA(Combo(), CB_SHOWDROPDOWN, FALSE, 0);
}

}  // namespace
