// The backend without windows: no peers; it records what a user would have seen (message boxes, modal
// forms, the cursor, the task-bar text), answers message boxes from a script and lets the test act as
// the user in a modal form.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/backend.h"

namespace ui {

class HeadlessBackend final : public Backend {
 public:
  struct Box {
    std::string text, caption;
    unsigned flags;
  };

  std::unique_ptr<MessageWindowPeer> CreateMessageWindow(MessageHandler handler) override;
  std::unique_ptr<TCanvas> CreateCanvas(TControl& control) override;

  std::uintptr_t LoadIconFile(const std::string& fileName) override;
  std::uintptr_t LoadIconResource(const std::string& name) override;
  std::uintptr_t CreateIconFromPicture(const std::string& picture) override;
  void DestroyIcon(std::uintptr_t icon) override { icons_.erase(icon); }
  // What an icon handle was made from ("file:NAME", "resource:NAME", "picture:N"); "" when unknown.
  std::string IconSource(std::uintptr_t icon) const;
  // Names that LoadIconFile and LoadIconResource cannot load.
  std::vector<std::string> MissingIcons;

  int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
  // Answers for the next message boxes, in order; without one a box takes its default button.
  void AnswerNext(int answer) { answers_.push_back(answer); }
  const std::vector<Box>& Boxes() const { return boxes_; }
  void ClearBoxes() { boxes_.clear(); }
  // Called while each message box is up, before it is answered.
  std::function<void(const Box&)> WhileBoxShown;

  // A modal form's run: the form is recorded, then OnModalShown acts as the user in it. A run that this
  // leaves going ends with mrCancel, as when the user closes the form.
  void RunModal(TForm& form, const std::function<bool()>& ended) override;
  std::function<void(TForm&)> OnModalShown;
  // The names of the modal forms shown so far, in order.
  const std::vector<std::string>& ModalForms() const { return modalForms_; }

  void SetCursor(TCursor cursor) override { cursors_.push_back(cursor); }
  const std::vector<TCursor>& CursorHistory() const { return cursors_; }
  void ShowDragCursor(TCursor cursor) override { dragCursors_.push_back(cursor); }
  const std::vector<TCursor>& DragCursorHistory() const { return dragCursors_; }
  TPoint CursorPos() override { return cursorPos; }
  TSize ScreenSize() override { return screenSize; }
  TPoint cursorPos{0, 0};
  TSize screenSize{1024, 768};
  int ScrollBarWidth() override { return scrollBarWidth; }
  int ScrollBarHeight() override { return scrollBarHeight; }
  int scrollBarWidth = 16, scrollBarHeight = 16;

  void SetApplicationTitle(const std::string& title) override { applicationTitle = title; }
  void ShowApplicationWindow(bool show) override { applicationWindowShown = show; }
  void BringApplicationToFront() override { ++broughtToFront; }
  std::string applicationTitle;
  bool applicationWindowShown = true;
  int broughtToFront = 0;

 private:
  std::uintptr_t NewIcon(const std::string& source);
  std::deque<int> answers_;
  std::vector<Box> boxes_;
  std::vector<std::string> modalForms_;
  std::vector<TCursor> cursors_;
  std::vector<TCursor> dragCursors_;
  std::map<std::uintptr_t, std::string> icons_;
  std::uintptr_t nextIcon_ = 0x100;
  std::uintptr_t nextWindow_ = 0x10000;
};

}  // namespace ui
