#include <gtest/gtest.h>

#include "support/headless_app.h"
#include "ui/mediaplayer.h"

namespace {

using os::DeviceMode;
using os::NotifyResult;
using Log = std::vector<std::string>;

struct MediaPlayerTest : ::testing::Test {
  testing_support::HeadlessApp env;
  ui::TMediaPlayer player{nullptr, "MIDIPlayer"};
  std::vector<NotifyResult> notified;

  MediaPlayerTest() {
    env.media.AddFile("C:\\Music\\Evening.mid", 3000);
    env.media.AddFile("C:\\Music\\Tone.wav", 1500);
    player.OnNotify = [this](ui::TObject* sender) {
      EXPECT_EQ(sender, &player);
      notified.push_back(player.NotifyValue());
    };
  }

  void OpenMs(const char* fileName) {
    player.FileName = fileName;
    player.Open();
    player.SetTimeFormatMilliseconds();
    env.media.ClearLog();
  }
};

TEST_F(MediaPlayerTest, TheOneShotsServeTheNextPlayOnly) {
  OpenMs("C:\\Music\\Evening.mid");
  player.Wait = true;
  player.Notify = false;
  player.PendingStart = 500;
  player.Play();
  EXPECT_FALSE(player.Wait);
  EXPECT_TRUE(player.Notify);
  EXPECT_FALSE(player.PendingStart);
  player.Rewind();
  player.Play();
  EXPECT_EQ(env.media.Log(), (Log{"Play wait from 500", "SeekToStart", "Play notify"}));
}

TEST_F(MediaPlayerTest, PendingStartWaitsForWhicheverPlayComesNext) {
  OpenMs("C:\\Music\\Evening.mid");
  player.PendingStart = 1200;
  player.Stop();
  player.Seek(100);
  player.FileName = "C:\\Music\\Tone.wav";
  player.Open();
  player.Play();
  EXPECT_EQ(env.media.Log(), (Log{"Stop", "Seek 100", "Close", "Open C:\\Music\\Tone.wav", "Play notify from 1200"}));
  EXPECT_EQ(player.Position(), 1200u);
}

TEST_F(MediaPlayerTest, WithoutAnOpenFileOnlyStatusAndTimeFormatWork) {
  struct Case {
    const char* what;
    std::function<void()> call;
  } needOpen[] = {{"Play", [&] { player.Play(); }},
                  {"Stop", [&] { player.Stop(); }},
                  {"Rewind", [&] { player.Rewind(); }},
                  {"Seek", [&] { player.Seek(10); }},
                  {"Length", [&] { player.Length(); }}};
  player.PendingStart = 700;
  for (const Case& c : needOpen) {
    try {
      c.call();
      ADD_FAILURE() << c.what << " did not raise";
    } catch (const ui::EMCIDeviceError& error) {
      EXPECT_STREQ(error.what(), "No MCI device open") << c.what;
    }
  }
  EXPECT_EQ(player.PendingStart, 700u) << "a play that did not happen leaves the one-shots";
  EXPECT_TRUE(env.media.Log().empty()) << "nothing reached the device";

  EXPECT_EQ(player.Position(), 0u);
  EXPECT_EQ(player.Mode(), DeviceMode::None);
  EXPECT_NO_THROW(player.SetTimeFormatMilliseconds());
  EXPECT_NO_THROW(player.Close());
}

TEST_F(MediaPlayerTest, AFailedOpenLeavesNoFileOpenAndNamesTheFile) {
  struct Case {
    const char* fileName;
    const char* text;
  } cases[] = {
      {"C:\\Music\\Gone.mid", "Cannot find the specified file. Make sure the path and filename are correct."},
      {"C:\\Music\\Notes.txt", "Cannot determine the device type from the given filename extension."},
  };
  for (const Case& c : cases) {
    OpenMs("C:\\Music\\Tone.wav");
    player.FileName = c.fileName;
    try {
      player.Open();
      ADD_FAILURE() << c.fileName << " opened";
    } catch (const ui::EMCIDeviceError& error) {
      EXPECT_STREQ(error.what(), c.text);
    }
    EXPECT_FALSE(player.IsOpen());
    EXPECT_EQ(player.FileName, c.fileName);
    EXPECT_EQ(player.Mode(), DeviceMode::None);
    EXPECT_THROW(player.Play(), ui::EMCIDeviceError);
    EXPECT_EQ(env.media.Log(), (Log{"Close", std::string("Open ") + c.fileName}));
  }
}

TEST_F(MediaPlayerTest, NotificationsArriveThroughTheQueueAfterTheCall) {
  OpenMs("C:\\Music\\Tone.wav");
  player.Play();
  env.loop.Advance(1499);
  EXPECT_TRUE(notified.empty());
  EXPECT_EQ(player.Mode(), DeviceMode::Playing);
  env.loop.Advance(1);
  EXPECT_EQ(notified, std::vector{NotifyResult::Successful});
  EXPECT_EQ(player.Position(), 1500u);

  // From the end the play ends at once, but its notification still waits for the queue.
  player.Play();
  EXPECT_EQ(notified.size(), 1u);
  env.loop.ProcessPending();
  EXPECT_EQ(notified, (std::vector{NotifyResult::Successful, NotifyResult::Successful}));
}

TEST_F(MediaPlayerTest, ACutOffPlayNotifiesAbortedAndAQuietPlayNotNothing) {
  OpenMs("C:\\Music\\Tone.wav");
  player.Play();
  env.loop.Advance(200);
  player.Stop();
  EXPECT_TRUE(notified.empty());
  env.loop.ProcessPending();
  EXPECT_EQ(notified, std::vector{NotifyResult::Aborted});
  EXPECT_EQ(player.NotifyValue(), NotifyResult::Aborted);
  EXPECT_EQ(player.Position(), 200u);

  player.Notify = false;
  player.Play();
  env.loop.Advance(2000);
  EXPECT_EQ(notified.size(), 1u);
  EXPECT_EQ(player.Position(), 1500u);

  // Loading another file while one plays cuts that one off.
  player.Rewind();
  player.Play();
  env.loop.Advance(200);
  player.FileName = "C:\\Music\\Evening.mid";
  player.Open();
  env.loop.ProcessPending();
  EXPECT_EQ(notified, (std::vector{NotifyResult::Aborted, NotifyResult::Aborted}));
}

TEST_F(MediaPlayerTest, AnErrorInOnNotifyGoesToTheErrorBox) {
  env.app.SetTitle("MIDI Tunora");
  player.OnNotify = [](ui::TObject*) { throw ui::EMCIDeviceError("No MCI device open"); };
  OpenMs("C:\\Music\\Tone.wav");
  player.Play();
  env.loop.Advance(1500);
  ASSERT_EQ(env.backend.Boxes().size(), 1u);
  EXPECT_EQ(env.backend.Boxes()[0].text, "No MCI device open.");
}

TEST_F(MediaPlayerTest, AWaitingPlayReturnsAtTheEndWithoutNotification) {
  OpenMs("C:\\Music\\Evening.mid");
  player.Wait = true;
  player.Notify = false;
  player.Play();
  EXPECT_EQ(player.Position(), 3000u);
  EXPECT_EQ(player.Mode(), DeviceMode::Stopped);
  env.loop.Advance(100);
  EXPECT_TRUE(notified.empty());
}

}  // namespace
