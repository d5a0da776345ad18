// Setup's program entry: COM for the shell's link object, the Win32 services setup uses, the component
// library on Win32, the welcome window and the message loop.
#include <windows.h>
#include <objbase.h>

#include "base/command_line.h"
#include "os/services.h"
#include "os/win32/win32_file_system.h"
#include "os/win32/win32_message_loop.h"
#include "os/win32/win32_registry.h"
#include "os/win32/win32_shell.h"
#include "setup/form_title.h"
#include "ui/forms.h"
#include "ui/win32/win32_backend.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
  const HRESULT com = CoInitialize(nullptr);
  {
    os::Win32MessageLoop loop;
    os::Win32FileSystem files;
    os::Win32Registry registry;
    os::Win32Shell shell;
    os::Services services{loop, files, registry, shell};
    ui::Win32Backend backend(loop);
    ui::TApplication application(backend, services);
    // An error that escapes the start or the run ends in the standard error box like any other; then
    // setup ends.
    application.Dispatch([&] {
      application.SetTitle("MIDI Tunora Setup");
      setup::TFormTitle form(base::SplitCommandLine(arguments ? arguments : ""));
      application.CreateForm(form);
      application.Run();
    });
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return 0;
}
