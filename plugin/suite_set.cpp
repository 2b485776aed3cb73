#include "plugin/suite_set.h"

#include <span>

#include "plugin/suite_tables.h"
#include "wrappers/host_suites.h"

namespace {

int16_t gUseCount = 0;

// The entries before the table's ending entry (the one without a name).
std::span<SuiteEntry> Named(std::span<SuiteEntry> table) {
  std::size_t n = 0;
  while (n < table.size() && table[n].name != nullptr) ++n;
  return table.first(n);
}

// The optional suites: the entries after the main table's end, when its version opens them.
std::span<SuiteEntry> OptionalSuites() {
  std::span<SuiteEntry> main = MainSuiteTable();
  std::span<SuiteEntry> named = Named(main);
  if (named.size() == main.size() || main[named.size()].version != kOptionalSuitesMarker) {
    return {};
  }
  return Named(main.subspan(named.size() + 1));
}

ASErr Acquire(SuiteEntry& entry) {
  if (entry.suite == nullptr) return kNoErr;
  *entry.suite = nullptr;
  ASErr code = sSPBasic->AcquireSuite(entry.name, entry.version, entry.suite);
  if (code != kNoErr) *entry.suite = nullptr;
  return code;
}

// Releases every held suite of `entries`; the first failing release's code is the result, but
// the others are still given back so that nothing stays held.
ASErr Release(std::span<SuiteEntry> entries, ASErr firstError) {
  for (SuiteEntry& entry : entries) {
    if (entry.suite == nullptr || *entry.suite == nullptr) continue;
    ASErr code = sSPBasic->ReleaseSuite(entry.name, entry.version);
    *entry.suite = nullptr;
    if (firstError == kNoErr) firstError = code;
  }
  return firstError;
}

}  // namespace

SuiteSet::SuiteSet() {
  if (gUseCount == 0) {
    for (std::span<SuiteEntry> table : {Named(CoreSuiteTable()), Named(MainSuiteTable())}) {
      for (SuiteEntry& entry : table) {
        error_ = Acquire(entry);
        if (error_ != kNoErr) return;
      }
    }
    mainCount_ = static_cast<int16_t>(Named(MainSuiteTable()).size());
  } else {
    ++gUseCount;
  }
  optionalCount_ = static_cast<int16_t>(OptionalSuites().size());
  AcquireOptionalSuites();
}

SuiteSet::~SuiteSet() {
  if (--gUseCount > 0) return;
  gUseCount = 0;
  if (sSPBasic == nullptr) return;
  ASErr code = Release(Named(CoreSuiteTable()), kNoErr);
  code = Release(Named(MainSuiteTable()), code);
  Release(OptionalSuites(), code);
  optionalAcquired_ = 0;
}

void SuiteSet::AcquireOptionalSuites() {
  if (optionalAcquired_ == optionalCount_) return;
  for (SuiteEntry& entry : OptionalSuites()) {
    if (entry.suite == nullptr || *entry.suite != nullptr) continue;
    if (Acquire(entry) == kNoErr && *entry.suite != nullptr) ++optionalAcquired_;
  }
}

int16_t SuiteSet::UseCount() {
  return gUseCount;
}

void SuiteSet::SetUseCount(int16_t count) {
  gUseCount = count;
}
