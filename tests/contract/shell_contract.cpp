#include <gtest/gtest.h>

#include <set>
#include <string>

#include "shell_subject.h"

namespace {

using os::FileError;
using os::ShellLink;
using os::ShowState;
using os::SpecialFolder;

struct ShellContract : testing::Test {
  std::string In(const std::string& name) const { return subject->Folder() + "\\" + name; }

  std::unique_ptr<contract::ShellSubject> subject = contract::MakeShellSubject();
  os::Shell& shell = subject->Shell();
  os::FileSystem& files = subject->Files();
};

TEST_F(ShellContract, AFileTypeHasOneSmallIconWhateverTheNameOrItsCase) {
  const os::IconHandle wave = shell.SmallFileIcon("Tone.wav");
  ASSERT_NE(wave, 0u);
  if (const auto size = subject->IconSize(wave)) {
    EXPECT_EQ(*size, 16);
  }
  // The files need not exist: the type alone chooses the icon.
  EXPECT_EQ(shell.SmallFileIcon("C:\\Nowhere\\Other Song.WAV"), wave);
  EXPECT_EQ(shell.SmallFileIcon("x.Wav"), wave);

  const os::IconHandle midi = shell.SmallFileIcon("C:\\Media\\song.mid");
  EXPECT_NE(midi, 0u);
  EXPECT_NE(midi, wave);
  EXPECT_EQ(shell.SmallFileIcon("other.MID"), midi);
  EXPECT_NE(shell.SmallFileIcon("README"), 0u) << "a name without an extension has the plain file's icon";
  EXPECT_EQ(shell.SmallFileIcon("Tone.wav"), wave);
}

TEST_F(ShellContract, TheSpecialFoldersAreFoldersOfTheirOwn) {
  std::set<std::string> paths;
  for (const auto folder : {SpecialFolder::Programs, SpecialFolder::Desktop, SpecialFolder::ProgramFiles,
                            SpecialFolder::Windows}) {
    const std::string path = shell.SpecialFolderPath(folder);
    ASSERT_FALSE(path.empty()) << static_cast<int>(folder);
    EXPECT_FALSE(path.ends_with('\\')) << path;
    EXPECT_TRUE(files.FolderExists(path)) << path;
    paths.insert(path);
  }
  EXPECT_EQ(paths.size(), 4u);
  // English names, as an English system has them.
  EXPECT_TRUE(shell.SpecialFolderPath(SpecialFolder::Programs).ends_with("\\Programs"));
}

TEST_F(ShellContract, ALinkReadsBackAsSavedAndASecondSaveReplacesIt) {
  const std::string target = In("MIDI_Tunora.exe");
  ASSERT_EQ(files.WriteFile(target, "MZ"), FileError::None);
  const std::string link = In("MIDI Tunora 1.0.lnk");

  ASSERT_EQ(shell.SaveLink(link, {target, "MIDI Tunora Exectuable"}), FileError::None);
  EXPECT_TRUE(files.FileExists(link));
  ShellLink read;
  ASSERT_EQ(shell.LoadLink(link, read), FileError::None);
  EXPECT_EQ(read.target, target);
  EXPECT_EQ(read.description, "MIDI Tunora Exectuable");

  const std::string readMe = In("ReadMe.txt");
  ASSERT_EQ(files.WriteFile(readMe, "text"), FileError::None);
  ASSERT_EQ(shell.SaveLink(link, {readMe, "MIDI Tunora Readme"}), FileError::None);
  ASSERT_EQ(shell.LoadLink(link, read), FileError::None);
  EXPECT_EQ(read.target, readMe);
  EXPECT_EQ(read.description, "MIDI Tunora Readme");
}

TEST_F(ShellContract, ALinkIsNotSavedWithoutItsFolderUnderTooLongANameOrOverAReadOnlyFile) {
  const std::string target = In("MIDI_Tunora.exe");
  ASSERT_EQ(files.WriteFile(target, "MZ"), FileError::None);
  EXPECT_EQ(shell.SaveLink(In("Gone\\MIDI Tunora.lnk"), {target, "MIDI Tunora"}), FileError::PathNotFound);

  const std::string longest = In(std::string(259 - subject->Folder().size() - 5, 'n') + ".lnk");
  ASSERT_EQ(longest.size(), 259u);
  EXPECT_EQ(shell.SaveLink(longest + "k", {target, "MIDI Tunora"}), FileError::InvalidName);
  EXPECT_FALSE(files.FileExists(longest + "k"));

  // Wine run as root writes over a read-only file, where Windows refuses.
  if (subject->RunsOnWine()) return;
  const std::string readOnly = In("MIDI Tunora Help.lnk");
  ASSERT_EQ(files.WriteFile(readOnly, "kept"), FileError::None);
  ASSERT_EQ(files.SetAttributes(readOnly, os::FileAttributes::ReadOnly), FileError::None);
  EXPECT_EQ(shell.SaveLink(readOnly, {target, "MIDI Tunora Help"}), FileError::AccessDenied);
  std::string bytes;
  ASSERT_EQ(files.ReadFile(readOnly, bytes), FileError::None);
  EXPECT_EQ(bytes, "kept");
  ASSERT_EQ(files.SetAttributes(readOnly, os::FileAttributes::None), FileError::None);
}

TEST_F(ShellContract, OnlyALinkFileLoads) {
  ShellLink read{"kept", "kept"};
  EXPECT_EQ(shell.LoadLink(In("Gone.lnk"), read), FileError::NotFound);
  ASSERT_EQ(files.WriteFile(In("Plain.lnk"), "no link in here"), FileError::None);
  EXPECT_NE(shell.LoadLink(In("Plain.lnk"), read), FileError::None);
  EXPECT_EQ(read.target, "kept");
}

TEST_F(ShellContract, OpenStartsAProgramByItsNameInTheGivenFolder) {
  const std::string program = subject->MakeProgram("Start it.bat");
  ASSERT_EQ(shell.Open("Start it.bat", subject->Folder(), ShowState::Normal), FileError::None);
  EXPECT_TRUE(subject->Ran(program, subject->Folder()));
}

TEST_F(ShellContract, OpeningWhatIsNotThereFails) {
  EXPECT_EQ(shell.Open(In("Gone.txt"), "", ShowState::Maximized), FileError::NotFound);
  EXPECT_EQ(shell.Open("Gone.txt", subject->Folder(), ShowState::Default), FileError::NotFound);
}

}  // namespace
