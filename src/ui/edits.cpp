#include "ui/edits.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace ui {

TEdit::TEdit(TComponent* owner, std::string name) : TWinControl(owner, std::move(name)) {
  SetTabStop(true);
  SetColor(clWindow);
}

TEdit::~TEdit() {
  if (upDown_) upDown_->associate_ = nullptr;
}

std::unique_ptr<Peer> TEdit::MakePeer(Backend& backend) { return backend.CreatePeer(*this); }

void TEdit::SetText(const std::string& text) {
  if (text == Text()) return;
  SetCaption(text);
  Select(0, 0);
  Change();
}

void TEdit::SetReadOnly(bool readOnly) {
  if (readOnly == readOnly_) return;
  readOnly_ = readOnly;
  Changed(Change::Style);
}

void TEdit::SetBorderStyle(TBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  Changed(Change::Style);
}

void TEdit::SetCtl3D(bool ctl3D) {
  if (ctl3D == ctl3D_) return;
  ctl3D_ = ctl3D;
  Changed(Change::Style);
}

void TEdit::Select(int start, int length) {
  const int size = static_cast<int>(Text().size());
  start = std::clamp(start, 0, size);
  length = std::clamp(length, 0, size - start);
  if (start == selStart_ && length == selLength_) return;
  selStart_ = start;
  selLength_ = length;
  Changed(Change::Selection);
}

void TEdit::SetSelStart(int start) { Select(start, 0); }
void TEdit::SetSelLength(int length) { Select(selStart_, length); }
void TEdit::SelectAll() { Select(0, static_cast<int>(Text().size())); }

void TEdit::Change() {
  if (OnChange) OnChange(this);
}

void TEdit::DoEnter() {
  if (AutoSelect) SelectAll();
  TWinControl::DoEnter();
}

void TEdit::KeyDown(std::uint16_t& key, TShiftState shift) {
  TWinControl::KeyDown(key, shift);
  if (upDown_ && (key == vkUp || key == vkDown)) {
    upDown_->UserClick(key == vkUp ? TUDBtnType::btNext : TUDBtnType::btPrev);
    key = 0;
  }
}

void TEdit::TextEdited(const std::string& text, int selStart, int selLength) {
  if (text == Text()) {
    Select(selStart, selLength);
    return;
  }
  SetCaption(text);
  Select(selStart, selLength);
  Change();
}

void TEdit::SelectionMoved(int selStart, int selLength) { Select(selStart, selLength); }

void TEdit::UserType(const std::string& characters) {
  for (const char typed : characters) {
    char key = typed;
    KeyPress(key);
    if (key == 0 || readOnly_) continue;
    std::string text = Text();
    int start = selStart_, length = selLength_;
    if (key == '\b') {
      if (length == 0) {
        if (start == 0) continue;
        --start;
        length = 1;
      }
      text.erase(start, length);
      TextEdited(text, start, 0);
    } else if (static_cast<unsigned char>(key) >= ' ') {
      text.replace(start, length, 1, key);
      TextEdited(text, start + 1, 0);
    }
    // Other control characters (Enter, Esc) are no text in a one-line box.
  }
}

TUpDown::~TUpDown() {
  if (associate_) associate_->upDown_ = nullptr;
}

std::unique_ptr<Peer> TUpDown::MakePeer(Backend& backend) { return backend.CreatePeer(*this); }

void TUpDown::SetMin(int v) {
  if (v == min_) return;
  min_ = v;
  max_ = std::max(max_, min_);
  Changed(Change::Range);
  SetPosition(position_);
}

void TUpDown::SetMax(int v) {
  if (v == max_) return;
  max_ = v;
  min_ = std::min(min_, max_);
  Changed(Change::Range);
  SetPosition(position_);
}

int TUpDown::Position() const {
  if (!associate_) return position_;
  // As the system reads a buddy's number: blanks before it, a sign, digits and nothing after them.
  const std::string& text = associate_->Text();
  std::size_t at = 0;
  while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
  if (at < text.size() && text[at] == '+') ++at;
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data() + at, end, value);
  if (error == std::errc() && stop == end && value >= min_ && value <= max_) position_ = value;
  return position_;
}

void TUpDown::SetPosition(int v) {
  v = std::clamp(v, min_, max_);
  const bool moved = v != position_;
  position_ = v;
  // The associate first: reading the position takes its text.
  ShowPosition();
  if (moved) Changed(Change::Position);
}

void TUpDown::ShowPosition() {
  if (associate_) associate_->SetText(std::to_string(position_));
}

void TUpDown::SetAssociate(TEdit* edit) {
  if (edit == associate_) return;
  if (associate_) associate_->upDown_ = nullptr;
  associate_ = edit;
  if (!associate_) return;
  if (associate_->upDown_) associate_->upDown_->associate_ = nullptr;
  associate_->upDown_ = this;
  constexpr int kDefaultWidth = 15;
  SetBounds(edit->Left() + edit->Width(), edit->Top(), Width() ? Width() : kDefaultWidth, edit->Height());
  ShowPosition();
}

void TUpDown::UserClick(TUDBtnType button) {
  const int from = Position();
  int to = button == TUDBtnType::btNext ? from + Increment : from - Increment;
  if (to > max_) to = Wrap ? min_ : max_;
  if (to < min_) to = Wrap ? max_ : min_;
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  if (!allow) return;
  SetPosition(to);
  Click();
}

}  // namespace ui
