// setup.exe under Wine, driven from outside with real mouse and keyboard input: an installation from
// the installation folder that make dist lays out into a folder with blanks in its name, the player
// started from the finish page, the media types registered by the player's own registration, then the
// uninstallation that the system's list of installed programs starts. What happened is read back from
// the files, the shortcuts and the registry.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "os/win32/win32_file_system.h"
#include "os/win32/win32_registry.h"
#include "os/win32/win32_shell.h"
#include "player/filetypes/file_type_registration.h"
#include "real_input.h"
#include "saved_key.h"
#include "running_program.h"

namespace e2e {
namespace {

using os::RegistryKey;
using os::RegistryRoot;

const char* const kInstalled[] = {"MIDI_Tunora.exe",     "Mtunora.chm", "ReadMe.txt", "File_id.diz",
                                  "Quiet_Tidewater.mid", "The Lamplighter and The Clock.mid"};
const char* const kResetFiles[] = {"Gm_reset.mid", "Gs_reset.mid", "Xg_reset.mid"};

const RegistryKey kPlayerKey{RegistryRoot::CurrentUser, "SOFTWARE\\Fernwick\\MIDI Tunora"};
const RegistryKey kMachineKey{RegistryRoot::LocalMachine, "SOFTWARE\\Fernwick"};
const RegistryKey kUserMakerKey{RegistryRoot::CurrentUser, "SOFTWARE\\Fernwick"};
const RegistryKey kPlayListClass{RegistryRoot::ClassesRoot, "MIDI Tunora MPL File"};
const RegistryKey kPlayListExtension{RegistryRoot::ClassesRoot, ".mpl"};
const RegistryKey kEntry{RegistryRoot::LocalMachine,
                         "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\MIDI Tunora"};

// The media types of a machine before the player: a class each with another program's commands; the
// class of .avi has an open command only.
struct MediaType {
  const char* extension;
  const char* className;
  const char* open;
  const char* play;  // "" for none
};
const MediaType kMediaTypes[] = {
    {".avi", "Tunora E2E avifile", "C:\\windows\\system32\\viewer.exe \"%1\"", ""},
    {".mid", "Tunora E2E midfile", "C:\\windows\\system32\\mplayer.exe /open \"%1\"",
     "C:\\windows\\system32\\mplayer.exe /play /close \"%1\""},
    {".rmi", "Tunora E2E midfile", "", ""},
    {".wav", "Tunora E2E soundrec", "C:\\windows\\system32\\sndrec32.exe /open \"%1\"",
     "C:\\windows\\system32\\sndrec32.exe /play /close \"%1\""},
};

RegistryKey Classes(const std::string& path) { return {RegistryRoot::ClassesRoot, path}; }
RegistryKey Command(const std::string& className, const char* verb) {
  return Classes(className + "\\shell\\" + verb + "\\command");
}

std::string SpecialFolder(int id) {
  char path[MAX_PATH] = {};
  return SHGetFolderPathA(nullptr, id, nullptr, SHGFP_TYPE_CURRENT, path) == S_OK ? path : "";
}

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

std::string StripAmpersands(std::string text) {
  std::erase(text, '&');
  return text;
}

struct TopLevelSearch {
  const std::function<bool(HWND)>& wanted;
  HWND found = nullptr;
};

BOOL CALLBACK CheckTopLevel(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<TopLevelSearch*>(data);
  if (!IsWindowVisible(window) || !search.wanted(window)) return TRUE;
  search.found = window;
  return FALSE;
}

// A visible top-level window of any process that the test wants; nullptr for none.
HWND FindTopLevel(const std::function<bool(HWND)>& wanted) {
  TopLevelSearch search{wanted};
  EnumWindows(CheckTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

BOOL CALLBACK DescribeTopLevel(HWND window, LPARAM data) {
  if (!IsWindowVisible(window)) return TRUE;
  RECT r{};
  GetWindowRect(window, &r);
  *reinterpret_cast<std::string*>(data) += ClassName(window) + " '" + WindowText(window) + "' " +
                                           std::to_string(r.left) + "," + std::to_string(r.top) + "-" +
                                           std::to_string(r.right) + "," + std::to_string(r.bottom) + "\n";
  return TRUE;
}

// The visible top-level windows from the top down, for failure messages.
std::string DescribeTopLevels() {
  std::string description;
  EnumWindows(DescribeTopLevel, reinterpret_cast<LPARAM>(&description));
  return description;
}

// Closes a window of another program and waits until it has gone.
bool CloseTopLevel(HWND window) {
  PostMessageA(window, WM_CLOSE, 0, 0);
  return WaitFor([&] { return !IsWindow(window) || !IsWindowVisible(window); }, 10s);
}

// Closes a window of another program and waits for that program to end.
bool CloseProgramOf(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
  PostMessageA(window, WM_CLOSE, 0, 0);
  if (!process) return false;
  const bool ended = WaitForSingleObject(process, 10000) == WAIT_OBJECT_0;
  CloseHandle(process);
  return ended;
}

class SetupEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* setup = std::getenv("TUNORA_SETUP_EXE");
    ASSERT_NE(setup, nullptr) << "TUNORA_SETUP_EXE must name setup.exe in the dist folder (run-e2e sets it)";
    setupExe_ = setup;
    distFolder_ = setupExe_.substr(0, setupExe_.rfind('\\'));
    CoInitialize(nullptr);
    target_ = SpecialFolder(CSIDL_PROGRAM_FILES) + "\\MIDI Tunora E2E";
    group_ = SpecialFolder(CSIDL_PROGRAMS) + "\\MIDI Tunora";
    desktopLink_ = SpecialFolder(CSIDL_DESKTOPDIRECTORY) + "\\MIDI Tunora.lnk";
    ASSERT_NE(target_.find(' '), std::string::npos) << "the folder must have blanks: " << target_;
    CleanUp();
    // The prefix's own media types come back when the test ends.
    for (const MediaType& type : kMediaTypes) {
      prefixTypes_.push_back(std::make_unique<SavedKey>(HKEY_CLASSES_ROOT, type.extension));
    }
    // Text files open in the text viewer, as on any Windows; Wine's fresh prefix may lack the extension.
    if (!registry_.KeyExists(Classes(".txt"))) {
      addedText_ = true;
      registry_.CreateKey(Classes(".txt"));
      registry_.WriteString(Classes(".txt"), "", "txtfile");
    }
    for (const MediaType& type : kMediaTypes) {
      registry_.CreateKey(Classes(type.extension));
      registry_.WriteString(Classes(type.extension), "", type.className);
      for (const auto& [verb, command] : {std::pair{"open", type.open}, std::pair{"play", type.play}}) {
        if (*command == '\0') continue;
        registry_.CreateKey(Command(type.className, verb));
        registry_.WriteString(Command(type.className, verb), "", command);
      }
    }
  }
  void TearDown() override {
    CleanUp();
    for (const MediaType& type : kMediaTypes) {
      registry_.DeleteKey(Classes(type.extension));
      registry_.DeleteKey(Classes(type.className));
    }
    if (addedText_) registry_.DeleteKey(Classes(".txt"));
    CoUninitialize();
  }
  void CleanUp() {
    for (const RegistryKey& key : {kPlayerKey, kMachineKey, kPlayListClass, kPlayListExtension, kEntry}) {
      registry_.DeleteKey(key);
    }
    if (registry_.KeyIsEmpty(kUserMakerKey)) registry_.DeleteKey(kUserMakerKey);
    RemoveTree(target_);
    RemoveTree(group_);
    DeleteFileA(desktopLink_.c_str());
  }

  std::string Text(const RegistryKey& key, const std::string& name = "") {
    std::string text;
    if (registry_.ReadString(key, name, text) != os::RegistryError::None) return "<missing>";
    return text;
  }
  std::string LinkTarget(const std::string& link) {
    os::ShellLink read;
    if (shell_.LoadLink(link, read) != os::FileError::None) return "<no link>";
    return read.target;
  }

  // Waits for the program's top-level window of that caption (no message box).
  static HWND WaitForWindow(const RunningProgram& program, const std::string& caption) {
    HWND found = nullptr;
    WaitFor(
        [&] {
          for (HWND window : program.TopLevelWindows()) {
            if (ClassName(window) != "#32770" && WindowText(window) == caption) found = window;
          }
          return found || program.HasExited();
        },
        20s);
    return found;
  }
  // The child control with this text, '&' ignored; fails the test when there is not exactly one.
  static HWND Control(HWND parent, const std::string& text) {
    std::vector<HWND> found;
    for (HWND child : Descendants(parent)) {
      if (StripAmpersands(WindowText(child)) == StripAmpersands(text)) found.push_back(child);
    }
    EXPECT_EQ(found.size(), 1u) << text << " in\n" << DescribeDescendants(parent);
    return found.empty() ? nullptr : found[0];
  }
  // Waits for the program's message box, checks its title, and clicks its button of that text.
  static std::string Answer(const RunningProgram& program, const std::string& title, const std::string& button) {
    const MessageBoxView box = program.WaitForMessageBox();
    EXPECT_NE(box.window, nullptr) << "no message box " << title;
    if (!box.window) return "";
    EXPECT_EQ(box.title, title) << box.text;
    EXPECT_TRUE(input::Click(Control(box.window, button)));
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box.window) || !IsWindowVisible(box.window); }, 10s));
    return box.text;
  }

  std::string setupExe_, distFolder_, target_, group_, desktopLink_;
  bool addedText_ = false;
  std::vector<std::unique_ptr<SavedKey>> prefixTypes_;
  os::Win32Registry registry_;
  os::Win32Shell shell_;
  os::Win32FileSystem files_;
};

