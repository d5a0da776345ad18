// The media device over MCI: commands by mciSendCommandA, notifications to a hidden window of the
// device's own, so that they arrive through the GUI thread's message queue.
#pragma once

#include <windows.h>

#include "os/media_device.h"

namespace os {

class Win32MediaDevice final : public MediaDevice {
 public:
  // Creates the notification window: call on the GUI thread.
  Win32MediaDevice();
  ~Win32MediaDevice() override;
  Win32MediaDevice(const Win32MediaDevice&) = delete;
  Win32MediaDevice& operator=(const Win32MediaDevice&) = delete;

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
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Notified(WPARAM flags);
  std::uint32_t Status(DWORD item);

  HWND window_ = nullptr;
  MCIDEVICEID deviceId_ = 0;
  std::function<void(NotifyResult)> handler_;
};

}  // namespace os
