// The setup program's steps on a headless application with the fake services: a source folder that
// holds every file to install, with setup started from it, and helpers that read back what reached the
// disk, the registry and the user.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "os/registry.h"
#include "setup/setup_state.h"
#include "support/headless_app.h"

namespace testing_support {

class SetupMachine {
 public:
  // The folder with the files to install and setup.exe, the current folder as setup starts.
  static constexpr char kSourceFolder[] = "C:\\Setup Disk";
  // The installation folder most tests choose, with blanks in its name.
  static constexpr char kTargetFolder[] = "C:\\Program Files\\MIDI Tunora";
  static constexpr char kProgramsFolder[] = "C:\\Users\\Player\\Start Menu\\Programs";
  static constexpr char kDesktopFolder[] = "C:\\Users\\Player\\Desktop";

  SetupMachine();
  SetupMachine(const SetupMachine&) = delete;
  SetupMachine& operator=(const SetupMachine&) = delete;

  // The bytes the source folder's file of that name holds.
  static std::string SourceBytes(const std::string& name) { return "bytes of " + name; }
  // A file's bytes, or "<missing>".
  std::string Bytes(const std::string& path);
  // A value as text, or "<missing>".
  std::string Value(const os::RegistryKey& key, const std::string& name = "");

  // The message boxes shown so far, as "title: text".
  std::vector<std::string> Shown() const;
  const std::vector<ui::HeadlessBackend::Box>& Boxes() const { return env.backend.Boxes(); }

  // The whole installation as a user who accepts every proposal goes through it, into the folder and
  // the group given, answering the desktop question as given. Fails the test at a step that fails.
  void Install(const std::string& targetFolder = kTargetFolder, const std::string& groupName = "MIDI Tunora",
               bool desktopShortcut = true);

  HeadlessApp env;
  setup::SetupState state;
};

class SetupFixture : public ::testing::Test, public SetupMachine {};

}  // namespace testing_support
