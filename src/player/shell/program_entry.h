// The program entry's steps that bring the player up, shared by WinMain and the tests.
#pragma once

#include "player/form_player.h"

namespace player {

// Before anything shows: with the hide option stored the message loop shows no window and the
// application has no task-bar button.
void ReadHideOption(ui::TApplication& application);

// Names the application and its help file.
void NameApplication(ui::TApplication& application);

// Creates the main window, which runs FormCreate, and makes it invisible again: the message loop
// shows it when it starts. A window to stay on top enters the top-most band now that it exists.
void CreateMainWindow(ui::TApplication& application, TFormPlayer& form);

}  // namespace player
