// The test display has no window manager. Wine leaves the caption bars of its managed windows to one,
// and on hiding such a window waits up to 2 s for it to answer. For as long as an object of this class
// lives, the player's windows are unmanaged: Wine draws their captions with the close box itself, and a
// closing message box or dialog costs no wait.
#pragma once

#include "saved_key.h"

namespace e2e {

class UnmanagedPlayerWindows {
 public:
  UnmanagedPlayerWindows() { WriteText(HKEY_CURRENT_USER, kKey, "Managed", "N"); }

 private:
  // Read by Wine's X11 driver when the program starts.
  static constexpr char kKey[] = "Software\\Wine\\AppDefaults\\MIDI_Tunora.exe\\X11 Driver";
  SavedKey saved_{HKEY_CURRENT_USER, kKey};
};

}  // namespace e2e
