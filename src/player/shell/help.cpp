// The help: the application's help file, or the compiled help shipped beside the player, shown by the
// system's help viewer.
#include "player/form_player.h"

namespace player {

namespace {

constexpr const char* kHelpFileName = "Mtunora.chm";

}  // namespace

std::string TFormPlayer::HelpFileToShow() {
  os::FileSystem& files = ui::Application().Services().files;
  const std::string& given = ui::Application().HelpFile;
  if (!given.empty() && files.FileExists(given)) return given;
  // Without an installation folder there is nothing to look in but the program's own folder.
  for (const std::string& folder : {ProgramFolder, files.ProgramFileFolder()}) {
    if (folder.empty()) continue;
    const std::string file = folder + "\\" + kHelpFileName;
    if (files.FileExists(file)) return file;
  }
  return {};
}

void TFormPlayer::ShowHelpTopic(std::uint32_t topic) {
  ui::TApplication& application = ui::Application();
  const std::string file = HelpFileToShow();
  if (file.empty()) {
    application.ShowMessageBox(std::string("Cannot find the help file ") + kHelpFileName + ".", "Error - Help",
                               ui::mbOK | ui::mbIconError);
  } else if (!application.Services().help->ShowTopic(Handle(), file, topic)) {
    application.ShowMessageBox("Cannot show topic " + std::to_string(topic) + " of the help file " + file + ".",
                               "Error - Help", ui::mbOK | ui::mbIconError);
  }
}

void TFormPlayer::ContentsClick(ui::TObject* sender) { ShowHelpTopic(101); }

}  // namespace player
