// The OS services one program runs with: the Win32 ones in the programs, the fakes in the unit tests.
#pragma once

#include <functional>
#include <memory>

#include "os/collation.h"
#include "os/file_dialogs.h"
#include "os/file_system.h"
#include "os/help.h"
#include "os/media_device.h"
#include "os/message_loop.h"
#include "os/midi_out.h"
#include "os/notify_area.h"
#include "os/registry.h"
#include "os/shell.h"
#include "os/thread_priority.h"

namespace os {

struct Services {
  MessageLoop& loop;
  NotifyArea& notifyArea;
  ThreadPriority& threadPriority;
  FileSystem& files;
  Registry& registry;
  Shell& shell;
  Collation& collation;
  FileDialogs& fileDialogs;
  std::function<std::unique_ptr<MediaDevice>()> newMediaDevice;
  MidiOut& midiOut;
  Help& help;
};

}  // namespace os
