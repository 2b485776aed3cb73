// The exception the host wrappers raise when a host call fails; it carries the host's code so the
// message guard can hand it back to the host unchanged.
#ifndef KERFWORKS_WRAPPERS_AI_ERROR_H
#define KERFWORKS_WRAPPERS_AI_ERROR_H

#include <exception>

#include "hostapi/host_types.h"

namespace ai {

class Error : public std::exception {
 public:
  explicit Error(ASErr code) noexcept : code_(code) {}
  ASErr Code() const noexcept { return code_; }
  operator ASErr() const noexcept { return code_; }
  const char* what() const noexcept override { return "host call failed"; }

 private:
  ASErr code_;
};

// Throws ai::Error when `code` is not 0.
inline void Check(ASErr code) {
  if (code != kNoErr) throw Error(code);
}

}  // namespace ai

#endif  // KERFWORKS_WRAPPERS_AI_ERROR_H
