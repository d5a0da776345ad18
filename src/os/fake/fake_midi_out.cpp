#include "os/fake/fake_midi_out.h"

#include <cstdio>
#include <map>

namespace os {

unsigned FakeMidiOut::Open() {
  if (open_) return midierr::Allocated;
  if (openFailure != 0) {
    log_.push_back("Open failed " + std::to_string(openFailure));
    return openFailure;
  }
  open_ = true;
  log_.push_back("Open");
  return 0;
}

unsigned FakeMidiOut::ShortMessage(std::uint32_t message) {
  if (!open_) return midierr::InvalidHandle;
  char line[32];
  std::snprintf(line, sizeof line, "Message 0x%04X", static_cast<unsigned>(message));
  log_.push_back(line);
  return 0;
}

unsigned FakeMidiOut::Close() {
  if (!open_) return 0;
  if (closeFailure != 0) {
    log_.push_back("Close failed " + std::to_string(closeFailure));
    return closeFailure;
  }
  open_ = false;
  log_.push_back("Close");
  return 0;
}

std::string FakeMidiOut::ErrorText(unsigned code) const {
  // The system's texts for its multimedia and MIDI error codes.
  static const std::map<unsigned, const char*> texts = {
      {0, "The specified command was carried out."},
      {1, "Undefined external error."},
      {2, "A device ID has been used that is out of range for your system."},
      {3, "The driver was not enabled."},
      {4, "The specified device is already in use. Wait until it is free, and then try again."},
      {5, "The specified device handle is invalid."},
      {6, "There is no driver installed on your system!"},
      {7, "Not enough memory available for this task. Quit one or more applications to increase available "
          "memory, and then try again."},
      {64, "The MIDI header was not prepared. Use the Prepare function to prepare the header, and then try again."},
      {65, "Cannot perform this operation while media data is still playing. Reset the device, or wait until the "
           "data is finished playing."},
      {66, "A MIDI map was not found. There may be a problem with the driver, or the MIDIMAP.CFG file may be "
           "corrupt or missing."},
      {67, "The port is transmitting data to the device. Wait until the data has been transmitted, and then try "
           "again."},
      {68, "The current MIDI Mapper setup refers to a MIDI device that is not installed on the system."},
      {69, "The current MIDI setup is damaged. Copy the original MIDIMAP.CFG file to the Windows SYSTEM "
           "directory, and then try again."},
  };
  const auto text = texts.find(code);
  return text == texts.end() ? "Unknown error code" : text->second;
}

}  // namespace os
