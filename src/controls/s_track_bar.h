// The position track bar: a track bar whose mouse press and release reach the form. Every control has
// the mouse events; this class exists so the form says which track bar binds them.
#pragma once

#include "ui/stdctrls.h"

namespace controls {

class TSTrackBar : public ui::TTrackBar {
 public:
  using ui::TTrackBar::TTrackBar;
};

}  // namespace controls
