#include "standin/core/suite_registry.h"

#include <cstdint>

namespace standin {

void SuiteRegistry::Add(const std::string& name, std::int32_t version, const void* table) {
  tables_[{name, version}] = table;
}

ASErr SuiteRegistry::Acquire(const std::string& name, std::int32_t version, const void** table) {
  *table = nullptr;
  if (auto refused = refused_.find(name); refused != refused_.end()) return refused->second;
  auto it = tables_.find({name, version});
  if (it == tables_.end()) return kSuiteNotFoundErr;
  *table = it->second;
  if (holds_[it->first]++ == 0) order_.push_back(it->first);
  return kNoErr;
}

ASErr SuiteRegistry::Release(const std::string& name, std::int32_t version) {
  auto it = holds_.find({name, version});
  if (it == holds_.end() || it->second == 0) return kBadParameterErr;
  if (--it->second == 0) holds_.erase(it);
  return kNoErr;
}

void SuiteRegistry::Refuse(const std::string& name, ASErr code) {
  refused_[name] = code;
}

bool SuiteRegistry::Has(const std::string& name, std::int32_t version) const {
  return tables_.count({name, version}) != 0;
}

int SuiteRegistry::HoldCount(const std::string& name, std::int32_t version) const {
  auto it = holds_.find({name, version});
  return it == holds_.end() ? 0 : it->second;
}

bool SuiteRegistry::HoldsAny(const std::string& name) const {
  const auto it = holds_.lower_bound({name, INT32_MIN});
  return it != holds_.end() && it->first.first == name;
}

std::vector<std::string> SuiteRegistry::Held() const {
  std::vector<std::string> out;
  for (const auto& [key, count] : holds_) {
    out.push_back(key.first + " v" + std::to_string(key.second) + " held " + std::to_string(count) +
                  " times");
  }
  return out;
}

std::vector<std::pair<std::string, std::int32_t>> SuiteRegistry::Offered() const {
  std::vector<Key> out;
  for (const auto& [key, table] : tables_) out.push_back(key);
  return out;
}

}  // namespace standin
