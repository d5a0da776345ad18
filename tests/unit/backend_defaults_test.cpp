// A backend gives windows only to the kinds of control it overrides a factory for; the others stay
// plain objects.
#include <gtest/gtest.h>

#include <vector>

#include "os/fake/fake_message_loop.h"
#include "support/fake_services.h"
#include "ui/forms.h"
#include "ui/headless/raster_canvas.h"
#include "ui/stdctrls.h"

namespace {

class RecordingPeer final : public ui::Peer {
 public:
  explicit RecordingPeer(std::vector<ui::Change>& changes) : changes_(changes) {}
  void Changed(ui::Change what, int) override { changes_.push_back(what); }
  std::uintptr_t Handle() const override { return ui::mrOk; }

 private:
  std::vector<ui::Change>& changes_;
};

// Only list boxes get a peer; every other factory is the library's default.
class ListBoxOnlyBackend final : public ui::Backend {
 public:
  std::vector<ui::Change> changes;
  std::unique_ptr<ui::Peer> CreatePeer(ui::TListBox&) override { return std::make_unique<RecordingPeer>(changes); }

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

}  // namespace
