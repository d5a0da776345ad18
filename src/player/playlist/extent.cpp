// The play list's horizontal scroll range: it grows to the widest entry and shrinks only on a reset.
#include "player/form_player.h"
#include "ui/canvas.h"

namespace player {

void TFormPlayer::MeasureEntry(const std::string& text, bool apply) {
  const int width = SongList.Canvas().TextExtent(text).cx + 3;
  if (width > SongList.ClientWidth() && width > WidestEntryWidth) WidestEntryWidth = width;
  if (apply && WidestEntryWidth > SongList.ClientWidth()) SongList.SetHorizontalExtent(WidestEntryWidth);
}

void TFormPlayer::MeasureEntries(const std::vector<std::string>& texts) {
  // The client width stays as it is while nothing but measuring happens: it is read once.
  const int clientWidth = SongList.ClientWidth();
  ui::TCanvas& canvas = SongList.Canvas();
  for (const std::string& text : texts) {
    const int width = canvas.TextExtent(text).cx + 3;
    if (width > clientWidth && width > WidestEntryWidth) WidestEntryWidth = width;
  }
}

void TFormPlayer::ResetHorizontalExtent(int widthToKeep) {
  SongList.SetHorizontalExtent(0);
  WidestEntryWidth = widthToKeep;
}

}  // namespace player
