// Numbers of the cut file, printed exactly as printf's "%lf" prints them in the C locale: fixed
// point, six decimals, "." whatever the user's locale, "-" for every negative value (negative zero
// included), no plus sign and no padding.
#ifndef KERFWORKS_OUTPUT_NUMBER_FORMAT_H
#define KERFWORKS_OUTPUT_NUMBER_FORMAT_H

#include <cstddef>

// Room for any double: 309 integer digits, sign, point and six decimals.
inline constexpr std::size_t kMaxFixedNumberLength = 317;

// Writes `value` at `first`; returns the end of what was written, or null when [first, last) is
// too small (nothing useful is left in it then).
char* FormatFixed6(char* first, char* last, double value);

#endif  // KERFWORKS_OUTPUT_NUMBER_FORMAT_H
