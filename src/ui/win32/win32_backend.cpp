#include "ui/win32/win32_backend.h"

#include "ui/forms.h"
#include "ui/menus.h"
#include "ui/win32/win32_canvas.h"
#include "ui/win32/win32_constants.h"
#include "ui/win32/win32_form.h"
#include "ui/win32/win32_menus.h"
#include "ui/win32/win32_message_window.h"
#include "ui/win32/win32_peers.h"
#include "ui/win32/win32_pictures.h"

namespace ui {

namespace win32 {
namespace {

FormPeer* MainFormPeer() {
  if (!HasApplication() || !Application().MainForm()) return nullptr;
  return dynamic_cast<FormPeer*>(Application().MainForm()->GetPeer());
}

}  // namespace
}  // namespace win32

using namespace win32;

Win32Backend::Win32Backend(os::Win32MessageLoop& loop) : loop_(loop) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&controls);
  hiddenOwner_ = MakeMessageWindow(loop_, [](unsigned, std::uint32_t, std::uint32_t) {});
  loop_.SetMessageFilter([this](MSG& msg) { return HandleShortCut(msg) || HandleDialogMessage(msg); });
}

Win32Backend::~Win32Backend() {
  loop_.SetMessageFilter({});
}

std::unique_ptr<Peer> Win32Backend::CreatePeer(TForm& form) { return std::make_unique<FormPeer>(*this, form); }
std::unique_ptr<Peer> Win32Backend::CreatePeer(TPanel& panel) { return MakePanelPeer(*this, panel); }
std::unique_ptr<Peer> Win32Backend::CreatePeer(TLabel& label) { return MakeLabelPeer(*this, label); }
std::unique_ptr<Peer> Win32Backend::CreatePeer(TBevel& bevel) { return MakeBevelPeer(bevel); }
std::unique_ptr<Peer> Win32Backend::CreatePeer(TSpeedButton& button) { return MakeSpeedButtonPeer(*this, button); }
std::unique_ptr<Peer> Win32Backend::CreatePeer(TListBox& list) { return MakeListBoxPeer(*this, list); }
std::unique_ptr<Peer> Win32Backend::CreatePeer(TTrackBar& trackBar) { return MakeTrackBarPeer(*this, trackBar); }
std::unique_ptr<Peer> Win32Backend::CreatePeer(TCustomControl& control) {
  return MakeCustomControlPeer(*this, control);
}

std::unique_ptr<Peer> Win32Backend::CreatePeer(TButton& button) { return MakeButtonPeer(*this, button); }
std::unique_ptr<Peer> Win32Backend::CreatePeer(TCheckBox& box) { return MakeCheckBoxPeer(*this, box); }
std::unique_ptr<Peer> Win32Backend::CreatePeer(TRadioButton& radio) { return MakeRadioButtonPeer(*this, radio); }
std::unique_ptr<Peer> Win32Backend::CreatePeer(TGroupBox& group) { return MakeGroupBoxPeer(*this, group); }
std::unique_ptr<Peer> Win32Backend::CreatePeer(TEdit& edit) { return MakeEditPeer(*this, edit); }
std::unique_ptr<Peer> Win32Backend::CreatePeer(TUpDown& upDown) { return MakeUpDownPeer(*this, upDown); }

std::unique_ptr<MenuPeer> Win32Backend::CreateMenuPeer(TMenu& menu) {
  return std::make_unique<Win32MenuPeer>(*this, menu);
}

std::unique_ptr<MessageWindowPeer> Win32Backend::CreateMessageWindow(MessageHandler handler) {
  return MakeMessageWindow(loop_, std::move(handler));
}

std::unique_ptr<TCanvas> Win32Backend::CreateCanvas(TControl& control) {
  return std::make_unique<Win32Canvas>(control, fonts_);
}

