// Files dropped from the shell under Win32: a control registers its window for them while it accepts
// them, and a drop reaches its DropFiles with every file and the drop point.
#include <cstring>
#include <string>
#include <vector>

#include <shlobj.h>

#include "ui/stdctrls.h"
#include "win32_check.h"

namespace {

using win32_check::H;

struct DropForm : ui::TForm {
  ui::TPanel panel{this, "Panel"};
  ui::TListBox list{this, "List"};
  std::vector<std::string> dropped;
  ui::TPoint at;

  DropForm() : TForm(nullptr, "DropForm") {
    SetClientWidth(300);
    SetClientHeight(200);
    panel.SetParent(this);
    panel.SetBounds(0, 0, 200, 200);
    panel.SetAcceptFiles(true);  // before its window is made
    list.SetParent(&panel);
    list.SetBounds(5, 5, 150, 150);
    list.OnDropFiles = [this](ui::TObject*, const std::vector<std::string>& files, int x, int y) {
      dropped = files;
      at = {x, y};
    };
  }
};

class DropFilesCheck : public win32_check::Win32Check {
 protected:
  DropForm form;

  void SetUp() override { app.CreateForm(form); }
};

bool AcceptsFiles(HWND window) { return GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES; }

// What the shell hands a window at a drop: the files, one after another, and the point in its client area.
HGLOBAL DropBlock(const std::vector<std::string>& files, POINT at) {
  std::string names;
  for (const std::string& file : files) names += file + '\0';
  names += '\0';
  HGLOBAL block = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size());
  auto* drop = static_cast<DROPFILES*>(GlobalLock(block));
  drop->pFiles = sizeof(DROPFILES);
  drop->pt = at;
  drop->fNC = FALSE;
  drop->fWide = FALSE;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size());
  GlobalUnlock(block);
  return block;
}

TEST_F(DropFilesCheck, AControlsWindowTakesDroppedFilesWhileTheControlAcceptsThem) {
  EXPECT_TRUE(AcceptsFiles(H(form.panel)));
  EXPECT_FALSE(AcceptsFiles(H(form.list)));
  form.list.SetAcceptFiles(true);
  EXPECT_TRUE(AcceptsFiles(H(form.list)));
  form.panel.SetAcceptFiles(false);
  EXPECT_FALSE(AcceptsFiles(H(form.panel)));
}

TEST_F(DropFilesCheck, ADropGivesTheControlEveryFileAndThePointItWasDroppedAt) {
  form.list.SetAcceptFiles(true);
  const std::string longName = "C:\\" + std::string(250, 'x') + "\\" + std::string(100, 'y') + ".mid";
  const std::vector<std::string> files{"C:\\Music\\a.mid", "D:\\b c.wav", longName};
  HGLOBAL block = DropBlock(files, POINT{12, 34});
  PostMessageA(H(form.list), WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0);
  loop.ProcessPending();
  EXPECT_EQ(form.dropped, files);
  EXPECT_EQ(form.at, (ui::TPoint{12, 34}));
  EXPECT_EQ(GlobalSize(block), 0u) << "the drop is given back to the system";

  // A control that no longer accepts files ignores a drop already on its way.
  form.dropped.clear();
  form.list.SetAcceptFiles(false);
  PostMessageA(H(form.list), WM_DROPFILES, reinterpret_cast<WPARAM>(DropBlock(files, POINT{1, 1})), 0);
  loop.ProcessPending();
  EXPECT_TRUE(form.dropped.empty());
}

}  // namespace
