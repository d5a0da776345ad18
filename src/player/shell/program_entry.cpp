#include "player/shell/program_entry.h"

namespace player {

void NameApplication(ui::TApplication& application) {
  application.SetTitle("MIDI Tunora 1.01");
  application.HelpFile = "D:\\MIDITunora\\Mtunora.hlp";
}

void CreateMainWindow(ui::TApplication& application, TFormPlayer& form) {
  application.CreateForm(form);
  form.SetVisible(false);
}

}  // namespace player