bool Win32Backend::HandleShortCut(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  const auto key = static_cast<unsigned>(msg.wParam);
  if (key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || key > 0xFF) return false;
  auto* form = dynamic_cast<FormPeer*>(WindowPeer::FromWindow(GetAncestor(msg.hwnd, GA_ROOT)));
  if (!form) return false;
  TShortCut shortCut = static_cast<TShortCut>(key);
  if (GetKeyState(VK_CONTROL) < 0) shortCut |= scCtrl;
  if (GetKeyState(VK_SHIFT) < 0) shortCut |= scShift;
  if (GetKeyState(VK_MENU) < 0) shortCut |= scAlt;
  // The main menu first, then the form's popup menus: short-cuts work with the menu bar hidden.
  TMenuItem* item = form->Form().Menu() ? form->Form().Menu()->FindShortCut(shortCut) : nullptr;
  for (TComponent* component : form->Form().Components()) {
    if (item) break;
    if (auto* popup = dynamic_cast<TPopupMenu*>(component)) item = popup->FindShortCut(shortCut);
  }
  if (!item) return false;
  item->Click();  // in the loop's Guard, as every message filter
  return true;
}

UINT Win32Backend::NextControlId(HWND parent) {
  UINT id;
  do {
    id = nextControlId_;
    nextControlId_ = nextControlId_ == 0xFFFF ? kFirstControlId : nextControlId_ + 1;
  } while (GetDlgItem(parent, static_cast<int>(id)));
  return id;
}

std::uintptr_t Win32Backend::LoadIconFile(const std::string& fileName) {
  return reinterpret_cast<std::uintptr_t>(
      LoadImageA(nullptr, fileName.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE));
}

std::uintptr_t Win32Backend::LoadIconResource(const std::string& name) {
  // Not shared: each handle is the caller's, to destroy.
  return reinterpret_cast<std::uintptr_t>(
      LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
}

std::uintptr_t Win32Backend::CreateIconFromPicture(const std::string& picture) {
  return reinterpret_cast<std::uintptr_t>(IconFromPicture(picture));
}

std::uintptr_t Win32Backend::LoadApplicationIcon() {
  if (const std::uintptr_t own = LoadIconResource("MAINICON")) return own;
  // A copy, so that the caller may destroy it as any other icon.
  return reinterpret_cast<std::uintptr_t>(CopyIcon(LoadIconA(nullptr, IDI_APPLICATION)));
}

void Win32Backend::DestroyIcon(std::uintptr_t icon) {
  if (icon) ::DestroyIcon(reinterpret_cast<HICON>(icon));
}

HWND Win32Backend::OwnerWindow() const {
  if (HWND active = GetActiveWindow()) return active;
  if (FormPeer* main = MainFormPeer(); main && IsWindowVisible(main->Window())) return main->Window();
  return reinterpret_cast<HWND>(hiddenOwner_->Handle());
}

int Win32Backend::ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  HWND owner = GetActiveWindow();
  if (FormPeer* main = MainFormPeer(); !owner && main && IsWindowVisible(main->Window())) owner = main->Window();
  // Without a window of the program on screen, the box holds up the whole program and comes to the front.
  if (!owner) flags |= MB_TASKMODAL | MB_SETFOREGROUND;
  return MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

HCURSOR Win32Backend::CursorHandle(TCursor cursor) { return cursors_.Handle(cursor); }

void Win32Backend::SetCursor(TCursor cursor) {
  cursor_ = cursor;
  ::SetCursor(CursorHandle(cursor));
}

TPoint Win32Backend::CursorPos() {
  POINT at{};
  GetCursorPos(&at);
  return TPoint{at.x, at.y};
}

TSize Win32Backend::ScreenSize() { return TSize{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }
int Win32Backend::ScrollBarWidth() { return GetSystemMetrics(SM_CXVSCROLL); }
int Win32Backend::ScrollBarHeight() { return GetSystemMetrics(SM_CYHSCROLL); }

void Win32Backend::ShowApplicationWindow(bool show) {
  applicationShown_ = show;
  FormPeer* main = MainFormPeer();
  if (!main || !main->Window()) return;
  if (show && IsIconic(main->Window())) ShowWindow(main->Window(), SW_RESTORE);
  main->Changed(Change::Visible, -1);
}

void Win32Backend::BringApplicationToFront() {
  HWND window = GetActiveWindow();
  if (FormPeer* main = MainFormPeer(); !window && main) window = main->Window();
  if (window) SetForegroundWindow(window);
}

}  // namespace ui
