#include "controls/scroll_list_box.h"

namespace controls {

void TScrollListBox::Scrolled(bool vertical, int code, std::uint16_t position) {
  const TScrollEvent& event = vertical ? OnVScroll : OnHScroll;
  if (!event) return;
  // The handler gets its own copy: whatever it stores there does not reach the list.
  int scrollPos = static_cast<std::int16_t>(position);
  event(this, static_cast<TScrollCode>(code), scrollPos);
}

}  // namespace controls
