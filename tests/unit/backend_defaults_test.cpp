// A backend gives windows only to the kinds of control it overrides a factory for; the others stay
// plain objects.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "os/fake/fake_message_loop.h"
#include "support/fake_services.h"
#include "ui/forms.h"
#include "ui/headless/raster_canvas.h"
#include "ui/stdctrls.h"

namespace {

class RecordingPeer final : public ui::Peer {
 public:
  RecordingPeer(std::vector<ui::Change>& changes, std::optional<ui::TRect> clientArea)
      : changes_(changes), clientArea_(clientArea) {}
  void Changed(ui::Change what, int) override { changes_.push_back(what); }
  std::uintptr_t Handle() const override { return ui::mrOk; }
  std::optional<ui::TRect> ClientArea() const override { return clientArea_; }

 private:
  std::vector<ui::Change>& changes_;
  std::optional<ui::TRect> clientArea_;
};

// Only list boxes get a peer; every other factory is the library's default.
class ListBoxOnlyBackend final : public ui::Backend {
 public:
  std::vector<ui::Change> changes;
  // The client area the list's window leaves inside its bounds; by default all of them.
  std::optional<ui::TRect> clientArea;
  std::unique_ptr<ui::Peer> CreatePeer(ui::TListBox&) override {
    return std::make_unique<RecordingPeer>(changes, clientArea);
  }

  std::unique_ptr<ui::MessageWindowPeer> CreateMessageWindow(ui::MessageHandler) override { return nullptr; }
  std::unique_ptr<ui::TCanvas> CreateCanvas(ui::TControl& control) override {
    return std::make_unique<ui::RasterCanvas>(control);
  }
  std::uintptr_t LoadIconFile(const std::string&) override { return 0; }
  std::uintptr_t LoadIconResource(const std::string&) override { return 0; }
  std::uintptr_t CreateIconFromPicture(const std::string&) override { return 0; }
  void DestroyIcon(std::uintptr_t) override {}
  int ShowMessageBox(const std::string&, const std::string&, unsigned) override { return ui::mrOk; }
  void SetCursor(ui::TCursor) override {}
  ui::TPoint CursorPos() override { return {}; }
  ui::TSize ScreenSize() override { return {640, 480}; }
  void SetApplicationTitle(const std::string&) override {}
  void ShowApplicationWindow(bool) override {}
  void BringApplicationToFront() override {}
};

TEST(BackendDefaults, OnlyTheOverriddenKindsOfControlGetAPeer) {
  os::FakeMessageLoop loop;
  testing_support::FakeServices fakes{loop};
  ListBoxOnlyBackend backend;
  ui::TApplication app{backend, fakes.services};

  ui::TForm form(nullptr);
  ui::TPanel panel(nullptr);
  ui::TComboBox combo(nullptr);
  ui::TListBox list(nullptr);
  for (ui::TControl* control : std::initializer_list<ui::TControl*>{&form, &panel, &combo, &list})
    control->CreateHandle();

  EXPECT_EQ(form.GetPeer(), nullptr);
  EXPECT_EQ(panel.GetPeer(), nullptr);
  EXPECT_EQ(combo.GetPeer(), nullptr);
  ASSERT_NE(list.GetPeer(), nullptr);
  list.Add("a");
  EXPECT_EQ(backend.changes, std::vector<ui::Change>{ui::Change::Items});
}

TEST(BackendDefaults, AWindowsFrameAndScrollBarLeaveTheControlItsClientArea) {
  os::FakeMessageLoop loop;
  testing_support::FakeServices fakes{loop};
  ListBoxOnlyBackend backend;
  backend.clientArea = ui::TRect{2, 2, 82, 78};  // a 2-pixel frame and a 16-pixel scroll bar
  ui::TApplication app{backend, fakes.services};
  ui::TForm form(nullptr);
  form.SetBounds(100, 50, 0, 0);
  form.SetClientWidth(300);
  form.SetClientHeight(200);
  form.SetVisible(true);
  ui::TListBox list(nullptr);
  list.SetParent(&form);
  list.SetBounds(10, 20, 100, 80);
  list.CreateHandle();
  for (int i = 0; i < 10; ++i) list.Add("item");

  EXPECT_EQ(list.ClientWidth(), 80);
  EXPECT_EQ(list.ClientHeight(), 76);
  EXPECT_EQ(list.ClientToScreen({0, 0}), (ui::TPoint{112, 72}));
  EXPECT_EQ(list.ScreenToClient({112, 85}), (ui::TPoint{0, 13}));
  EXPECT_EQ(list.ItemRect(1), (ui::TRect{0, 13, 80, 26}));
  EXPECT_EQ(list.ItemAtPos({79, 13}, true), 1);
  EXPECT_EQ(list.ItemAtPos({80, 13}, true), -1) << "over the scroll bar";
  EXPECT_EQ(form.ControlAtPos({11, 21}, false), &list) << "the frame is the list's";
}

}  // namespace
