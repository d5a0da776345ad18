// What the media device contract runs against: devices, the media files they open and the passing of
// time on the subject's clock.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "os/media_device.h"
#include "os/message_loop.h"

namespace contract {

class MediaDeviceSubject {
 public:
  virtual ~MediaDeviceSubject() = default;

  virtual std::unique_ptr<os::MediaDevice> NewDevice() = 0;
  // The loop whose Guard the devices' notifications run in.
  virtual os::MessageLoop& Loop() = 0;
  // Writes a wave file (a tone) or a MIDI file of about the given length; returns its full path.
  virtual std::string WriteWav(const std::string& name, unsigned lengthMs) = 0;
  virtual std::string WriteMidi(const std::string& name, unsigned lengthMs) = 0;
  // A file of the given name that does not exist, in the folder of the written files.
  virtual std::string MissingPath(const std::string& name) = 0;
  // Whether MIDI files can be played (the machine has a MIDI output device).
  virtual bool MidiOutputPresent() = 0;
  // Whether the subject is Wine's MCI, where a few answers differ from Windows.
  virtual bool RunsOnWine() = 0;

  // Handles the messages that are queued now.
  virtual void Pump() = 0;
  // Lets time pass, handling messages, until done() holds or timeoutMs have passed; returns done().
  virtual bool PassTimeUntil(const std::function<bool()>& done, unsigned timeoutMs) = 0;
  // Lets the given time pass, handling messages.
  void PassTime(unsigned ms) {
    PassTimeUntil([] { return false; }, ms);
  }
};

std::unique_ptr<MediaDeviceSubject> MakeMediaDeviceSubject();

}  // namespace contract
