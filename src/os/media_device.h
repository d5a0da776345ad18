// The media device: one MCI device opened by element (file) name, the device chosen by the extension.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace os {

enum class NotifyResult { Successful, Superseded, Aborted, Failure };

// MCI_MODE_* values; None when no file is open.
enum class DeviceMode { None = 0, NotReady = 524, Stopped = 525, Playing = 526, Recording = 527,
                        Seeking = 528, Paused = 529, Open = 530 };

// MCI error codes the devices give for the failures the program meets.
namespace mcierr {
constexpr unsigned InvalidDeviceId = 257;       // the command went to no open device
constexpr unsigned FileNotFound = 275;
constexpr unsigned ExtensionNotFound = 281;     // no device for the file's extension
constexpr unsigned OutOfRange = 282;            // a position beyond the length
constexpr unsigned SeqPortMapNoDevice = 339;    // no MIDI output behind the mapper
}  // namespace mcierr

struct PlayRequest {
  bool notify = true;                   // MCI_NOTIFY to the device's window
  bool wait = false;                    // MCI_WAIT: returns when the play has ended
  std::optional<std::uint32_t> fromMs;  // MCI_FROM
};

// Every call that can fail returns the MCI error code, 0 on success.
class MediaDevice {
 public:
  virtual ~MediaDevice() = default;

  // Closes an open file first, then opens the element with MCI_WAIT, not shareable.
  virtual unsigned Open(const std::string& element) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;

  virtual unsigned Play(const PlayRequest& request) = 0;
  virtual unsigned Stop() = 0;
  virtual unsigned SeekToStart() = 0;
  virtual unsigned Seek(std::uint32_t ms) = 0;
  virtual unsigned SetTimeFormatMs() = 0;

  // MCI_STATUS items; 0 (or None) when the status cannot be read.
  virtual std::uint32_t Length() = 0;
  virtual std::uint32_t Position() = 0;
  virtual DeviceMode Mode() = 0;

  // MCI's text for an error code; "Unknown error code" when it has none.
  virtual std::string ErrorText(unsigned code) const = 0;

  // Receives, through the message queue, the result of every play that asked for notification.
  virtual void SetNotifyHandler(std::function<void(NotifyResult)> handler) = 0;
};

}  // namespace os
