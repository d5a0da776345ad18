// The options of a player that has run before, in the order start-up reads them, for a test to change
// and store before the player starts.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "os/fake/fake_registry.h"

namespace testing_support {

class StoredOptions {
 public:
  using Value = std::variant<std::uint32_t, std::string>;
  struct Option {
    std::string name;
    Value value;
  };

  // The design's state: window at 0,0, every part shown, Loop and Auto, GM, Auto Load and Save Options
  // on Exit on, no list, the file box in "C:\", SKIP 5 and WAIT 0.
  StoredOptions();

  // Changes a value, or adds it in its place in the reading order ("AutoLoadList", "ListDirectory").
  StoredOptions& Set(const std::string& name, Value value);
  StoredOptions& Remove(const std::string& name);
  const std::vector<Option>& All() const { return options_; }

  // Writes every value into the Options key, integers as REG_DWORD and texts as REG_SZ.
  void Store(os::FakeRegistry& registry) const;

 private:
  std::vector<Option> options_;
};

}  // namespace testing_support
