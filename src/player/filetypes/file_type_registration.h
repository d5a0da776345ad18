// The shell's open and play commands of the media kinds .avi, .mid (with .rmi) and .wav under
// HKEY_CLASSES_ROOT: whether they are the player's, making them so with the earlier command kept in
// the value "MIDITunora.Bak", and putting that command back. The player's own commands are the ones
// setup registers for the play-list class. This is what the file-type dialog shows and does.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "os/registry.h"

namespace player {

enum class MediaKind { Avi, Mid, Wav };

// A message for the caller to show in a box owned by the application window.
struct FileTypeNotice {
  std::string text;
  std::string title;
  unsigned flags;
};

class FileTypeRegistration {
 public:
  struct KindState {
    // The extension's key names a class; otherwise the kind cannot be chosen.
    bool available = false;
    // Both commands of the kind's class are the player's.
    bool registered = false;
  };

  explicit FileTypeRegistration(os::Registry& registry) : registry_(registry) {}

  // Reads the player's commands and each kind's class and state, creating a class's command keys when
  // they are missing. Returns the notices for kinds whose extension is missing, in kind order.
  std::vector<FileTypeNotice> Read();
  const KindState& State(MediaKind kind) const { return states_[static_cast<int>(kind)]; }
  // Whether setup registered the player's commands; without them nothing can be registered.
  bool HasPlayerCommands() const { return !ownOpen_.empty() && !ownPlay_.empty(); }

  // Registers each available kind that is chosen and restores each one that is not: .avi, .mid (its
  // class, then the class of .rmi) and .wav. Without commands of its own nothing is registered, and the
  // notice returned says so; restoring needs none. Throws ERegistryException when a write fails.
  std::vector<FileTypeNotice> Apply(bool avi, bool mid, bool wav);

  // The part of a command that names the program's file: quotes around the program taken off, the
  // text after the last backslash or colon, up to the first blank of an unquoted command.
  static std::string ProgramFile(const std::string& command);

 private:
  // The class names of a kind: one, or for .mid also the class of .rmi.
  std::vector<std::string> Classes(MediaKind kind) const;
  void Register(const std::string& className);
  void Restore(const std::string& className);
  // A command as text; one that is missing or cannot be read is empty.
  std::string Text(const os::RegistryKey& key, const std::string& name);

  os::Registry& registry_;
  std::string ownOpen_, ownPlay_;
  std::array<std::string, 3> classes_;
  std::string rmiClass_;
  std::array<KindState, 3> states_;
};

}  // namespace player
