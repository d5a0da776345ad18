// The About box's title picture: the program's name under a staff of beamed notes, drawn on the
// image's canvas in the image's font.
#pragma once

#include "ui/canvas.h"
#include "ui/types.h"

namespace player {

constexpr ui::TSize kAboutTitleSize{188, 77};

void DrawAboutTitle(ui::TCanvas& canvas);

}  // namespace player
