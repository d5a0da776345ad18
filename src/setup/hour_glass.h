// The hourglass over the whole screen while setup works; the normal pointer comes back when the work
// ends, however it ends.
#pragma once

#include "ui/forms.h"

namespace setup {

class HourGlass {
 public:
  explicit HourGlass(ui::TApplication& application) : screen_(application.Screen()) {
    screen_.SetCursor(ui::TCursor::crHourGlass);
  }
  ~HourGlass() { screen_.SetCursor(ui::TCursor::crDefault); }
  HourGlass(const HourGlass&) = delete;
  HourGlass& operator=(const HourGlass&) = delete;

 private:
  ui::TScreen& screen_;
};

}  // namespace setup
