// The refresh tick, five times a second: lists scroll under a drag held at their edge, and the counter
// and the track bar follow the playing position.
#include <algorithm>
#include <cstdint>

#include "player/form_player.h"

namespace player {

namespace {

// One item towards the edge the selection sits on: up from the top visible item, down once the item's
// top lies lower than bottomMargin pixels above the list's bottom. The list scrolls the new selection
// into view, so holding a drag there scrolls one item a tick. Returns whether the selection moved.
bool StepSelectionAtEdge(ui::TListBox& list, int lastIndex, int bottomMargin) {
  const int s = list.ItemIndex();
  if (s < 0) return false;
  if (s != 0 && s == list.TopIndex()) {
    list.SetItemIndex(s - 1);
    return true;
  }
  const int itemTop = (s - list.TopIndex()) * list.ItemHeight;
  if (itemTop > list.ClientHeight() - bottomMargin && s != lastIndex) {
    list.SetItemIndex(s + 1);
    return true;
  }
  return false;
}

}  // namespace

void TFormPlayer::ThreadedTimerTimer(ui::TObject* sender) {
  const ui::TCursor cursor = ui::Application().Screen().Cursor();
  if ((cursor == ui::TCursor::crDrag || cursor == ui::TCursor::crMultiDrag) &&
      !StepSelectionAtEdge(SongList, static_cast<int>(PathList.size()) - 1, 18))
    StepSelectionAtEdge(DirectoryListBox, DirectoryListBox.Count() - 1, DirectoryListBox.ItemHeight + 2);

  if (MIDIPlayer.Mode() != os::DeviceMode::Playing) return;
  const std::int64_t position = MIDIPlayer.Position();
  // Counting down shows what is left of the file.
  const std::int64_t shown =
      TimeCount.Tag != 0 ? std::max<std::int64_t>(0, std::int64_t{MIDIPlayer.Length()} - position) : position;
  DgSecIn.SetValue(static_cast<std::uint32_t>(shown / 1000 % 60));
  DgSecIn.SetTarget(DgSecIn.Value());
  const auto minutes = static_cast<std::uint32_t>(shown / 60000);
  DgMinIn.SetValue(minutes);
  DgMinIn.SetTarget(minutes);

  TrackBar.SetPosition(static_cast<int>(position / 1000));
  TrackBar.SetSelStart(TrackBar.Position());
}

}  // namespace player
