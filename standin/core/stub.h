// Typed stand-ins for suite functions the host does not implement: each answers an error (or a
// zero value) and is recorded as misbehaviour, so a plug-in never silently gets 0 from them.
#ifndef KERFWORKS_STANDIN_CORE_STUB_H
#define KERFWORKS_STANDIN_CORE_STUB_H

#include <algorithm>
#include <cstddef>
#include <type_traits>

#include "hostapi/host_types.h"

namespace standin {

// Answer of every unimplemented function that returns an error code.
inline constexpr ASErr kUnimplementedErr = KW_FOUR_CHAR('n', 'I', 'm', 'p');

void ReportUnimplemented(const char* function);

template <std::size_t N>
struct FixedString {
  char text[N];
  constexpr FixedString(const char (&s)[N]) { std::copy_n(s, N, text); }
};

template <FixedString Name, typename Fn>
struct Unimplemented;

template <FixedString Name, typename R, typename... A>
struct Unimplemented<Name, R(KW_API*)(A...)> {
  static R KW_API Call(A...) {
    ReportUnimplemented(Name.text);
    if constexpr (std::is_same_v<R, ASErr>) {
      return kUnimplementedErr;
    } else if constexpr (!std::is_void_v<R>) {
      return R{};
    }
  }
};

ASErr KW_API ReservedSlot();

}  // namespace standin

// The unimplemented function `field` of suite struct `Suite`.
#define KW_UNIMPLEMENTED(Suite, field) \
  (&::standin::Unimplemented<#Suite "::" #field, decltype(Suite::field)>::Call)

#endif  // KERFWORKS_STANDIN_CORE_STUB_H
