// The help viewer in memory: help files known by path (letter case ignored) with the topic numbers they
// map, and every request it was given.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "os/help.h"

namespace os {

class FakeHelp final : public Help {
 public:
  struct Request {
    std::uintptr_t caller;
    std::string helpFile;
    std::uint32_t topic;
    bool operator==(const Request&) const = default;
  };

  bool ShowTopic(std::uintptr_t caller, const std::string& helpFile, std::uint32_t topic) override;
  void CloseAll() override { viewerOpen_ = false; }

  // A help file the viewer can open, mapping these topic numbers.
  void AddHelpFile(const std::string& path, std::set<std::uint32_t> topics);

  // Every request, shown or not, in order.
  const std::vector<Request>& Requests() const { return requests_; }
  // Whether a viewer window is open: from a topic shown until CloseAll.
  bool ViewerOpen() const { return viewerOpen_; }

 private:
  std::map<std::string, std::set<std::uint32_t>> files_;  // by lower-case path
  std::vector<Request> requests_;
  bool viewerOpen_ = false;
};

}  // namespace os
