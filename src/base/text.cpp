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
