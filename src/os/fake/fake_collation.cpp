#include "os/fake/fake_collation.h"

#include <compare>

namespace os {

namespace {

bool IgnoredFirst(char c) { return c == '-' || c == '\''; }

// Punctuation and blanks by their code, then digits, then letters without case; bytes above ASCII last.
int Weight(unsigned char c) {
  if (c >= 'a' && c <= 'z') c = static_cast<unsigned char>(c - 'a' + 'A');
  if (c >= 'A' && c <= 'Z') return 0x300 + c;
  if (c >= '0' && c <= '9') return 0x200 + c;
  if (c < 0x80) return 0x100 + c;
  return 0x400 + c;
}

int Sign(std::strong_ordering order) { return order < 0 ? -1 : order > 0 ? 1 : 0; }

}  // namespace

int FakeCollation::CompareText(const std::string& a, const std::string& b) const {
  std::size_t i = 0, j = 0;
  while (true) {
    while (i < a.size() && IgnoredFirst(a[i])) ++i;
    while (j < b.size() && IgnoredFirst(b[j])) ++j;
    if (i == a.size() || j == b.size()) break;
    const int wa = Weight(static_cast<unsigned char>(a[i])), wb = Weight(static_cast<unsigned char>(b[j]));
    if (wa != wb) return wa < wb ? -1 : 1;
    ++i;
    ++j;
  }
  const bool aDone = i == a.size(), bDone = j == b.size();
  if (aDone != bDone) return aDone ? -1 : 1;
  // Equal but for hyphens and apostrophes: the shorter text first.
  return Sign(a.size() <=> b.size());
}

std::string FakeCollation::SortKey(const std::string& text) const {
  // The weights two bytes each, high byte first, a zero byte that sorts an end before any weight, then
  // the length for the texts equal but for hyphens and apostrophes.
  std::string key;
  for (char c : text) {
    if (IgnoredFirst(c)) continue;
    const int weight = Weight(static_cast<unsigned char>(c));
    key += static_cast<char>(weight >> 8);
    key += static_cast<char>(weight & 0xFF);
  }
  key += '\0';
  for (int shift = 24; shift >= 0; shift -= 8) key += static_cast<char>(text.size() >> shift & 0xFF);
  return key;
}

}  // namespace os
