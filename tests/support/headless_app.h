// A whole application without windows: the fake OS services, the headless backend and the
// application object, for one test.
#pragma once

#include "os/fake/fake_collation.h"
#include "os/fake/fake_file_dialogs.h"
#include "os/fake/fake_file_system.h"
#include "os/fake/fake_media_device.h"
#include "os/fake/fake_message_loop.h"
#include "os/fake/fake_notify_area.h"
#include "os/fake/fake_registry.h"
#include "os/fake/fake_shell.h"
#include "os/fake/fake_thread_priority.h"
#include "os/services.h"
#include "ui/forms.h"
#include "ui/headless/headless_backend.h"

namespace testing_support {

struct HeadlessApp {
  os::FakeMessageLoop loop;
  os::FakeNotifyArea notifyArea;
  os::FakeThreadPriority threadPriority;
  os::FakeFileSystem files;
  os::FakeRegistry registry;
  os::FakeCollation collation;
  os::FakeShell shell;
  os::FakeFileDialogs fileDialogs{files};
  os::FakeMediaLibrary media;
  ui::HeadlessBackend backend;
  os::Services services{loop, notifyArea, threadPriority, files, registry, shell, collation, fileDialogs,
                        [this] { return std::make_unique<os::FakeMediaDevice>(media, loop); }};
  ui::TApplication app{backend, services};
};

}  // namespace testing_support
