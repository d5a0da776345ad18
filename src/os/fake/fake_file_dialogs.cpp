#include "os/fake/fake_file_dialogs.h"

#include "base/text.h"

namespace os {

namespace {

bool IsRelative(const std::string& name) {
  const bool rooted = name.starts_with("\\") || name.starts_with("/");
  const bool drive = name.size() >= 3 && name[1] == ':' && (name[2] == '\\' || name[2] == '/');
  return !rooted && !drive;
}

}  // namespace

std::optional<std::string> FakeFileDialogs::AskFileToOpen(const FileDialogRequest& request) {
  return Ask(Kind::Open, request);
}

std::optional<std::string> FakeFileDialogs::AskFileToSave(const FileDialogRequest& request) {
  return Ask(Kind::Save, request);
}

std::optional<std::string> FakeFileDialogs::Ask(Kind kind, const FileDialogRequest& request) {
  shown_.push_back({kind, request});
  // The dialog makes the folder it shows current, and leaves it so.
  if (!request.initialFolder.empty()) files_.SetCurrentFolder(request.initialFolder);
  if (WhileShown) WhileShown(shown_.back());
  if (answers_.empty() || !answers_.front()) {
    if (!answers_.empty()) answers_.pop_front();
    return std::nullopt;
  }
  std::string name = *answers_.front();
  answers_.pop_front();
  if (IsRelative(name) && !request.initialFolder.empty()) name = request.initialFolder + "\\" + name;
  std::string full = files_.FullPath(name);
  if (base::FileExtension(full).empty() && !request.defaultExtension.empty()) full += "." + request.defaultExtension;
  return full;
}

}  // namespace os
