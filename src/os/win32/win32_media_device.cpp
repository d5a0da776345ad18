#include "os/win32/win32_media_device.h"

#include <mmsystem.h>

namespace os {
namespace {
constexpr WindowClass kDeviceWindowClass{"TunoraMediaDeviceWindow"};
}  // namespace

Win32MediaDevice::Win32MediaDevice(MessageLoop& loop) : loop_(loop) {
  // A message-only window: MCI posts its notifications here.
  WindowSpec spec;
  spec.parent = HWND_MESSAGE;
  CreateBoundWindow(kDeviceWindowClass, spec);
}

Win32MediaDevice::~Win32MediaDevice() {
  Close();
  DestroyBoundWindow();
}

LRESULT Win32MediaDevice::WindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != MM_MCINOTIFY) return DefaultMessage(message, wParam, lParam);
  loop_.Guard([&] { Notified(wParam); });
  return 0;
}

void Win32MediaDevice::Notified(WPARAM flags) {
  NotifyResult result = NotifyResult::Failure;
  switch (flags) {
    case MCI_NOTIFY_SUCCESSFUL: result = NotifyResult::Successful; break;
    case MCI_NOTIFY_SUPERSEDED: result = NotifyResult::Superseded; break;
    case MCI_NOTIFY_ABORTED: result = NotifyResult::Aborted; break;
    default: break;
  }
  // Every notification on this window comes from a play of this device, also one cut off by Close.
  if (handler_) handler_(result);
}

unsigned Win32MediaDevice::Open(const std::string& element) {
  Close();
  MCI_OPEN_PARMSA parms{};
  parms.lpstrElementName = element.c_str();
  const MCIERROR error =
      mciSendCommandA(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&parms));
  if (error == 0) deviceId_ = parms.wDeviceID;
  return error;
}

void Win32MediaDevice::Close() {
  if (!deviceId_) return;
  MCI_GENERIC_PARMS parms{};
  mciSendCommandA(deviceId_, MCI_CLOSE, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&parms));
  deviceId_ = 0;
}

unsigned Win32MediaDevice::Play(const PlayRequest& request) {
  MCI_PLAY_PARMS parms{};
  parms.dwCallback = reinterpret_cast<DWORD_PTR>(Window());
  DWORD flags = 0;
  if (request.notify) flags |= MCI_NOTIFY;
  if (request.wait) flags |= MCI_WAIT;
  if (request.fromMs) {
    flags |= MCI_FROM;
    parms.dwFrom = *request.fromMs;
  }
  return mciSendCommandA(deviceId_, MCI_PLAY, flags, reinterpret_cast<DWORD_PTR>(&parms));
}

unsigned Win32MediaDevice::Stop() {
  MCI_GENERIC_PARMS parms{};
  return mciSendCommandA(deviceId_, MCI_STOP, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&parms));
}

unsigned Win32MediaDevice::SeekToStart() {
  MCI_SEEK_PARMS parms{};
  return mciSendCommandA(deviceId_, MCI_SEEK, MCI_SEEK_TO_START | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&parms));
}

unsigned Win32MediaDevice::Seek(std::uint32_t ms) {
  MCI_SEEK_PARMS parms{};
  parms.dwTo = ms;
  return mciSendCommandA(deviceId_, MCI_SEEK, MCI_TO | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&parms));
}

unsigned Win32MediaDevice::SetTimeFormatMs() {
  MCI_SET_PARMS parms{};
  parms.dwTimeFormat = MCI_FORMAT_MILLISECONDS;
  return mciSendCommandA(deviceId_, MCI_SET, MCI_SET_TIME_FORMAT, reinterpret_cast<DWORD_PTR>(&parms));
}

std::uint32_t Win32MediaDevice::Status(DWORD item) {
  MCI_STATUS_PARMS parms{};
  parms.dwItem = item;
  if (mciSendCommandA(deviceId_, MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&parms)))
    return 0;
  return static_cast<std::uint32_t>(parms.dwReturn);
}

std::uint32_t Win32MediaDevice::Length() { return Status(MCI_STATUS_LENGTH); }

std::uint32_t Win32MediaDevice::Position() { return Status(MCI_STATUS_POSITION); }

DeviceMode Win32MediaDevice::Mode() { return static_cast<DeviceMode>(Status(MCI_STATUS_MODE)); }

std::string Win32MediaDevice::ErrorText(unsigned code) const {
  char text[256];
  if (!mciGetErrorStringA(code, text, sizeof text)) return "Unknown error code";
  return text;
}

void Win32MediaDevice::SetNotifyHandler(std::function<void(NotifyResult)> handler) {
  handler_ = std::move(handler);
}

}  // namespace os
