#include "ui/mediaplayer.h"

#include "ui/forms.h"

namespace ui {

TMediaPlayer::TMediaPlayer(TComponent* owner, std::string name)
    : TComponent(owner, std::move(name)), device_(Application().Services().newMediaDevice()) {
  device_->SetNotifyHandler([this](os::NotifyResult result) { Notified(result); });
}

TMediaPlayer::~TMediaPlayer() = default;

void TMediaPlayer::Notified(os::NotifyResult result) {
  notifyValue_ = result;
  if (OnNotify) Application().Dispatch([this] { OnNotify(this); });
}

void TMediaPlayer::RequireOpen() const {
  if (!device_->IsOpen()) throw EMCIDeviceError("No MCI device open");
}

void TMediaPlayer::Open() {
  Close();
  if (const unsigned error = device_->Open(FileName)) throw EMCIDeviceError(device_->ErrorText(error));
}

void TMediaPlayer::Close() { device_->Close(); }

void TMediaPlayer::Play() {
  RequireOpen();
  const os::PlayRequest request{Notify, Wait, PendingStart};
  Wait = false;
  Notify = true;
  PendingStart.reset();
  device_->Play(request);
}

void TMediaPlayer::Stop() {
  RequireOpen();
  device_->Stop();
}

void TMediaPlayer::Rewind() {
  RequireOpen();
  device_->SeekToStart();
}

void TMediaPlayer::Seek(std::uint32_t ms) {
  RequireOpen();
  device_->Seek(ms);
}

std::uint32_t TMediaPlayer::Length() {
  RequireOpen();
  return device_->Length();
}

void TMediaPlayer::SetTimeFormatMilliseconds() { device_->SetTimeFormatMs(); }

std::uint32_t TMediaPlayer::Position() { return device_->Position(); }

os::DeviceMode TMediaPlayer::Mode() { return device_->Mode(); }

}  // namespace ui
