// The play list control: a list box that also reports its scroll bar messages, after it has scrolled.
#pragma once

#include <functional>

#include "ui/stdctrls.h"

namespace controls {

// The scroll bar's request codes, numbered as the window system numbers them.
enum class TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom,
                         scEndScroll };

using TScrollEvent = std::function<void(ui::TObject* sender, TScrollCode code, int& scrollPos)>;

class TScrollListBox : public ui::TListBox {
 public:
  using ui::TListBox::TListBox;
  TScrollEvent OnVScroll;
  TScrollEvent OnHScroll;

  void Scrolled(bool vertical, int code, std::uint16_t position) override;
};

}  // namespace controls
