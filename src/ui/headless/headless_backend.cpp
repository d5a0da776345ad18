#include "ui/headless/headless_backend.h"

#include <algorithm>

#include "ui/forms.h"
#include "ui/headless/raster_canvas.h"
#include "ui/types.h"

namespace ui {

std::unique_ptr<TCanvas> HeadlessBackend::CreateCanvas(TControl& control) {
  return std::make_unique<RasterCanvas>(control);
}

namespace {
// Without windows the handle is only a name the shell records; messages come from the test.
class HeadlessMessageWindow final : public MessageWindowPeer {
 public:
  explicit HeadlessMessageWindow(std::uintptr_t handle) : handle_(handle) {}
  std::uintptr_t Handle() const override { return handle_; }

 private:
  std::uintptr_t handle_;
};
}  // namespace

std::unique_ptr<MessageWindowPeer> HeadlessBackend::CreateMessageWindow(MessageHandler) {
  return std::make_unique<HeadlessMessageWindow>(nextWindow_++);
}

std::uintptr_t HeadlessBackend::NewIcon(const std::string& source) {
  icons_[nextIcon_] = source;
  return nextIcon_++;
}

std::uintptr_t HeadlessBackend::LoadIconFile(const std::string& fileName) {
  if (std::ranges::count(MissingIcons, fileName)) return 0;
  return NewIcon("file:" + fileName);
}

std::uintptr_t HeadlessBackend::LoadIconResource(const std::string& name) {
  if (std::ranges::count(MissingIcons, name)) return 0;
  return NewIcon("resource:" + name);
}

std::uintptr_t HeadlessBackend::CreateIconFromPicture(const std::string& picture) {
  return NewIcon("picture:" + std::to_string(std::hash<std::string>{}(picture)));
}

std::string HeadlessBackend::IconSource(std::uintptr_t icon) const {
  const auto it = icons_.find(icon);
  return it == icons_.end() ? std::string() : it->second;
}

int HeadlessBackend::ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  boxes_.push_back({text, caption, flags});
  if (WhileBoxShown) WhileBoxShown(boxes_.back());
  if (!answers_.empty()) {
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  const bool second = flags & mbDefButton2;
  switch (flags & 0xF) {
    case mbOKCancel: return second ? mrCancel : mrOk;
    case mbYesNo:
    case mbYesNoCancel: return second ? mrNo : mrYes;
    default: return mrOk;
  }
}

void HeadlessBackend::RunModal(TForm& form, const std::function<bool()>& ended) {
  modalForms_.push_back(form.Name());
  if (OnModalShown) OnModalShown(form);
  Backend::RunModal(form, ended);
}

}  // namespace ui
