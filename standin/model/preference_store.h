// The host's preference store: sections of keys, each key holding one typed value. Tests fill it
// before a scenario and read it afterwards; the preference suite reads and writes it.
#ifndef KERFWORKS_STANDIN_MODEL_PREFERENCE_STORE_H
#define KERFWORKS_STANDIN_MODEL_PREFERENCE_STORE_H

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "hostapi/host_types.h"

namespace standin {

using PreferenceValue = std::variant<bool, std::int32_t, AIReal, std::string, ASPoint>;

class PreferenceStore {
 public:
  void Set(const std::string& section, const std::string& key, PreferenceValue value);
  // Set, and noted in the write log: what the plug-in stores goes through here.
  void Write(const std::string& section, const std::string& key, PreferenceValue value);
  bool Erase(const std::string& section, const std::string& key);
  void Clear() { values_.clear(); }

  const PreferenceValue* Find(const std::string& section, const std::string& key) const;
  // The value when the key holds a T.
  template <typename T>
  std::optional<T> Get(const std::string& section, const std::string& key) const {
    const PreferenceValue* value = Find(section, key);
    if (value == nullptr || !std::holds_alternative<T>(*value)) return std::nullopt;
    return std::get<T>(*value);
  }

  std::size_t Size() const { return values_.size(); }
  // The keys of every Write, in order.
  const std::vector<std::string>& WriteLog() const { return writes_; }
  void ClearWriteLog() { writes_.clear(); }

 private:
  std::map<std::pair<std::string, std::string>, PreferenceValue> values_;
  std::vector<std::string> writes_;
};

}  // namespace standin

#endif  // KERFWORKS_STANDIN_MODEL_PREFERENCE_STORE_H
