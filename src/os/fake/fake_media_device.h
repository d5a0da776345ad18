// The media device in memory: files known by path with a length, played on the message loop's clock,
// with MCI's error codes and texts and the notifications its wave and sequencer devices send.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "os/media_device.h"
#include "os/message_loop.h"

namespace os {

class FakeMediaLibrary {
 public:
  // A file the devices can open, lengthMs long; the device is chosen by the extension when it is
  // opened. A file that cannot play opens and measures like a MIDI file on a machine without MIDI
  // output: a play seems to start and never moves, a waiting play fails.
  void AddFile(const std::string& path, std::uint32_t lengthMs, bool canPlay = true);
  void RemoveFile(const std::string& path);

  // What the devices were asked, one line an operation: "Open <path>", "Close",
  // "Play[ notify][ wait][ from <ms>]", "Stop", "SeekToStart", "Seek <ms>", "SetTimeFormatMs".
  // Status queries are not recorded.
  const std::vector<std::string>& Log() const { return log_; }
  void ClearLog() { log_.clear(); }

 private:
  friend class FakeMediaDevice;
  struct File {
    std::uint32_t lengthMs;
    bool canPlay;
  };
  // Paths are compared as Windows does, without regard to letter case.
  static std::string Key(const std::string& path);
  const File* Find(const std::string& path) const;
  void Record(std::string line) { log_.push_back(std::move(line)); }

  std::map<std::string, File> files_;
  std::vector<std::string> log_;
};

class FakeMediaDevice final : public MediaDevice {
 public:
  FakeMediaDevice(FakeMediaLibrary& library, MessageLoop& loop);
  ~FakeMediaDevice() override;
  FakeMediaDevice(const FakeMediaDevice&) = delete;
  FakeMediaDevice& operator=(const FakeMediaDevice&) = delete;

  unsigned Open(const std::string& element) override;
  void Close() override;
  bool IsOpen() const override { return open_; }

  unsigned Play(const PlayRequest& request) override;
  unsigned Stop() override;
  unsigned SeekToStart() override;
  unsigned Seek(std::uint32_t ms) override;
  unsigned SetTimeFormatMs() override;

  std::uint32_t Length() override;
  std::uint32_t Position() override;
  DeviceMode Mode() override;

  std::string ErrorText(unsigned code) const override;
  void SetNotifyHandler(std::function<void(NotifyResult)> handler) override;

 private:
  enum class Kind { Wave, Sequencer, Video };
  std::uint32_t Current() const;
  // Ends the play in progress where it stands.
  void Halt();
  // Halts, and a pending notification becomes aborted.
  void CutOff();
  void Finish();
  void StopEndTimer();
  void Notify(NotifyResult result);

  FakeMediaLibrary& library_;
  MessageLoop& loop_;
  std::function<void(NotifyResult)> handler_;
  // Notifications already queued when the device goes are dropped, as with a destroyed window.
  std::shared_ptr<FakeMediaDevice*> self_;

  bool open_ = false;
  Kind kind_ = Kind::Wave;
  FakeMediaLibrary::File file_{};
  std::uint32_t position_ = 0;
  bool playing_ = false;
  std::uint64_t playStartedAt_ = 0;
  unsigned endTimer_ = 0;
  bool notifyPending_ = false;
};

}  // namespace os
