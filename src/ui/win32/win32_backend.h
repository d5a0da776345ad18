// The component library on Win32: a native window behind each control, menus as HMENU trees, the
// canvas on device contexts, icons, message boxes and the cursor. Menu short-cuts are looked up in the
// message loop, so they work whatever control has the focus and whether or not the menu bar shows.
#pragma once

#include <vector>

#include "ui/backend.h"
#include "ui/win32/windows_api.h"

#include "os/win32/win32_message_loop.h"
#include "ui/win32/win32_cursors.h"
#include "ui/win32/win32_fonts.h"

namespace ui {

class Win32Backend final : public Backend {
 public:
  // Takes the loop's short-cut keys; one per program.
  explicit Win32Backend(os::Win32MessageLoop& loop);
  ~Win32Backend() override;
  Win32Backend(const Win32Backend&) = delete;
  Win32Backend& operator=(const Win32Backend&) = delete;

  std::unique_ptr<Peer> CreatePeer(TForm&) override;
  std::unique_ptr<Peer> CreatePeer(TPanel&) override;
  std::unique_ptr<Peer> CreatePeer(TLabel&) override;
  std::unique_ptr<Peer> CreatePeer(TBevel&) override;
  std::unique_ptr<Peer> CreatePeer(TSpeedButton&) override;
  std::unique_ptr<Peer> CreatePeer(TListBox&) override;
  std::unique_ptr<Peer> CreatePeer(TTrackBar&) override;
  std::unique_ptr<Peer> CreatePeer(TCustomControl&) override;
  std::unique_ptr<Peer> CreatePeer(TButton&) override;
  std::unique_ptr<Peer> CreatePeer(TCheckBox&) override;
  std::unique_ptr<Peer> CreatePeer(TRadioButton&) override;
  std::unique_ptr<Peer> CreatePeer(TGroupBox&) override;
  std::unique_ptr<Peer> CreatePeer(TEdit&) override;
  std::unique_ptr<Peer> CreatePeer(TUpDown&) override;
  std::unique_ptr<MenuPeer> CreateMenuPeer(TMenu&) override;
  std::unique_ptr<MessageWindowPeer> CreateMessageWindow(MessageHandler handler) override;
  std::unique_ptr<TCanvas> CreateCanvas(TControl& control) override;

  std::uintptr_t LoadIconFile(const std::string& fileName) override;
  std::uintptr_t LoadIconResource(const std::string& name) override;
  std::uintptr_t CreateIconFromPicture(const std::string& picture) override;
  std::uintptr_t LoadApplicationIcon() override;
  void DestroyIcon(std::uintptr_t icon) override;

  int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
  // The loop's own nested run, in which the innermost modal form's dialog keys go through
  // IsDialogMessage (win32_modal.cpp).
  void RunModal(TForm& form, const std::function<bool()>& ended) override;
  void SetCursor(TCursor cursor) override;
  TPoint CursorPos() override;
  TSize ScreenSize() override;
  int ScrollBarWidth() override;
  int ScrollBarHeight() override;

  // There is no window besides the main form: it carries the task-bar button, which shows while both
  // the form is visible and the application window is not hidden.
  void SetApplicationTitle(const std::string& title) override { title_ = title; }
  void ShowApplicationWindow(bool show) override;
  void BringApplicationToFront() override;

  os::Win32MessageLoop& Loop() const { return loop_; }
  TCursor ScreenCursor() const { return cursor_; }
  HCURSOR CursorHandle(TCursor cursor);
  win32::Fonts& Fonts() { return fonts_; }
  bool ApplicationWindowShown() const { return applicationShown_; }
  // The window a popup menu or message box belongs to: the active window, else the main form when it
  // shows, else a hidden window of the backend's (a tray icon's menu while the form is hidden).
  HWND OwnerWindow() const;
  // A control ID that no other child of the parent has, for messages that name a control by its ID.
  UINT NextControlId(HWND parent);

 private:
  bool HandleShortCut(const MSG& msg);
  bool HandleDialogMessage(MSG& msg);
  // The forms running modally, innermost last.
  std::vector<TForm*> modalForms_;
  os::Win32MessageLoop& loop_;
  std::string title_;
  bool applicationShown_ = true;
  TCursor cursor_ = TCursor::crDefault;
  win32::Cursors cursors_;
  win32::Fonts fonts_;
  std::unique_ptr<MessageWindowPeer> hiddenOwner_;
  // Above the dialog answers' IDs (IDOK...), which dialog boxes send as commands.
  static constexpr UINT kFirstControlId = 0x1000;
  UINT nextControlId_ = kFirstControlId;
};

}  // namespace ui
