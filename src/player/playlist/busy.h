// Guards for long work on the play list: the hourglass over the whole screen, and a run of changes to
// a list that its window sees as one. Both end whatever ends the work, an error included.
#pragma once

#include "ui/forms.h"
#include "ui/stdctrls.h"

namespace player {

class HourGlass {
 public:
  HourGlass() { ui::Application().Screen().SetCursor(ui::TCursor::crHourGlass); }
  ~HourGlass() { ui::Application().Screen().SetCursor(ui::TCursor::crDefault); }
  HourGlass(const HourGlass&) = delete;
  HourGlass& operator=(const HourGlass&) = delete;
};

class ListUpdate {
 public:
  explicit ListUpdate(ui::TListBox& list) : list_(list) { list_.BeginUpdate(); }
  ~ListUpdate() { list_.EndUpdate(); }
  ListUpdate(const ListUpdate&) = delete;
  ListUpdate& operator=(const ListUpdate&) = delete;

 private:
  ui::TListBox& list_;
};

}  // namespace player
