#pragma once
// A registry in memory, with keys that can be made to refuse opening.
#include <map>
#include <set>
#include <string>
#include <tuple>

#include "common/registry_store.h"

namespace glyvane {

class FakeRegistry : public RegistryStore {
 public:
  using Where = std::tuple<RegistryRoot, std::string, std::string>;

  RegistryRead Read(RegistryRoot root, const std::string& path, const std::string& name) override {
    RegistryRead read;
    if (locked.count(path)) return read;
    const auto found = values.find({root, path, name});
    read.status = found == values.end() ? RegistryRead::Status::ValueMissing : RegistryRead::Status::Found;
    if (found != values.end()) read.data = found->second;
    return read;
  }

  bool Write(RegistryRoot root, const std::string& path, const std::string& name, std::string_view data,
             uint32_t type) override {
    if (locked.count(path)) return false;
    values[{root, path, name}] = std::string(data);
    types[{root, path, name}] = type;
    return true;
  }

  std::map<Where, std::string> values;
  std::map<Where, uint32_t> types;
  std::set<std::string> locked;  // keys that cannot be opened
};

}  // namespace glyvane
