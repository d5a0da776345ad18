// The native peers of the library's controls, one family a file: panels, labels and bevels
// (win32_panels.cpp), buttons (win32_buttons.cpp), list boxes (win32_lists.cpp), combo boxes
// (win32_combo_box.cpp), the track bar (win32_track_bar.cpp), controls that paint themselves
// (win32_custom_control.cpp); forms and menus have headers of their own.
#pragma once

#include <memory>

#include "ui/stdctrls.h"
#include "ui/win32/win32_window.h"

namespace ui::win32 {

std::unique_ptr<Peer> MakePanelPeer(Win32Backend& backend, TPanel& panel);
std::unique_ptr<Peer> MakeLabelPeer(Win32Backend& backend, TLabel& label);
std::unique_ptr<Peer> MakeBevelPeer(TBevel& bevel);
std::unique_ptr<Peer> MakeSpeedButtonPeer(Win32Backend& backend, TSpeedButton& button);
std::unique_ptr<Peer> MakeListBoxPeer(Win32Backend& backend, TListBox& list);
std::unique_ptr<Peer> MakeComboBoxPeer(Win32Backend& backend, TComboBox& combo);
std::unique_ptr<Peer> MakeTrackBarPeer(Win32Backend& backend, TTrackBar& trackBar);
std::unique_ptr<Peer> MakeCustomControlPeer(Win32Backend& backend, TCustomControl& control);

}  // namespace ui::win32
