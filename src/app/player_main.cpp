// The player's program entry: the Win32 services, the component library on Win32, the main window
// and the message loop.
#include <memory>

#include "base/command_line.h"
#include "base/random.h"
#include "os/services.h"
#include "os/win32/win32_collation.h"
#include "os/win32/win32_file_dialogs.h"
#include "os/win32/win32_file_system.h"
#include "os/win32/win32_help.h"
#include "os/win32/win32_media_device.h"
#include "os/win32/win32_message_loop.h"
#include "os/win32/win32_midi_out.h"
#include "os/win32/win32_notify_area.h"
#include "os/win32/win32_registry.h"
#include "os/win32/win32_shell.h"
#include "os/win32/win32_thread_priority.h"
#include "player/form_player.h"
#include "player/shell/program_entry.h"
#include "ui/forms.h"
#include "ui/win32/win32_backend.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
  os::Win32MessageLoop loop;
  os::Win32NotifyArea notifyArea;
  os::Win32ThreadPriority threadPriority;
  os::Win32FileSystem files;
  os::Win32Registry registry;
  os::Win32Collation collation;
  os::Win32Shell shell;
  os::Win32FileDialogs fileDialogs;
  os::Win32MidiOut midiOut;
  os::Win32Help help;
  os::Services services{loop,       files,          registry,  shell,
                        notifyArea, threadPriority, collation, fileDialogs,
                        [&loop] { return std::make_unique<os::Win32MediaDevice>(loop); }, midiOut, help};
  ui::Win32Backend backend(loop);
  ui::TApplication application(backend, services);
  // An error that escapes the start or the run ends in the standard error box like any other; then the
  // program ends.
  application.Dispatch([&] {
    player::ReadHideOption(application);
    player::NameApplication(application);
    base::SeededRandom random;
    player::TFormPlayer form(base::SplitCommandLine(arguments ? arguments : ""), random);
    player::CreateMainWindow(application, form);
    application.Run();
  });
  return 0;
}
