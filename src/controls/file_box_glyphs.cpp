#include "controls/file_box_glyphs.h"

#include <initializer_list>

namespace controls::file_box_glyphs {

namespace {

// A 16 x 16 drawing made 32 x 32, each letter twice across and each row twice down.
std::string Doubled(std::initializer_list<const char*> rows) {
  std::string picture;
  for (const char* row : rows) {
    std::string line;
    for (const char* c = row; *c; ++c) line.append(2, *c);
    picture += line + "\n" + line + "\n";
  }
  picture.pop_back();
  return picture;
}

}  // namespace

std::string Drive(os::DriveType type) {
  switch (type) {
    case os::DriveType::Removable:
      return Doubled({"................", ".kkkkkkkkkkkkkk.", ".kbbwwwwwwwwbbk.", ".kbbwwwwwwwwbbk.",
                      ".kbbwwwwwwwwbbk.", ".kbbwwwwwwwwbbk.", ".kbbbbbbbbbbbbk.", ".kbbbbbbbbbbbbk.",
                      ".kbbbggggggbbbk.", ".kbbbggkgggbbbk.", ".kbbbggkgggbbbk.", ".kbbbggggggbbbk.",
                      ".kkkkkkkkkkkkkk.", "................", "................", "................"});
    case os::DriveType::Remote:
      return Doubled({"................", "................", ".kkkkkkkkkkkkkk.", ".kwwwwwwwwwwwwk.",
                      ".kggggggggggggk.", ".kgggggggggllgk.", ".kkkkkkkkkkkkkk.", ".......kk.......",
                      ".......kk.......", ".......kk.......", "..kkkkkkkkkkkk..", "................",
                      "................", "................", "................", "................"});
    case os::DriveType::CdRom:
      return Doubled({"................", ".....kkkkkk.....", "...kkwwwwwwkk...", "..kwwwwwwwwwgk..",
                      ".kwwwwwwwwwwggk.", ".kwwwwwkkwwwggk.", "kwwwwwk..kwwgggk", "kwwwwk....kwgggk",
                      "kwwwwk....kggggk", "kwwwwwk..kgggggk", ".kwwwwwkkgggggk.", ".kwwwwwgggggggk.",
                      "..kwwggggggggk..", "...kkggggggkk...", ".....kkkkkk.....", "................"});
    case os::DriveType::RamDisk:
      return Doubled({"................", "................", "................", "................",
                      "..k.k.k.k.k.k...", ".kkkkkkkkkkkkkk.", ".kllllllllllllk.", ".kllkkkllkkkllk.",
                      ".kllllllllllllk.", ".kkkkkkkkkkkkkk.", "..k.k.k.k.k.k...", "................",
                      "................", "................", "................", "................"});
    default:
      return Doubled({"................", "................", "................", "................",
                      ".kkkkkkkkkkkkkk.", ".kwwwwwwwwwwwwk.", ".kggggggggggggk.", ".kggggggggggggk.",
                      ".kgggggggggllgk.", ".kggggggggggggk.", ".kkkkkkkkkkkkkk.", "................",
                      "................", "................", "................", "................"});
  }
}

std::string OpenFolder() {
  return Doubled({"................", "................", "..kkkkk.........", ".kyyyyyk........",
                  ".kyyyyyykkkkkk..", ".kyyyyyyyyyyyk..", ".kyyykkkkkkkkkkk", ".kyykyyyyyyyyyyk",
                  ".kykyyyyyyyyyyk.", ".kykyyyyyyyyyyk.", ".kkyyyyyyyyyyk..", ".kkyyyyyyyyyyk..",
                  ".kkkkkkkkkkkkk..", "................", "................", "................"});
}

std::string ClosedFolder() {
  return Doubled({"................", "................", "..kkkkk.........", ".kyyyyyk........",
                  ".kyyyyyykkkkkkk.", ".kwwwwwwwwwwwwk.", ".kwyyyyyyyyyyyk.", ".kwyyyyyyyyyyyk.",
                  ".kwyyyyyyyyyyyk.", ".kwyyyyyyyyyyyk.", ".kwyyyyyyyyyyyk.", ".kwyyyyyyyyyyyk.",
                  ".kwyyyyyyyyyyyk.", ".kkkkkkkkkkkkkk.", "................", "................"});
}

// The open folder with a white front: the folder whose files the file list shows.
std::string CurrentFolder() {
  return Doubled({"................", "................", "..kkkkk.........", ".kyyyyyk........",
                  ".kyyyyyykkkkkk..", ".kyyyyyyyyyyyk..", ".kyyykkkkkkkkkkk", ".kyykwwwwwwwwwwk",
                  ".kykwwwwwwwwwwk.", ".kykwwwwwwwwwwk.", ".kkwwwwwwwwwwk..", ".kkwwwwwwwwwwk..",
                  ".kkkkkkkkkkkkk..", "................", "................", "................"});
}

}  // namespace controls::file_box_glyphs
