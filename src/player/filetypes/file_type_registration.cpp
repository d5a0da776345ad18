#include "player/filetypes/file_type_registration.h"

#include "player/shell/registry_values.h"
#include "ui/types.h"

namespace player {

namespace {

constexpr char kBackup[] = "MIDITunora.Bak";
constexpr char kPlayListClass[] = "MIDI Tunora MPL File";

os::RegistryKey ClassesKey(const std::string& path) { return {os::RegistryRoot::ClassesRoot, path}; }

os::RegistryKey CommandKey(const std::string& className, const char* verb) {
  return ClassesKey(className + "\\shell\\" + verb + "\\command");
}

struct Kind {
  const char* extension;
  FileTypeNotice missing;
};

const Kind kKinds[] = {
    {".avi",
     {"Vedio for Windows not available?\nYou need to install 'Vedio Compression' under Windows Setup.",
      "AVI class not found", ui::mbOK}},
    {".mid",
     {"No support for MIDI Sequence file?\nPlease install Multimedia component first under add/remove programs.",
      "MID class not found", ui::mbOK}},
    {".wav",
     {"No support for Audio file?\nInstall 'Sound Recorder' under Windows Setup", "WAV class not found", ui::mbOK}},
};

}  // namespace

std::string FileTypeRegistration::Text(const os::RegistryKey& key, const std::string& name) {
  std::string text;
  if (registry_.ReadString(key, name, text) != os::RegistryError::None) return {};
  return text;
}

std::string FileTypeRegistration::ProgramFile(const std::string& command) {
  const bool quoted = command.starts_with('"');
  std::string program = command;
  if (quoted) program = command.substr(1, command.find('"', 1) - 1);
  if (const auto cut = program.find_last_of("\\:"); cut != std::string::npos) program.erase(0, cut + 1);
  if (!quoted) program = program.substr(0, program.find(' '));
  return program;
}

std::vector<FileTypeNotice> FileTypeRegistration::Read() {
  ownOpen_ = Text(CommandKey(kPlayListClass, "open"), "");
  ownPlay_ = Text(CommandKey(kPlayListClass, "play"), "");
  std::vector<FileTypeNotice> notices;
  for (int k = 0; k < 3; ++k) {
    const Kind& kind = kKinds[k];
    states_[k] = {};
    classes_[k] = registry_.KeyExists(ClassesKey(kind.extension)) ? Text(ClassesKey(kind.extension), "") : "";
    // An extension without a class has nothing to register, as one without a key.
    if (classes_[k].empty()) {
      notices.push_back(kind.missing);
      continue;
    }
    states_[k].available = true;
    const std::string& className = classes_[k];
    registry_.CreateKey(CommandKey(className, "open"));
    if (!HasPlayerCommands() || Text(CommandKey(className, "open"), "") != ownOpen_) continue;
    registry_.CreateKey(CommandKey(className, "play"));
    states_[k].registered = Text(CommandKey(className, "play"), "") == ownPlay_;
  }
  // .rmi has no box of its own: it follows .mid when it names a class, and is left alone otherwise.
  rmiClass_ = registry_.KeyExists(ClassesKey(".rmi")) ? Text(ClassesKey(".rmi"), "") : "";
  return notices;
}

std::vector<std::string> FileTypeRegistration::Classes(MediaKind kind) const {
  std::vector<std::string> classes{classes_[static_cast<int>(kind)]};
  if (kind == MediaKind::Mid && !rmiClass_.empty()) classes.push_back(rmiClass_);
  return classes;
}

std::vector<FileTypeNotice> FileTypeRegistration::Apply(bool avi, bool mid, bool wav) {
  std::vector<FileTypeNotice> notices;
  const std::pair<MediaKind, bool> choices[] = {{MediaKind::Avi, avi}, {MediaKind::Mid, mid}, {MediaKind::Wav, wav}};
  bool refused = false;
  for (const auto& [kind, chosen] : choices) {
    if (!State(kind).available) continue;
    if (chosen && !HasPlayerCommands()) {
      refused = true;
      continue;
    }
    for (const std::string& className : Classes(kind)) {
      if (chosen) {
        Register(className);
      } else {
        Restore(className);
      }
    }
  }
  if (refused) {
    notices.push_back({"MIDI Tunora was not installed by its setup program, so it has no commands of its own to "
                       "register.\nRun setup, then register the file types again.",
                       "Warning - Register File Types", ui::mbOK | ui::mbIconWarning});
  }
  return notices;
}

void FileTypeRegistration::Register(const std::string& className) {
  for (const auto& [verb, own] : {std::pair<const char*, const std::string&>{"open", ownOpen_}, {"play", ownPlay_}}) {
    const os::RegistryKey key = CommandKey(className, verb);
    registry_.CreateKey(key);
    const std::string current = Text(key, "");
    if (current == own) continue;
    RegistryValues values(registry_, key);
    // The player's command from another folder is no command to keep: the backup stays as it is.
    if (ProgramFile(current) != ProgramFile(own)) values.WriteString(kBackup, current);
    values.WriteString("", own);
  }
}

void FileTypeRegistration::Restore(const std::string& className) {
  for (const char* verb : {"open", "play"}) {
    const os::RegistryKey key = CommandKey(className, verb);
    if (!registry_.ValueExists(key, kBackup)) continue;
    RegistryValues values(registry_, key);
    values.WriteString("", Text(key, kBackup));
    if (registry_.DeleteValue(key, kBackup) != os::RegistryError::None) {
      throw ERegistryException("Failed to set data for '" + std::string(kBackup) + "'");
    }
  }
}

}  // namespace player
