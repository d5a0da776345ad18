// The OS services one program runs with: the Win32 ones in the programs, the fakes in the unit tests.
// Every program has the message loop, the file system, the registry and the shell; the others only the
// program that uses them provides.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>

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

// A service the program provides, or none. Asking for one the program did not provide is a mistake of
// the program's: it throws std::logic_error.
template <typename Service>
class Provided {
 public:
  Provided() = default;
  // Implicit: a service given is a service provided.
  Provided(Service& service) : service_(&service) {}

  Service& Get() const {
    if (!service_) throw std::logic_error("the program has not provided this service");
    return *service_;
  }
  operator Service&() const { return Get(); }
  Service* operator->() const { return &Get(); }

 private:
  Service* service_ = nullptr;
};

struct Services {
  MessageLoop& loop;
  FileSystem& files;
  Registry& registry;
  Shell& shell;
  Provided<NotifyArea> notifyArea = {};
  Provided<ThreadPriority> threadPriority = {};
  Provided<Collation> collation = {};
  Provided<FileDialogs> fileDialogs = {};
  // Empty in a program without media devices.
  std::function<std::unique_ptr<MediaDevice>()> newMediaDevice = {};
  Provided<MidiOut> midiOut = {};
  Provided<Help> help = {};
};

}  // namespace os
