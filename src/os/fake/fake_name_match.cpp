#include "os/fake/fake_name_match.h"

#include <vector>

#include "base/text.h"

namespace os {

namespace {

bool InvalidInShortName(char c) {
  return static_cast<unsigned char>(c) <= ' ' || static_cast<unsigned char>(c) >= 0x7F ||
         std::string_view("\"*+,/:;<=>?[\\]|").find(c) != std::string_view::npos;
}

bool IsValidShortName(std::string_view name) {
  if (name.empty() || name.size() > 12 || name.front() == '.') return false;
  const auto dot = name.find('.');
  for (const char c : name) {
    if (c != '.' && InvalidInShortName(c)) return false;
  }
  if (dot == std::string_view::npos) return name.size() <= 8;
  const auto extension = name.substr(dot + 1);
  return dot <= 8 && !extension.empty() && extension.size() <= 3 && extension.find('.') == std::string_view::npos;
}

// The characters a short name keeps of a part of the long name: no blanks or dots, others it cannot
// hold as "_", upper case, at most limit of them.
std::string ShortPart(std::string_view part, std::size_t limit) {
  std::string kept;
  for (const char c : part) {
    if (kept.size() == limit) break;
    if (c == ' ' || c == '.') continue;
    kept += InvalidInShortName(c) ? '_' : c;
  }
  return base::UpperCase(kept);
}

// The pattern in the form the system's search takes it: "?" becomes QuestionOrNone, a dot before "*" or
// "?" becomes DotOrEnd, and a final "*" of a pattern that ended in a dot becomes StarBeforeLastDot.
enum class Token { Char, Star, QuestionOrNone, DotOrEnd, StarBeforeLastDot };
struct Part {
  Token token;
  char c = 0;
};

std::vector<Part> Compile(std::string_view pattern) {
  const bool endedWithDot = !pattern.empty() && pattern.back() == '.';
  while (!pattern.empty() && (pattern.back() == '.' || pattern.back() == ' ')) pattern.remove_suffix(1);
  std::vector<Part> parts;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    if (c == '*') {
      parts.push_back({Token::Star});
    } else if (c == '?') {
      parts.push_back({Token::QuestionOrNone});
    } else if (c == '.' && (next == '*' || next == '?')) {
      parts.push_back({Token::DotOrEnd});
    } else {
      parts.push_back({Token::Char, c});
    }
  }
  if (endedWithDot && !parts.empty() && parts.back().token == Token::Star) {
    parts.back().token = Token::StarBeforeLastDot;
  }
  return parts;
}

bool SameLetter(char a, char b) { return base::SameText(std::string_view(&a, 1), std::string_view(&b, 1)); }

bool Match(const std::vector<Part>& parts, std::size_t p, std::string_view name, std::size_t n) {
  if (p == parts.size()) return n == name.size();
  const Part& part = parts[p];
  switch (part.token) {
    case Token::Char:
      return n < name.size() && SameLetter(name[n], part.c) && Match(parts, p + 1, name, n + 1);
    case Token::Star:
      for (std::size_t k = n; k <= name.size(); ++k) {
        if (Match(parts, p + 1, name, k)) return true;
      }
      return false;
    case Token::StarBeforeLastDot: {
      // It takes any characters but never the name's last dot.
      const auto lastDot = name.rfind('.');
      const auto limit = lastDot != std::string_view::npos && lastDot >= n ? lastDot : name.size();
      for (std::size_t k = n; k <= limit; ++k) {
        if (Match(parts, p + 1, name, k)) return true;
      }
      return false;
    }
    case Token::QuestionOrNone:
      if (n < name.size() && name[n] != '.') return Match(parts, p + 1, name, n + 1);
      return Match(parts, p + 1, name, n);
    case Token::DotOrEnd:
      if (n < name.size()) return name[n] == '.' && Match(parts, p + 1, name, n + 1);
      return Match(parts, p + 1, name, n);
  }
  return false;
}

}  // namespace

std::string ShortName(std::string_view name) {
  if (IsValidShortName(name)) return {};
  auto dot = name.rfind('.');
  if (dot == 0) dot = std::string_view::npos;
  std::string shortName = ShortPart(name.substr(0, dot), 6) + "~1";
  if (dot != std::string_view::npos) {
    const auto extension = ShortPart(name.substr(dot + 1), 3);
    if (!extension.empty()) shortName += "." + extension;
  }
  return shortName;
}

bool MatchesPattern(std::string_view name, std::string_view pattern) {
  if (pattern.find_first_of("*?") == std::string_view::npos) {
    while (!pattern.empty() && (pattern.back() == '.' || pattern.back() == ' ')) pattern.remove_suffix(1);
    return base::SameText(name, pattern);
  }
  return Match(Compile(pattern), 0, name, 0);
}

}  // namespace os
