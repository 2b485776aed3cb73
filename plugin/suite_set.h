// The suites the plug-in holds while it runs. Creating the set acquires them into the suite
// variables (wrappers/host_suites.h); deleting it releases them. One use count is shared by every
// set of the process, so only the first set acquires and only the last one releases.
#ifndef KERFWORKS_PLUGIN_SUITE_SET_H
#define KERFWORKS_PLUGIN_SUITE_SET_H

#include <cstdint>

#include "hostapi/host_types.h"
#include "wrappers/host_allocated.h"

class SuiteSet : public ai::HostAllocated {
 public:
  SuiteSet();
  ~SuiteSet();
  SuiteSet(const SuiteSet&) = delete;
  SuiteSet& operator=(const SuiteSet&) = delete;

  // The acquisition's result: 0, or the host's code for the first suite that failed.
  ASErr Error() const { return error_; }
  // Tries every optional suite still missing; failures are ignored.
  void AcquireOptionalSuites();

  static int16_t UseCount();
  static void SetUseCount(int16_t count);

 private:
  ASErr error_ = kNoErr;
  int16_t mainCount_ = 0;
  int16_t optionalCount_ = 0;
  int16_t optionalAcquired_ = 0;
};

#endif  // KERFWORKS_PLUGIN_SUITE_SET_H
