#include "os/win32/win32_midi_out.h"

namespace os {

Win32MidiOut::~Win32MidiOut() { Close(); }

unsigned Win32MidiOut::Open() {
  if (handle_) return midierr::Allocated;
  HMIDIOUT handle = nullptr;
  const MMRESULT result = midiOutOpen(&handle, MIDI_MAPPER, 0, 0, CALLBACK_NULL);
  if (result == MMSYSERR_NOERROR) handle_ = handle;
  return result;
}

unsigned Win32MidiOut::ShortMessage(std::uint32_t message) {
  // The system would refuse a null handle as well; asking it is not needed to know that.
  if (!handle_) return midierr::InvalidHandle;
  return midiOutShortMsg(handle_, message);
}

unsigned Win32MidiOut::Close() {
  if (!handle_) return MMSYSERR_NOERROR;
  const MMRESULT result = midiOutClose(handle_);
  // A refused close (buffers still queued) leaves the output open, as the system does.
  if (result == MMSYSERR_NOERROR) handle_ = nullptr;
  return result;
}

std::string Win32MidiOut::ErrorText(unsigned code) const {
  char text[MAXERRORLENGTH] = {};
  if (midiOutGetErrorTextA(code, text, sizeof text) != MMSYSERR_NOERROR || !text[0]) return "Unknown error code";
  return text;
}

}  // namespace os
