// What a window system gives the component library. A control's native peer mirrors each property
// change into its window and turns window messages back into the control's events; the headless
// backend gives no peers, so controls behave as plain objects.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "ui/types.h"

namespace ui {

class TCanvas;
class TControl;
class TForm;
class TPanel;
class TLabel;
class TBevel;
class TSpeedButton;
class TListBox;
class TComboBox;
class TTrackBar;
class TButton;
class TCheckBox;
class TRadioButton;
class TGroupBox;
class TEdit;
class TUpDown;
class TCustomControl;
class TMenu;
class TMenuItem;
class TIcon;

// Which property of a control changed; the peer reads the new value from the control.
enum class Change {
  Bounds, Visible, Enabled, Text, Hint, Color, FontColor,
  Font,           // the font the control shows (its own or its parent's)
  Items,          // index: the item inserted, deleted or changed; -1 for all
  ItemIndex, TopIndex, HorizontalExtent,
  ItemSelected,   // index: the item of a multi-selection list whose selected state changed
  Style,          // a list's style or multi-selection, a button's default state, an edit's read-only
                  // state and border, a label's alignment and wrapping
  Updating,       // a list enters or leaves a run of changes (Updating() says which)
  Range, Position,  // track bars and up-down controls
  Selection,      // a track bar's selection range, an edit's selected text or caret
  Checked,        // check boxes and radio buttons
  TabStop,
  Invalidate,     // repaint the whole control
  Focus,
  Cursor,         // the control's own mouse pointer
  AcceptFiles,    // whether files dragged from the shell may be dropped on it
  TopMost,        // forms
};

class Peer {
 public:
  virtual ~Peer() = default;
  virtual void Changed(Change what, int index) = 0;
  virtual std::uintptr_t Handle() const = 0;
};

class MenuPeer {
 public:
  virtual ~MenuPeer() = default;
  // An item's caption, check mark, enabled or visible state changed, or items were added.
  virtual void ItemChanged(TMenuItem& item) = 0;
  virtual void Popup(int x, int y) = 0;
};

// A hidden window that only receives messages (the tray icon's callbacks, for one).
class MessageWindowPeer {
 public:
  virtual ~MessageWindowPeer() = default;
  virtual std::uintptr_t Handle() const = 0;
};
using MessageHandler = std::function<void(unsigned message, std::uint32_t wParam, std::uint32_t lParam)>;

class Backend {
 public:
  virtual ~Backend() = default;

  // Peers. By default none: the control then behaves as a plain object, so a backend overrides only
  // the kinds it gives windows to.
  virtual std::unique_ptr<Peer> CreatePeer(TForm&) { return nullptr; }
  virtual std::unique_ptr<Peer> CreatePeer(TPanel&) { return nullptr; }
  virtual std::unique_ptr<Peer> CreatePeer(TLabel&) { return nullptr; }
  virtual std::unique_ptr<Peer> CreatePeer(TBevel&) { return nullptr; }
  virtual std::unique_ptr<Peer> CreatePeer(TSpeedButton&) { return nullptr; }
  virtual std::unique_ptr<Peer> CreatePeer(TListBox&) { return nullptr; }
  virtual std::unique_ptr<Peer> CreatePeer(TComboBox&) { return nullptr; }
  virtual std::unique_ptr<Peer> CreatePeer(TTrackBar&) { return nullptr; }
  virtual std::unique_ptr<Peer> CreatePeer(TButton&) { return nullptr; }
  virtual std::unique_ptr<Peer> CreatePeer(TCheckBox&) { return nullptr; }
  virtual std::unique_ptr<Peer> CreatePeer(TRadioButton&) { return nullptr; }
  virtual std::unique_ptr<Peer> CreatePeer(TGroupBox&) { return nullptr; }
  virtual std::unique_ptr<Peer> CreatePeer(TEdit&) { return nullptr; }
  virtual std::unique_ptr<Peer> CreatePeer(TUpDown&) { return nullptr; }
  virtual std::unique_ptr<Peer> CreatePeer(TCustomControl&) { return nullptr; }
  virtual std::unique_ptr<MenuPeer> CreateMenuPeer(TMenu&) { return nullptr; }
  virtual std::unique_ptr<MessageWindowPeer> CreateMessageWindow(MessageHandler handler) = 0;

  // The canvas a control draws on and measures text with.
  virtual std::unique_ptr<TCanvas> CreateCanvas(TControl& control) = 0;

  // Icons: from an icon file, from the program's resources, or drawn from a 32 x 32 picture whose
  // rows hold '.' for transparent and a colour letter otherwise ('k' black, 'w' white, 'g' gray,
  // 'r' red, 'l' lime, 'y' yellow, 'b' blue). Each returns 0 when the icon cannot be had.
  virtual std::uintptr_t LoadIconFile(const std::string& fileName) = 0;
  virtual std::uintptr_t LoadIconResource(const std::string& name) = 0;
  virtual std::uintptr_t CreateIconFromPicture(const std::string& picture) = 0;
  // The program's icon: its "MAINICON" resource, or where the program has none, the system's icon
  // for programs.
  virtual std::uintptr_t LoadApplicationIcon() { return LoadIconResource("MAINICON"); }
  virtual void DestroyIcon(std::uintptr_t icon) = 0;

  // The standard message box; returns the answer (mrOk, mrYes, ...).
  virtual int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
  // A modal form's run, once it shows: messages are handled (the dialog keys Tab, Enter and Esc in the
  // form) until ended() holds, which it is asked after each message. By default there is no user to
  // close the form: what its showing has not ended ends with mrCancel.
  virtual void RunModal(TForm& form, const std::function<bool()>& ended);

  virtual void SetCursor(TCursor cursor) = 0;
  virtual TPoint CursorPos() = 0;
  virtual TSize ScreenSize() = 0;
  // The width of a vertical scroll bar and the height of a horizontal one.
  virtual int ScrollBarWidth() { return 16; }
  virtual int ScrollBarHeight() { return 16; }

  // The pointer of a running drag, over every window: the source's drag pointer or crNoDrop; crDefault
  // when the drag ends and the pointers are the controls' and the screen's again. Without a pointer
  // to show, nothing.
  virtual void ShowDragCursor(TCursor cursor) {}

  // Where the form's client area starts on the screen; by default its Left and Top (no frame).
  virtual TPoint ClientOrigin(const TForm& form);
  // The enabled, showing control under a screen point, nullptr for none; by default a hit test over
  // the application's forms (top-most ones first, then the later made above the earlier).
  virtual TControl* ControlAtScreen(TPoint screen);

  // The application's top-level window: its task-bar text and whether the task-bar button shows.
  virtual void SetApplicationTitle(const std::string& title) = 0;
  virtual void ShowApplicationWindow(bool show) = 0;
  virtual void BringApplicationToFront() = 0;
};

}  // namespace ui
