// The media device over MCI: commands by mciSendCommandA, notifications to a hidden window of the
// device's own, so that they arrive through the GUI thread's message queue.
#pragma once

#include <windows.h>

#include "os/media_device.h"
#include "os/message_loop.h"
#include "os/win32/window_binding.h"

namespace os {

class Win32MediaDevice final : public MediaDevice, public BoundWindow {
 public:
  // Creates the notification window: call on the GUI thread. The notification handler runs in the
  // loop's Guard.
  explicit Win32MediaDevice(MessageLoop& loop);
  ~Win32MediaDevice() override;

  unsigned Open(const std::string& element) override;
  void Close() override;
  bool IsOpen() const override { return deviceId_ != 0; }

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
  LRESULT WindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Notified(WPARAM flags);
  std::uint32_t Status(DWORD item);

  MessageLoop& loop_;
  MCIDEVICEID deviceId_ = 0;
  std::function<void(NotifyResult)> handler_;
};

}  // namespace os
