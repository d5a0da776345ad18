#include "base/text.h"

#include <algorithm>

namespace base {

namespace {

char LowerChar(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
char UpperChar(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string DisplayName(std::string_view path) {
  const auto cut = path.find_last_of("\\:");
  return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string NameAfterBackslash(std::string_view path) {
  const auto cut = path.rfind('\\');
  return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

namespace {

bool IsDriveRoot(std::string_view folder) { return folder.size() == 3 && folder[1] == ':' && folder[2] == '\\'; }

}  // namespace

std::string FolderPart(std::string_view path) {
  const auto cut = path.rfind('\\');
  if (cut == std::string_view::npos) return {};
  return std::string(path.substr(0, cut == 2 && path[1] == ':' ? 3 : cut));
}

std::string WithoutFinalBackslash(std::string_view folder) {
  if (!folder.empty() && folder.back() == '\\' && !IsDriveRoot(folder)) folder.remove_suffix(1);
  return std::string(folder);
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && path.back() != '\\') path += '\\';
  return path + std::string(name);
}

std::string FileExtension(std::string_view path) {
  const auto dot = path.rfind('.');
  const auto cut = path.find_last_of("\\:");
  if (dot == std::string_view::npos || (cut != std::string_view::npos && dot < cut)) return {};
  return std::string(path.substr(dot));
}

std::string LowerCase(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), LowerChar);
  return out;
}

std::string UpperCase(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), UpperChar);
  return out;
}

bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerChar(x) == LowerChar(y); });
}

bool StartsWithText(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
}

std::string TwoDigits(unsigned value) {
  return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace base
