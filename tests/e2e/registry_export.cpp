#include "registry_export.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

namespace e2e {

namespace {

// The file is UTF-16 with a byte order mark; names and texts of the tests are in the code page.
std::string FromUtf16(const std::string& bytes) {
  if (bytes.size() < 2 || static_cast<unsigned char>(bytes[0]) != 0xFF || static_cast<unsigned char>(bytes[1]) != 0xFE)
    return bytes;
  std::wstring wide((bytes.size() - 2) / 2, L'\0');
  for (size_t i = 0; i < wide.size(); ++i) {
    wide[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 + 2 * i]) |
                                   static_cast<unsigned char>(bytes[3 + 2 * i]) << 8);
  }
  std::string text(wide.size() * 2 + 1, '\0');
  const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                                         static_cast<int>(text.size()), nullptr, nullptr);
  text.resize(length > 0 ? length : 0);
  return text;
}

// A quoted text at the start of the line from position at: unescaped, with its quotes; at is moved past
// the closing quote.
std::string QuotedAt(const std::string& line, size_t& at) {
  std::string text = "\"";
  for (++at; at < line.size() && line[at] != '"'; ++at) {
    if (line[at] == '\\' && at + 1 < line.size()) ++at;
    text += line[at];
  }
  ++at;
  return text + "\"";
}

ExportedKeys Parse(const std::string& content) {
  ExportedKeys keys;
  ExportedValues* current = nullptr;
  std::istringstream lines(content);
  std::string line, pending;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    // Long binary data goes on over lines that end in a backslash.
    pending += line;
    if (!pending.empty() && pending.back() == '\\' && pending.find("=hex") != std::string::npos) {
      pending.pop_back();
      continue;
    }
    line.swap(pending);
    pending.clear();
    if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
      current = &keys[line.substr(1, line.size() - 2)];
      continue;
    }
    if (!current || line.empty()) continue;
    size_t at = 0;
    std::string name;
    if (line[0] == '@') {
      name = "@";
      at = 1;
    } else if (line[0] == '"') {
      name = QuotedAt(line, at);
      name = name.substr(1, name.size() - 2);
    } else {
      continue;
    }
    if (at >= line.size() || line[at] != '=') continue;
    ++at;
    (*current)[name] = at < line.size() && line[at] == '"' ? QuotedAt(line, at) : line.substr(at);
  }
  return keys;
}

}  // namespace

ExportedKeys ExportWithRegedit(const std::string& key) {
  char temp[MAX_PATH];
  if (!GetTempPathA(sizeof temp, temp)) return {};
  const std::string file = std::string(temp) + "tunora-e2e-export.reg";
  DeleteFileA(file.c_str());
  std::string command = "regedit.exe /E \"" + file + "\" \"" + key + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    ADD_FAILURE() << "cannot run " << command << ": error " << GetLastError();
    return {};
  }
  CloseHandle(info.hThread);
  const bool ended = WaitForSingleObject(info.hProcess, 20000) == WAIT_OBJECT_0;
  CloseHandle(info.hProcess);
  if (!ended) {
    ADD_FAILURE() << command << " did not end";
    return {};
  }
  std::ifstream in(file, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  in.close();
  DeleteFileA(file.c_str());
  return Parse(FromUtf16(bytes));
}

bool IgnoringCase::operator()(const std::string& a, const std::string& b) const {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string Dword(unsigned value) {
  char text[32];
  std::snprintf(text, sizeof text, "dword:%08x", value);
  return text;
}

}  // namespace e2e
