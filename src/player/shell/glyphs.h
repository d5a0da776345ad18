// The pictures of the main window's buttons and of its tray icon.
#pragma once

#include <string>
#include <vector>

namespace player::glyphs {

using Glyph = std::vector<std::string>;

// The control buttons.
Glyph Play();
Glyph Pause();
Glyph Stop();
Glyph Next();
Glyph Previous();
Glyph Forward();
Glyph Reverse();

// The tool buttons.
Glyph OpenList();
Glyph SaveList();
Glyph CloseList();
Glyph Shrink();
Glyph ResetMidi();
Glyph SaveOptions();
Glyph Refresh();

// The buttons between play list and file box that carry no caption.
Glyph PushUp();
Glyph PushDown();
Glyph MoveOneFile();
Glyph MoveAllFiles();
Glyph Kill();

// The tray icon while playing and while not: 32 rows of 32 colour letters.
std::string TrayPlaying();
std::string TrayIdle();

}  // namespace player::glyphs
