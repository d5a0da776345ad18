// The media player component: one MCI device driven by calls, with no button bar of its own. Plays
// notify through the message queue; the notification's result is kept and OnNotify is called.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "os/media_device.h"
#include "ui/component.h"

namespace ui {

class TMediaPlayer : public TComponent {
 public:
  explicit TMediaPlayer(TComponent* owner, std::string name = {});
  ~TMediaPlayer() override;

  // The file the next Open opens.
  std::string FileName;

  // Closes an open file first. Raises EMCIDeviceError with MCI's text when the file cannot be opened;
  // then no file is open.
  void Open();
  // Nothing when no file is open; a play in progress is cut off.
  void Close();
  bool IsOpen() const { return device_->IsOpen(); }

  // These need an open file and raise EMCIDeviceError "No MCI device open" without one. What the
  // device answers otherwise is not checked.
  // From the current position, or from PendingStart; uses and clears Wait, Notify and PendingStart.
  void Play();
  void Stop();
  void Rewind();
  void Seek(std::uint32_t ms);
  std::uint32_t Length();

  void SetTimeFormatMilliseconds();
  std::uint32_t Position();
  os::DeviceMode Mode();

  // One-shots for the next Play: wait for its end, ask for no notification, start there.
  bool Wait = false;
  bool Notify = true;
  std::optional<std::uint32_t> PendingStart;

  os::NotifyResult NotifyValue() const { return notifyValue_; }
  TNotifyEvent OnNotify;

 private:
  void RequireOpen() const;
  void Notified(os::NotifyResult result);

  std::unique_ptr<os::MediaDevice> device_;
  os::NotifyResult notifyValue_ = os::NotifyResult::Successful;
};

}  // namespace ui
