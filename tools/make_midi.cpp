// make_midi SCORE MIDI_FILE: writes the Standard MIDI File of a score.
#include "tools/midi_file.h"
#include "tools/score.h"
#include "tools/tool_main.h"

int main(int argc, char** argv) {
  return tools::RunTool(argc, argv, "make_midi SCORE MIDI_FILE",
                        [](const std::string& text, const tools::ToolOptions&) {
                          const tools::Song song = tools::ReadScore(text);
                          return tools::StandardMidiFile(song.format, song.division, song.tracks);
                        });
}
