#include "os/fake/fake_media_device.h"

#include <algorithm>
#include <cctype>

namespace os {
namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// The extension of the file-name part, lower case, with its dot; empty when there is none.
std::string Extension(const std::string& path) {
  const std::size_t name = path.find_last_of("\\/:");
  const std::size_t dot = path.rfind('.');
  if (dot == std::string::npos || (name != std::string::npos && dot < name)) return {};
  return Lower(path.substr(dot));
}

}  // namespace

std::string FakeMediaLibrary::Key(const std::string& path) { return Lower(path); }

void FakeMediaLibrary::AddFile(const std::string& path, std::uint32_t lengthMs, bool canPlay) {
  files_[Key(path)] = File{lengthMs, canPlay};
}

void FakeMediaLibrary::RemoveFile(const std::string& path) { files_.erase(Key(path)); }

const FakeMediaLibrary::File* FakeMediaLibrary::Find(const std::string& path) const {
  const auto it = files_.find(Key(path));
  return it == files_.end() ? nullptr : &it->second;
}

FakeMediaDevice::FakeMediaDevice(FakeMediaLibrary& library, MessageLoop& loop)
    : library_(library), loop_(loop), self_(std::make_shared<FakeMediaDevice*>(this)) {}

FakeMediaDevice::~FakeMediaDevice() { StopEndTimer(); }

unsigned FakeMediaDevice::Open(const std::string& element) {
  Close();
  library_.Record("Open " + element);
  // MCI picks the device by extension before it looks for the file.
  const std::string extension = Extension(element);
  Kind kind;
  if (extension == ".wav") {
    kind = Kind::Wave;
  } else if (extension == ".mid" || extension == ".rmi") {
    kind = Kind::Sequencer;
  } else if (extension == ".avi") {
    kind = Kind::Video;
  } else {
    return mcierr::ExtensionNotFound;
  }
  const FakeMediaLibrary::File* file = library_.Find(element);
  if (!file) return mcierr::FileNotFound;
  open_ = true;
  kind_ = kind;
  file_ = *file;
  position_ = 0;
  return 0;
}

void FakeMediaDevice::Close() {
  if (!open_) return;
  library_.Record("Close");
  CutOff();
  open_ = false;
  position_ = 0;
}

std::uint32_t FakeMediaDevice::Current() const {
  if (!playing_ || !file_.canPlay) return position_;
  const std::uint64_t reached = position_ + (loop_.NowMs() - playStartedAt_);
  return static_cast<std::uint32_t>(std::min<std::uint64_t>(reached, file_.lengthMs));
}

void FakeMediaDevice::Halt() {
  position_ = Current();
  playing_ = false;
  StopEndTimer();
}

void FakeMediaDevice::CutOff() {
  if (!playing_) return;
  Halt();
  if (notifyPending_) Notify(NotifyResult::Aborted);
  notifyPending_ = false;
}

void FakeMediaDevice::Finish() {
  StopEndTimer();
  playing_ = false;
  position_ = file_.lengthMs;
  if (notifyPending_) Notify(NotifyResult::Successful);
  notifyPending_ = false;
}

void FakeMediaDevice::StopEndTimer() {
  if (endTimer_) loop_.StopTimer(endTimer_);
  endTimer_ = 0;
}

void FakeMediaDevice::Notify(NotifyResult result) {
  loop_.Post([self = std::weak_ptr<FakeMediaDevice*>(self_), result] {
    if (const auto alive = self.lock(); alive && (*alive)->handler_) (*alive)->handler_(result);
  });
}

unsigned FakeMediaDevice::Play(const PlayRequest& request) {
  std::string line = "Play";
  if (request.notify) line += " notify";
  if (request.wait) line += " wait";
  if (request.fromMs) line += " from " + std::to_string(*request.fromMs);
  library_.Record(line);
  if (!open_) return mcierr::InvalidDeviceId;
  if (request.fromMs && *request.fromMs > file_.lengthMs) return mcierr::OutOfRange;
  if (request.wait && !file_.canPlay) return mcierr::SeqPortMapNoDevice;

  if (playing_) {
    Halt();
    // The wave and video devices abort a pending notification; the sequencer supersedes it by a play
    // that notifies itself and otherwise keeps it for the play that follows.
    if (notifyPending_ && kind_ != Kind::Sequencer) {
      Notify(NotifyResult::Aborted);
      notifyPending_ = false;
    } else if (notifyPending_ && request.notify) {
      Notify(NotifyResult::Superseded);
      notifyPending_ = false;
    }
  }
  if (request.fromMs) position_ = *request.fromMs;
  if (request.notify) notifyPending_ = true;

  playing_ = true;
  playStartedAt_ = loop_.NowMs();
  if (!file_.canPlay) return 0;
  if (request.wait || position_ >= file_.lengthMs) {
    Finish();
  } else {
    endTimer_ = loop_.StartTimer(file_.lengthMs - position_, [this] { Finish(); });
  }
  return 0;
}

unsigned FakeMediaDevice::Stop() {
  library_.Record("Stop");
  if (!open_) return mcierr::InvalidDeviceId;
  CutOff();
  return 0;
}

unsigned FakeMediaDevice::SeekToStart() {
  library_.Record("SeekToStart");
  if (!open_) return mcierr::InvalidDeviceId;
  CutOff();
  position_ = 0;
  return 0;
}

unsigned FakeMediaDevice::Seek(std::uint32_t ms) {
  library_.Record("Seek " + std::to_string(ms));
  if (!open_) return mcierr::InvalidDeviceId;
  if (ms > file_.lengthMs) return mcierr::OutOfRange;
  CutOff();
  position_ = ms;
  return 0;
}

unsigned FakeMediaDevice::SetTimeFormatMs() {
  library_.Record("SetTimeFormatMs");
  return open_ ? 0 : mcierr::InvalidDeviceId;
}

std::uint32_t FakeMediaDevice::Length() { return open_ ? file_.lengthMs : 0; }

std::uint32_t FakeMediaDevice::Position() { return open_ ? Current() : 0; }

DeviceMode FakeMediaDevice::Mode() {
  if (!open_) return DeviceMode::None;
  return playing_ ? DeviceMode::Playing : DeviceMode::Stopped;
}

std::string FakeMediaDevice::ErrorText(unsigned code) const {
  switch (code) {
    case mcierr::InvalidDeviceId:
      return "Invalid MCI device ID. Use the ID returned when opening the MCI device.";
    case mcierr::FileNotFound:
      return "Cannot find the specified file. Make sure the path and filename are correct.";
    case mcierr::ExtensionNotFound:
      return "Cannot determine the device type from the given filename extension.";
    case mcierr::OutOfRange:
      return "The specified parameter is out of range for the specified command.";
    case mcierr::SeqPortMapNoDevice:
      return "The current MIDI Mapper setup refers to a MIDI device that is not installed on the system.";
    default:
      return "Unknown error code";
  }
}

void FakeMediaDevice::SetNotifyHandler(std::function<void(NotifyResult)> handler) {
  handler_ = std::move(handler);
}

}  // namespace os
