// The fake OS services around a message loop of the test's choice: the headless application's fake
// loop, or the real Win32 loop in the checks of the Win32 backend. One place knows every service.
#pragma once

#include "os/fake/fake_collation.h"
#include "os/fake/fake_file_dialogs.h"
#include "os/fake/fake_file_system.h"
#include "os/fake/fake_help.h"
#include "os/fake/fake_media_device.h"
#include "os/fake/fake_midi_out.h"
#include "os/fake/fake_notify_area.h"
#include "os/fake/fake_registry.h"
#include "os/fake/fake_shell.h"
#include "os/fake/fake_thread_priority.h"
#include "os/services.h"

namespace testing_support {

struct FakeServices {
  explicit FakeServices(os::MessageLoop& loop)
      : services{loop,       files,          registry,  shell,
                 notifyArea, threadPriority, collation, fileDialogs,
                 [this, &loop] { return std::make_unique<os::FakeMediaDevice>(media, loop); }, midiOut, help} {}
  FakeServices(const FakeServices&) = delete;
  FakeServices& operator=(const FakeServices&) = delete;

  os::FakeNotifyArea notifyArea;
  os::FakeThreadPriority threadPriority;
  os::FakeFileSystem files;
  os::FakeRegistry registry;
  os::FakeShell shell{files};
  os::FakeCollation collation;
  os::FakeFileDialogs fileDialogs{files};
  os::FakeMediaLibrary media;
  os::FakeMidiOut midiOut;
  os::FakeHelp help;
  os::Services services;
};

}  // namespace testing_support
