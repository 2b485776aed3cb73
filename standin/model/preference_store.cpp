#include "standin/model/preference_store.h"

namespace standin {

void PreferenceStore::Set(const std::string& section, const std::string& key,
                          PreferenceValue value) {
  values_.insert_or_assign({section, key}, std::move(value));
}

void PreferenceStore::Write(const std::string& section, const std::string& key,
                            PreferenceValue value) {
  Set(section, key, std::move(value));
  writes_.push_back(key);
}

bool PreferenceStore::Erase(const std::string& section, const std::string& key) {
  return values_.erase({section, key}) != 0;
}

const PreferenceValue* PreferenceStore::Find(const std::string& section,
                                             const std::string& key) const {
  auto it = values_.find({section, key});
  return it == values_.end() ? nullptr : &it->second;
}

}  // namespace standin
