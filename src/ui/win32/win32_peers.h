// The native peers of the library's controls, one family a file: panels, labels and bevels
// (win32_panels.cpp), buttons, check boxes, radio buttons and group boxes (win32_buttons.cpp), edit
// boxes and up-down controls (win32_edits.cpp), lists (win32_lists.cpp), the track bar
// (win32_track_bar.cpp), controls that paint themselves (win32_custom_control.cpp); forms and menus
// have headers of their own.
#pragma once

#include <memory>

#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/stdctrls.h"
#include "ui/win32/win32_window.h"

namespace ui::win32 {

std::unique_ptr<Peer> MakePanelPeer(Win32Backend& backend, TPanel& panel);
std::unique_ptr<Peer> MakeLabelPeer(Win32Backend& backend, TLabel& label);
std::unique_ptr<Peer> MakeBevelPeer(TBevel& bevel);
std::unique_ptr<Peer> MakeSpeedButtonPeer(Win32Backend& backend, TSpeedButton& button);
std::unique_ptr<Peer> MakeButtonPeer(Win32Backend& backend, TButton& button);
std::unique_ptr<Peer> MakeCheckBoxPeer(Win32Backend& backend, TCheckBox& box);
std::unique_ptr<Peer> MakeRadioButtonPeer(Win32Backend& backend, TRadioButton& radio);
std::unique_ptr<Peer> MakeGroupBoxPeer(Win32Backend& backend, TGroupBox& group);
std::unique_ptr<Peer> MakeEditPeer(Win32Backend& backend, TEdit& edit);
std::unique_ptr<Peer> MakeUpDownPeer(Win32Backend& backend, TUpDown& upDown);
std::unique_ptr<Peer> MakeListBoxPeer(Win32Backend& backend, TListBox& list);
std::unique_ptr<Peer> MakeTrackBarPeer(Win32Backend& backend, TTrackBar& trackBar);
std::unique_ptr<Peer> MakeCustomControlPeer(Win32Backend& backend, TCustomControl& control);

}  // namespace ui::win32