TEST_F(SetupEndToEnd, InstallIntoAFolderWithBlanksThenUninstallFromTheListOfInstalledPrograms) {
  // --- Installation, started in the installation folder that make dist lays out.
  {
    RunningProgram setup(setupExe_, "", distFolder_);
    ASSERT_TRUE(setup.Started());
    HWND welcome = WaitForWindow(setup, "MIDI Tunora Setup");
    ASSERT_NE(welcome, nullptr) << "no welcome window; exited: " << setup.HasExited();
    ASSERT_TRUE(input::Click(Control(welcome, "&Continue")));

    HWND folder = WaitForWindow(setup, "Create Program Files Folder");
    ASSERT_NE(folder, nullptr);
    HWND edit = nullptr;
    for (HWND child : Descendants(folder)) {
      if (ClassName(child) == "TunoraEdit" || ClassName(child) == "Edit") edit = child;
    }
    ASSERT_NE(edit, nullptr) << DescribeDescendants(folder);
    EXPECT_EQ(WindowText(edit), "C:\\MIDITunora") << "the Windows drive's root and the default name";
    ASSERT_TRUE(input::Click(edit));
    ASSERT_TRUE(input::Keys("End shift+Home"));
    ASSERT_TRUE(input::Type(target_));
    ASSERT_TRUE(WaitFor([&] { return WindowText(edit) == target_; }, 5s)) << WindowText(edit);
    ASSERT_TRUE(input::Keys("Return"));
    EXPECT_EQ(Answer(setup, "Tasks Complete", "OK"), "Installer has successfully created directory and copied files.");

    HWND group = WaitForWindow(setup, "Create MIDI Tunora Program Group");
    ASSERT_NE(group, nullptr);
    ASSERT_TRUE(input::Click(Control(group, "&Continue")));
    EXPECT_EQ(Answer(setup, "Create Shortcut", "&Yes"), "Do you want to create a shortcut to MIDI Tunora on desktop?");

    HWND finish = WaitForWindow(setup, "MIDI Tunora Installation Complete");
    ASSERT_NE(finish, nullptr);
    // The user closes the Explorer window that shows the new group.
    HWND explorer = nullptr;
    EXPECT_TRUE(WaitFor(
        [&] { return (explorer = FindTopLevel([](HWND w) { return ClassName(w) == "ExplorerWClass"; })) != nullptr; },
        20s));
    if (explorer) {
      EXPECT_EQ(WindowText(explorer), "MIDI Tunora");
      EXPECT_TRUE(CloseTopLevel(explorer));
    }
    EXPECT_EQ(SendMessageA(Control(finish, "View ReadMe.txt"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(Control(finish, "Launch MIDI Tunora"), BM_GETCHECK, 0, 0), BST_CHECKED);
    ASSERT_TRUE(input::Click(Control(finish, "&Finish")));
    EXPECT_TRUE(WaitFor([&] { return setup.HasExited(); }, 20s))
        << "setup ends once the player has started; the windows:\n" << DescribeTopLevels();
  }

  // The player's first start offers the file types first; the user leaves them as they are.
  HWND fileTypes = nullptr;
  EXPECT_TRUE(WaitFor(
      [&] {
        fileTypes = FindTopLevel([](HWND w) { return WindowText(w) == "MIDI Tunora File Types Registration"; });
        return fileTypes != nullptr;
      },
      30s))
      << DescribeTopLevels();
  if (fileTypes) {
    EXPECT_TRUE(input::Click(Control(fileTypes, "Cancel")));
  }

  // The read-me in a text viewer, and the player with its reset files found at its first start.
  HWND player = nullptr;
  EXPECT_TRUE(WaitFor(
      [&] {
        player = FindTopLevel([](HWND w) { return WindowText(w) == "MIDI Tunora 1.0" && GetMenu(w); });
        return player != nullptr;
      },
      30s))
      << DescribeTopLevels();
  HWND readMe = nullptr;
  EXPECT_TRUE(WaitFor(
      [&] {
        readMe = FindTopLevel([](HWND w) { return WindowText(w).find("ReadMe.txt") != std::string::npos; });
        return readMe != nullptr;
      },
      30s));
  if (readMe) {
    EXPECT_TRUE(CloseTopLevel(readMe));
  }
  ASSERT_NE(player, nullptr) << "the player did not start";
  EXPECT_TRUE(CloseProgramOf(player));
  // The player stores its options as it ends: GM stays chosen, as designed, only with its reset file found.
  const RegistryKey options{RegistryRoot::CurrentUser, "SOFTWARE\\Fernwick\\MIDI Tunora\\Options"};
  std::uint32_t gm = 0;
  EXPECT_EQ(registry_.ReadInteger(options, "GM", gm), os::RegistryError::None);
  EXPECT_EQ(gm, 1u);

  // --- The files, the shortcuts and the registry.
  for (const char* name : kInstalled) {
    std::string installed, shipped;
    EXPECT_EQ(files_.ReadFile(target_ + "\\" + name, installed), os::FileError::None) << name;
    files_.ReadFile(distFolder_ + "\\" + name, shipped);
    EXPECT_EQ(installed, shipped) << name;
  }
  for (const char* name : kResetFiles) EXPECT_TRUE(files_.FileExists(target_ + "\\Reset\\" + name)) << name;
  EXPECT_TRUE(files_.FileExists(target_ + "\\setup.exe"));
  EXPECT_EQ(LinkTarget(group_ + "\\MIDI Tunora 1.0.lnk"), target_ + "\\MIDI_Tunora.exe");
  EXPECT_EQ(LinkTarget(group_ + "\\MIDI Tunora Help.lnk"), target_ + "\\Mtunora.chm");
  EXPECT_EQ(LinkTarget(group_ + "\\MIDI Tunora ReadMe.lnk"), target_ + "\\ReadMe.txt");
  EXPECT_EQ(LinkTarget(desktopLink_), target_ + "\\MIDI_Tunora.exe");

  const std::string open = "\"" + target_ + "\\MIDI_Tunora.exe\" \"%1\"";
  const std::string play = "\"" + target_ + "\\MIDI_Tunora.exe\" /play /close \"%1\"";
  EXPECT_EQ(Text(Command("MIDI Tunora MPL File", "open")), open);
  EXPECT_EQ(Text(Command("MIDI Tunora MPL File", "play")), play);
  EXPECT_EQ(Text(kPlayListExtension), "MIDI Tunora MPL File");
  EXPECT_EQ(Text({RegistryRoot::CurrentUser, "SOFTWARE\\Fernwick\\MIDI Tunora\\Folder"}), target_);
  EXPECT_EQ(Text({RegistryRoot::CurrentUser, "SOFTWARE\\Fernwick\\MIDI Tunora\\Group"}), group_);
  EXPECT_EQ(Text({RegistryRoot::LocalMachine, "SOFTWARE\\Fernwick\\MIDI Tunora\\Version"}), "1.0");
  const std::string uninstall = Text(kEntry, "UninstallString");
  EXPECT_EQ(uninstall, "\"" + target_ + "\\setup.exe\" /uninstall");

  // --- The player makes itself the media types' program, keeping their commands.
  player::FileTypeRegistration registration(registry_);
  registration.Read();
  registration.Apply(true, true, true);
  EXPECT_EQ(Text(Command("Tunora E2E midfile", "play")), play);
  EXPECT_EQ(Text(Command("Tunora E2E midfile", "play"), "MIDITunora.Bak"), kMediaTypes[1].play);

  // --- Uninstallation, as the list of installed programs starts it.
  {
    const std::string exe = uninstall.substr(1, uninstall.find('"', 1) - 1);
    RunningProgram setup(exe, uninstall.substr(uninstall.find('"', 1) + 2));
    ASSERT_TRUE(setup.Started());
    HWND welcome = WaitForWindow(setup, "MIDI Tunora Setup");
    ASSERT_NE(welcome, nullptr);
    EXPECT_EQ(SendMessageA(Control(welcome, "Uninstall MIDI Tunora"), BM_GETCHECK, 0, 0), BST_CHECKED);
    ASSERT_TRUE(input::Click(Control(welcome, "&Continue")));
    EXPECT_EQ(Answer(setup, "Uninstallation Complete", "OK"), "Uninstaller has removed MIDI Tunora from your system.");
    EXPECT_EQ(Answer(setup, "Notice - Directory Remain", "OK"),
              "In case you may lose your important files in MIDI Tunora directory.\nUninstaller didn't remove "
              "directory '" + target_ + "'\nYou may check it and manually delete it with Explorer.");
    EXPECT_TRUE(WaitFor([&] { return setup.HasExited(); }, 10s));
  }

  for (const char* name : kInstalled) EXPECT_FALSE(files_.FileExists(target_ + "\\" + name)) << name;
  for (const char* name : kResetFiles) EXPECT_FALSE(files_.FileExists(target_ + "\\Reset\\" + name)) << name;
  EXPECT_TRUE(files_.FolderExists(target_ + "\\Reset")) << "the installation folder stays";
  EXPECT_TRUE(files_.FileExists(target_ + "\\setup.exe")) << "the running uninstaller's own file stays";
  EXPECT_FALSE(files_.FolderExists(group_));
  EXPECT_FALSE(files_.FileExists(desktopLink_));
  for (const RegistryKey& key : {kPlayerKey, kMachineKey, kPlayListClass, kPlayListExtension, kEntry}) {
    EXPECT_FALSE(registry_.KeyExists(key)) << key.path;
  }
  for (const MediaType& type : kMediaTypes) {
    if (*type.open) {
      EXPECT_EQ(Text(Command(type.className, "open")), type.open) << type.extension;
    }
    if (*type.play) {
      EXPECT_EQ(Text(Command(type.className, "play")), type.play) << type.extension;
    }
    EXPECT_FALSE(registry_.ValueExists(Command(type.className, "open"), "MIDITunora.Bak")) << type.extension;
    EXPECT_FALSE(registry_.ValueExists(Command(type.className, "play"), "MIDITunora.Bak")) << type.extension;
  }
}

}  // namespace
}  // namespace e2e
