// The suites the host offers, by name and version, with how often each is held.
#ifndef KERFWORKS_STANDIN_CORE_SUITE_REGISTRY_H
#define KERFWORKS_STANDIN_CORE_SUITE_REGISTRY_H

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "hostapi/host_types.h"

namespace standin {

// The suite every message hands over, held without being acquired.
inline constexpr char kSPBasicSuiteName[] = "SP Basic Suite";

class SuiteRegistry {
 public:
  void Add(const std::string& name, std::int32_t version, const void* table);

  // The table, or an error: kSuiteNotFoundErr when the host has none, the refusal code when a
  // test refuses it.
  ASErr Acquire(const std::string& name, std::int32_t version, const void** table);
  // kBadParameterErr when the suite is not held.
  ASErr Release(const std::string& name, std::int32_t version);

  // Every later acquisition of `name` (any version) fails with `code`.
  void Refuse(const std::string& name, ASErr code);
  void ClearRefusals() { refused_.clear(); }

  bool Has(const std::string& name, std::int32_t version) const;
  int HoldCount(const std::string& name, std::int32_t version) const;
  // Whether any version of `name` is held.
  bool HoldsAny(const std::string& name) const;
  // (name, version) pairs in the order of their first successful acquisition.
  const std::vector<std::pair<std::string, std::int32_t>>& AcquisitionOrder() const {
    return order_;
  }
  // "name vN held k times" of every suite still held.
  std::vector<std::string> Held() const;
  // Every registered (name, version).
  std::vector<std::pair<std::string, std::int32_t>> Offered() const;

 private:
  using Key = std::pair<std::string, std::int32_t>;
  std::map<Key, const void*> tables_;
  std::map<Key, int> holds_;
  std::map<std::string, ASErr> refused_;
  std::vector<Key> order_;
};

}  // namespace standin

#endif  // KERFWORKS_STANDIN_CORE_SUITE_REGISTRY_H
