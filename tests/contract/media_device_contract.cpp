#include <gtest/gtest.h>

#include <cstdio>
#include <exception>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "media_device_subject.h"

namespace {

using os::DeviceMode;
using os::NotifyResult;
namespace mcierr = os::mcierr;

constexpr unsigned kWavMs = 1500, kMidiMs = 2000;
// The sequencer measures the file through its tempo and ticks; rounding may move it a little.
constexpr unsigned kMidiToleranceMs = 20;
// Long enough for any play of the test files to end.
constexpr unsigned kEndTimeoutMs = 6000;

const char* const kInvalidDeviceText = "Invalid MCI device ID. Use the ID returned when opening the MCI device.";
const char* const kFileNotFoundText = "Cannot find the specified file. Make sure the path and filename are correct.";
const char* const kExtensionText = "Cannot determine the device type from the given filename extension.";
const char* const kOutOfRangeText = "The specified parameter is out of range for the specified command.";
const char* const kMapNoDeviceText =
    "The current MIDI Mapper setup refers to a MIDI device that is not installed on the system.";

struct MediaDeviceContract : ::testing::Test {
  std::unique_ptr<contract::MediaDeviceSubject> subject = contract::MakeMediaDeviceSubject();
  std::string wav = subject->WriteWav("tone.wav", kWavMs);
  std::string mid = subject->WriteMidi("notes.mid", kMidiMs);
  std::vector<NotifyResult> results;
  std::unique_ptr<os::MediaDevice> device = NewDevice();

  std::unique_ptr<os::MediaDevice> NewDevice() {
    auto made = subject->NewDevice();
    made->SetNotifyHandler([this](NotifyResult r) { results.push_back(r); });
    return made;
  }

  void OpenMs(const std::string& path) {
    ASSERT_EQ(device->Open(path), 0u) << path;
    ASSERT_EQ(device->SetTimeFormatMs(), 0u);
  }

