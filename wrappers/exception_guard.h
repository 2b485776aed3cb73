// No exception may cross into the host: ai::Error becomes its code, anything else 'CANT'.
#ifndef KERFWORKS_WRAPPERS_EXCEPTION_GUARD_H
#define KERFWORKS_WRAPPERS_EXCEPTION_GUARD_H

#include "hostapi/host_types.h"
#include "wrappers/ai_error.h"

template <typename Body>
ASErr GuardExceptions(Body&& body) noexcept {
  try {
    return body();
  } catch (const ai::Error& error) {
    return error.Code();
  } catch (...) {
    return kCantHappenErr;
  }
}

#endif  // KERFWORKS_WRAPPERS_EXCEPTION_GUARD_H
