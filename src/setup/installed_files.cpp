#include "setup/installed_files.h"

namespace setup {

const std::vector<InstalledFile> kInstalledFiles = {
    {kPlayerFile, false},
    {kHelpFile, false},
    {kReadMeFile, false},
    {"File_id.diz", false},
    {"Quiet_Tidewater.mid", false},
    {"The Lamplighter and The Clock.mid", false},
    {"Gm_reset.mid", true},
    {"Gs_reset.mid", true},
    {"Xg_reset.mid", true},
};

const std::vector<std::string> kRemovedFiles = {
    "\\MIDI_Tunora.exe",
    "\\Mtunora.chm",
    "\\ReadMe.txt",
    "\\File_id.diz",
    "\\Quiet_Tidewater.mid",
    "\\The Lamplighter and The Clock.mid",
    "\\History.ini",
    "\\Mtunora.chw",
    "\\Reset\\Gm_reset.mid",
    "\\Reset\\Gs_reset.mid",
    "\\Reset\\Xg_reset.mid",
};

const std::vector<Shortcut> kGroupShortcuts = {
    {"\\MIDI Tunora 1.0.lnk", "\\MIDI_Tunora.exe", "MIDI Tunora Exectuable"},
    {"\\MIDI Tunora Help.lnk", "\\Mtunora.chm", "MIDI Tunora Help"},
    {"\\MIDI Tunora ReadMe.lnk", "\\ReadMe.txt", "MIDI Tunora Readme"},
};

const Shortcut kDesktopShortcut = {"\\MIDI Tunora.lnk", "\\MIDI_Tunora.exe", "MIDI Tunora"};

}  // namespace setup
