// The registry in memory: a tree of keys under each root, key and value names compared ignoring case.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "base/text.h"
#include "os/registry.h"

namespace os {

class FakeRegistry final : public Registry {
 public:
  bool KeyExists(const RegistryKey& key) override;
  bool KeyIsEmpty(const RegistryKey& key) override;
  RegistryError CreateKey(const RegistryKey& key) override;
  RegistryError DeleteKey(const RegistryKey& key) override;
  std::optional<RegistryType> ValueType(const RegistryKey& key, const std::string& name) override;
  RegistryError ReadString(const RegistryKey& key, const std::string& name, std::string& value) override;
  RegistryError ReadInteger(const RegistryKey& key, const std::string& name, std::uint32_t& value) override;
  RegistryError WriteString(const RegistryKey& key, const std::string& name, const std::string& value) override;
  RegistryError WriteExpandString(const RegistryKey& key, const std::string& name,
                                  const std::string& value) override;
  RegistryError WriteInteger(const RegistryKey& key, const std::string& name, std::uint32_t value) override;
  RegistryError DeleteValue(const RegistryKey& key, const std::string& name) override;

  // Makes every creation and write fail with AccessDenied, as for a key without write rights.
  bool RefuseWrites = false;

  // The key and every key below it, as for keys without write rights: creating them when missing,
  // writing or deleting their values and deleting them (or a key above them) fail with AccessDenied.
  void RefuseKey(const RegistryKey& key);

  // Writes of values of this name, in any key, fail with Failed (the other values are written).
  void RefuseWritesOf(const std::string& name) { refused_.insert(base::LowerCase(name)); }

  // Test set-up: a REG_BINARY value, which no program here writes but a user or another program may.
  void WriteBinary(const RegistryKey& key, const std::string& name, const std::string& bytes);

  // The values asked for, in order, as "read <name>", "write <name>" or "delete <name>" (key left out),
  // whether or not the call succeeded. Key operations and type queries are not recorded.
  const std::vector<std::string>& Log() const { return log_; }
  void ClearLog() { log_.clear(); }

 private:
  struct Value {
    RegistryType type;
    std::string text;
    std::uint32_t number = 0;
  };
  struct Node {
    std::map<std::string, std::unique_ptr<Node>> subkeys;  // by lower-case name
    std::map<std::string, Value> values;                   // by lower-case name
  };
  // The key's node, created with its parents when create is true; nullptr when missing.
  Node* Find(const RegistryKey& key, bool create);
  const Value* FindValue(const RegistryKey& key, const std::string& name);
  RegistryError Write(const RegistryKey& key, const std::string& name, Value value);
  // Whether the key lies in a refused key; with orBelow, also whether a refused key lies below it.
  bool Refused(const RegistryKey& key, bool orBelow) const;

  Node roots_[3];
  std::set<std::string> refused_;  // lower-case value names
  std::vector<RegistryKey> refusedKeys_;  // lower-case paths
  std::vector<std::string> log_;
};

}  // namespace os
