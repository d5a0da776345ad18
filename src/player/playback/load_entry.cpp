// Making an entry current: on the device, in the list, on the track bar and in every title.
#include "base/text.h"
#include "player/form_player.h"

namespace player {

void TFormPlayer::LoadEntry(int n) {
  const std::string& path = PathList.at(n);
  MIDIPlayer.FileName = path;
  SongList.SetItemIndex(n);
  SongListClick(&MIDIPlayer);

  const std::string extension = base::LowerCase(base::FileExtension(path));
  if (extension == ".mid" || extension == ".rmi") {
    const char* resetFile = GM.Checked()   ? "\\Reset\\Gm_reset.mid"
                            : GS.Checked() ? "\\Reset\\Gs_reset.mid"
                            : XG.Checked() ? "\\Reset\\Xg_reset.mid"
                                           : nullptr;
    if (resetFile) {
      // The reset file plays to its end before the entry is opened; it reports nothing.
      MIDIPlayer.FileName = ProgramFolder + resetFile;
      MIDIPlayer.Open();
      MIDIPlayer.Wait = true;
      MIDIPlayer.Notify = false;
      MIDIPlayer.Play();
    }
  }

  MIDIPlayer.FileName = path;
  MIDIPlayer.Open();
  MIDIPlayer.SetTimeFormatMilliseconds();
  const std::uint32_t length = MIDIPlayer.Length();
  SpanTrackBar(length);
  NameLoadedFile(base::DisplayName(path), length);
}

void TFormPlayer::ResetCounter() {
  DgSecIn.SetTarget(0);
  DgMinIn.SetTarget(0);
  DgSecIn.SetDelay(0);
}

void TFormPlayer::SpanTrackBar(std::uint32_t lengthMs) {
  TrackBar.SetEnabled(true);
  TrackBar.SetMax(static_cast<int>(lengthMs / 1000));
  TrackBar.SetSelStart(0);
  TrackBar.SetSelEnd(TrackBar.Max());
}

void TFormPlayer::NameLoadedFile(const std::string& name, std::uint32_t lengthMs) {
  SetCaption(name + " - " + std::to_string(lengthMs / 60000) + ":" + base::TwoDigits(lengthMs / 1000 % 60) +
             ListTitle() + " - MIDI Tunora");
  ui::Application().SetTitle(Caption());
  TrayIcon.SetHint(ui::Application().Title().substr(0, 64));
}

}  // namespace player
