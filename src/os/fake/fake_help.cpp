#include "os/fake/fake_help.h"

#include "base/text.h"

namespace os {

bool FakeHelp::ShowTopic(std::uintptr_t caller, const std::string& helpFile, std::uint32_t topic) {
  requests_.push_back({caller, helpFile, topic});
  const auto file = files_.find(base::LowerCase(helpFile));
  if (file == files_.end() || !file->second.contains(topic)) return false;
  viewerOpen_ = true;
  return true;
}

void FakeHelp::AddHelpFile(const std::string& path, std::set<std::uint32_t> topics) {
  files_[base::LowerCase(path)] = std::move(topics);
}

}  // namespace os
