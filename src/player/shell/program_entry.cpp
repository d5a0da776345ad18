#include "player/shell/program_entry.h"

#include "player/shell/player_keys.h"

namespace player {

void ReadHideOption(ui::TApplication& application) {
  os::Registry& registry = application.Services().registry;
  if (!registry.ValueExists(kOptionsKey, "Hide")) return;
  std::uint32_t hide = 0;
  // A value of another type is reported when start-up reads the options; the window shows meanwhile.
  if (registry.ReadInteger(kOptionsKey, "Hide", hide) != os::RegistryError::None || hide == 0) return;
  application.ShowMainForm = false;
  application.HideWindow();
}

void NameApplication(ui::TApplication& application) {
  application.SetTitle("MIDI Tunora 1.01");
  application.HelpFile = "D:\\MIDITunora\\Mtunora.hlp";
}

void CreateMainWindow(ui::TApplication& application, TFormPlayer& form) {
  application.CreateForm(form);
  form.SetVisible(false);
  if (form.StayOnTop.Checked()) form.StayOnTopClick(&form);
}

}  // namespace player
