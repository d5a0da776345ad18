// The file dialogs without windows: a test scripts what the user does in the next dialogs (types a
// name and presses OK, or cancels) and reads what each dialog was asked to show. As the system's
// dialogs do, a dialog makes its initial folder current, and completes a typed name: taken from the
// initial folder (the current folder without one), given the default extension when it has none.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "os/file_dialogs.h"
#include "os/file_system.h"

namespace os {

class FakeFileDialogs final : public FileDialogs {
 public:
  enum class Kind { Open, Save };
  struct Shown {
    Kind kind;
    FileDialogRequest request;
  };

  explicit FakeFileDialogs(FileSystem& files) : files_(files) {}

  std::optional<std::string> AskFileToOpen(const FileDialogRequest& request) override;
  std::optional<std::string> AskFileToSave(const FileDialogRequest& request) override;

  // The next dialog: the user types this name and presses OK.
  void Type(std::string name) { answers_.push_back(std::move(name)); }
  // The next dialog is cancelled; so is any dialog without a scripted answer.
  void Cancel() { answers_.push_back(std::nullopt); }

  // Every dialog shown so far, in order.
  const std::vector<Shown>& Dialogs() const { return shown_; }
  // Called while each dialog is up, before the user acts.
  std::function<void(const Shown&)> WhileShown;

 private:
  std::optional<std::string> Ask(Kind kind, const FileDialogRequest& request);

  FileSystem& files_;
  std::deque<std::optional<std::string>> answers_;
  std::vector<Shown> shown_;
};

}  // namespace os
