// The program entry's steps that bring the player up, shared by WinMain and the tests.
#pragma once

#include "player/form_player.h"

namespace player {

// Names the application and its help file.
void NameApplication(ui::TApplication& application);

// Creates the main window, which runs FormCreate, and makes it invisible again: the message loop
// shows it when it starts.
void CreateMainWindow(ui::TApplication& application, TFormPlayer& form);

}  // namespace player