  bool PassUntilResults(std::size_t count, unsigned timeoutMs = kEndTimeoutMs) {
    return subject->PassTimeUntil([&] { return results.size() >= count; }, timeoutMs);
  }
};

TEST_F(MediaDeviceContract, OpensByExtensionStoppedAtStartWithLengthInMilliseconds) {
  struct Case {
    const std::string& path;
    unsigned length, tolerance;
  } cases[] = {{wav, kWavMs, 0}, {mid, kMidiMs, kMidiToleranceMs}};
  for (const Case& c : cases) {
    OpenMs(c.path);
    EXPECT_TRUE(device->IsOpen());
    EXPECT_NEAR(device->Length(), c.length, c.tolerance) << c.path;
    EXPECT_EQ(device->Position(), 0u) << c.path;
    EXPECT_EQ(device->Mode(), DeviceMode::Stopped) << c.path;
  }
}

TEST_F(MediaDeviceContract, OpenFailsWithMciCodeAndLeavesNoFileOpen) {
  const std::string existingText = subject->WriteWav("wave.txt", 100);
  struct Case {
    std::string path;
    unsigned code;
    const char* text;
  } cases[] = {
      {subject->MissingPath("missing.wav"), mcierr::FileNotFound, kFileNotFoundText},
      {subject->MissingPath("missing.mid"), mcierr::FileNotFound, kFileNotFoundText},
      {subject->MissingPath("missing.avi"), mcierr::FileNotFound, kFileNotFoundText},
      {subject->MissingPath("missing.txt"), mcierr::ExtensionNotFound, kExtensionText},
      {subject->MissingPath("missing"), mcierr::ExtensionNotFound, kExtensionText},
      {existingText, mcierr::ExtensionNotFound, kExtensionText},
  };
  for (const Case& c : cases) {
    OpenMs(wav);
    const unsigned code = device->Open(c.path);
    EXPECT_EQ(code, c.code) << c.path;
    EXPECT_EQ(device->ErrorText(code), c.text) << c.path;
    EXPECT_FALSE(device->IsOpen()) << c.path;
    EXPECT_EQ(device->Mode(), DeviceMode::None) << c.path;
  }
}

TEST_F(MediaDeviceContract, ErrorTextsAreMcisOwn) {
  struct Case {
    unsigned code;
    const char* text;
  } cases[] = {{mcierr::InvalidDeviceId, kInvalidDeviceText}, {mcierr::FileNotFound, kFileNotFoundText},
               {mcierr::ExtensionNotFound, kExtensionText},   {mcierr::OutOfRange, kOutOfRangeText},
               {mcierr::SeqPortMapNoDevice, kMapNoDeviceText}, {0, "Unknown error code"},
               {900, "Unknown error code"}};
  for (const Case& c : cases) EXPECT_EQ(device->ErrorText(c.code), c.text) << c.code;
}

TEST_F(MediaDeviceContract, WithoutAFileStatusIsEmptyAndCommandsFail) {
  EXPECT_FALSE(device->IsOpen());
  EXPECT_EQ(device->Mode(), DeviceMode::None);
  EXPECT_EQ(device->Position(), 0u);
  EXPECT_EQ(device->Length(), 0u);
  EXPECT_EQ(device->Play({}), mcierr::InvalidDeviceId);
  EXPECT_EQ(device->Stop(), mcierr::InvalidDeviceId);
  EXPECT_EQ(device->SeekToStart(), mcierr::InvalidDeviceId);
  EXPECT_EQ(device->Seek(10), mcierr::InvalidDeviceId);
  EXPECT_EQ(device->SetTimeFormatMs(), mcierr::InvalidDeviceId);
  OpenMs(wav);
  device->Close();
  EXPECT_FALSE(device->IsOpen());
  EXPECT_EQ(device->Mode(), DeviceMode::None);
}

TEST_F(MediaDeviceContract, WavePlaysToItsEndAndStaysThere) {
  OpenMs(wav);
  ASSERT_EQ(device->Play({}), 0u);
  EXPECT_EQ(device->Mode(), DeviceMode::Playing);
  subject->PassTime(300);
  EXPECT_GT(device->Position(), 0u);
  EXPECT_LE(device->Position(), kWavMs);
  EXPECT_TRUE(results.empty()) << "the notification comes only at the end";

  ASSERT_TRUE(PassUntilResults(1));
  EXPECT_EQ(results, std::vector{NotifyResult::Successful});
  EXPECT_EQ(device->Position(), kWavMs);
  EXPECT_EQ(device->Mode(), DeviceMode::Stopped);

  // A play from the end ends at once.
  results.clear();
  ASSERT_EQ(device->Play({}), 0u);
  PassUntilResults(1, 1000);
  EXPECT_EQ(device->Position(), kWavMs);
  EXPECT_EQ(device->Mode(), DeviceMode::Stopped);
  if (subject->RunsOnWine()) {
    std::printf("note: Wine's wave device sends no notification for a play from the end (Windows: successful)\n");
    EXPECT_TRUE(results.empty());
  } else {
    EXPECT_EQ(results, std::vector{NotifyResult::Successful});
  }
}

TEST_F(MediaDeviceContract, AnErrorFromTheNotifyHandlerGoesToTheLoopsErrorHandler) {
  std::vector<std::string> errors;
  subject->Loop().SetErrorHandler([&](std::exception_ptr error) {
    try {
      std::rethrow_exception(error);
    } catch (const std::exception& e) {
      errors.push_back(e.what());
    }
  });
  device->SetNotifyHandler([&](NotifyResult r) {
    results.push_back(r);
    throw std::runtime_error("handler failed");
  });
  OpenMs(wav);
  ASSERT_EQ(device->Play({}), 0u);
  ASSERT_EQ(device->Stop(), 0u);
  ASSERT_TRUE(PassUntilResults(1));
  EXPECT_EQ(errors, std::vector<std::string>{"handler failed"});
  subject->Loop().SetErrorHandler({});
}

TEST_F(MediaDeviceContract, APlayCutOffIsAbortedOrSupersededAsEachDeviceDoes) {
  struct Case {
    const char* what;
    std::function<void(os::MediaDevice&)> cut;
    NotifyResult wave, sequencer;
  } cases[] = {
      {"stop", [](os::MediaDevice& d) { d.Stop(); }, NotifyResult::Aborted, NotifyResult::Aborted},
      {"seek to start", [](os::MediaDevice& d) { d.SeekToStart(); }, NotifyResult::Aborted, NotifyResult::Aborted},
      {"seek", [](os::MediaDevice& d) { d.Seek(100); }, NotifyResult::Aborted, NotifyResult::Aborted},
      {"close", [](os::MediaDevice& d) { d.Close(); }, NotifyResult::Aborted, NotifyResult::Aborted},
      {"open", [this](os::MediaDevice& d) { d.Open(wav); }, NotifyResult::Aborted, NotifyResult::Aborted},
      {"play", [](os::MediaDevice& d) { d.Play({}); }, NotifyResult::Aborted, NotifyResult::Superseded},
      {"play without notify", [](os::MediaDevice& d) { d.Play({false, false, {}}); }, NotifyResult::Aborted,
       NotifyResult::Aborted},
  };
  for (const Case& c : cases) {
    for (const std::string* path : {&wav, &mid}) {
      const bool sequencer = path == &mid;
      OpenMs(*path);
      results.clear();
      ASSERT_EQ(device->Play({}), 0u);
      subject->PassTime(200);
      c.cut(*device);
      // The sequencer keeps the notification of a play followed by one that asks for none; it comes
      // when that one is cut off in turn.
      if (sequencer && std::string(c.what) == "play without notify") {
        subject->PassTime(300);
        EXPECT_TRUE(results.empty()) << c.what;
        device->Stop();
      }
      EXPECT_TRUE(PassUntilResults(1, 3000)) << c.what << " " << *path;
      ASSERT_FALSE(results.empty());
      EXPECT_EQ(results[0], sequencer ? c.sequencer : c.wave) << c.what << " " << *path;
      device->Close();
      subject->PassTime(100);
    }
  }
}

TEST_F(MediaDeviceContract, StopKeepsThePositionAndSeekMovesIt) {
  OpenMs(wav);
  device->Play({});
  subject->PassTime(300);
  device->Stop();
  const std::uint32_t kept = device->Position();
  EXPECT_GT(kept, 0u);
  EXPECT_LT(kept, kWavMs);
  EXPECT_EQ(device->Mode(), DeviceMode::Stopped);
  subject->PassTime(200);
  EXPECT_EQ(device->Position(), kept);

  struct Case {
    const std::string& path;
    std::uint32_t to;
  } cases[] = {{wav, 700}, {wav, kWavMs}, {wav, 0}, {mid, 700}};
  for (const Case& c : cases) {
    OpenMs(c.path);
    EXPECT_EQ(device->Seek(c.to), 0u);
    EXPECT_EQ(device->Position(), c.to) << c.path;
    EXPECT_EQ(device->Mode(), DeviceMode::Stopped);
  }
  OpenMs(wav);
  device->Seek(700);
  EXPECT_EQ(device->Seek(kWavMs + 1), mcierr::OutOfRange);
  EXPECT_EQ(device->Position(), 700u);
  EXPECT_EQ(device->SeekToStart(), 0u);
  EXPECT_EQ(device->Position(), 0u);
}

TEST_F(MediaDeviceContract, AWaitingPlayReturnsAtTheEnd) {
  struct Case {
    bool notify;
    std::vector<NotifyResult> after;
  } cases[] = {{false, {}}, {true, {NotifyResult::Successful}}};
  for (const Case& c : cases) {
    OpenMs(wav);
    results.clear();
    EXPECT_EQ(device->Play({c.notify, true, {}}), 0u);
    EXPECT_EQ(device->Position(), kWavMs);
    EXPECT_EQ(device->Mode(), DeviceMode::Stopped);
    subject->PassTime(300);
    EXPECT_EQ(results, c.after) << c.notify;
  }
}

TEST_F(MediaDeviceContract, PlayFromStartsThere) {
  OpenMs(wav);
  ASSERT_EQ(device->Play({true, false, 1000}), 0u);
  EXPECT_GE(device->Position(), 1000u);
  ASSERT_TRUE(PassUntilResults(1));
  EXPECT_EQ(results, std::vector{NotifyResult::Successful});
  EXPECT_EQ(device->Position(), kWavMs);

  device->SeekToStart();
  EXPECT_EQ(device->Play({true, false, kWavMs + 100}), mcierr::OutOfRange);
  EXPECT_EQ(device->Mode(), DeviceMode::Stopped);
}

TEST_F(MediaDeviceContract, MidiPlaysWhereThereIsMidiOutput) {
  OpenMs(mid);
  if (subject->MidiOutputPresent()) {
    ASSERT_EQ(device->Play({}), 0u);
    ASSERT_TRUE(PassUntilResults(1));
    EXPECT_EQ(results, std::vector{NotifyResult::Successful});
    EXPECT_NEAR(device->Position(), kMidiMs, kMidiToleranceMs);
    return;
  }
  std::printf("note: no MIDI output: the sequencer accepts a play that never moves; a waiting play fails\n");
  ASSERT_EQ(device->Play({}), 0u);
  EXPECT_EQ(device->Mode(), DeviceMode::Playing);
  subject->PassTime(500);
  EXPECT_EQ(device->Position(), 0u);
  EXPECT_TRUE(results.empty());
  device->Stop();
  PassUntilResults(1, 1000);
  EXPECT_EQ(results, std::vector{NotifyResult::Aborted});
  EXPECT_EQ(device->Play({false, true, {}}), mcierr::SeqPortMapNoDevice);
}

TEST_F(MediaDeviceContract, NoNotificationReachesAGoneDevice) {
  OpenMs(wav);
  device->Play({});
  subject->PassTime(200);
  device.reset();
  subject->PassTime(300);
  EXPECT_TRUE(results.empty());
}

}  // namespace
