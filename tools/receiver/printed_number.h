// Numbers exactly as the writer's "%lf" prints them: optional "-", an integer part without
// leading zeros, ".", six decimals. "-0.000000" is valid: a tiny negative value prints so.
#pragma once

#include <string_view>

namespace receiver {

// The value of `token`; anything "%lf" would not print is a fault on `line`.
double ParsePrintedNumber(std::string_view token, int line);

// Whether a field is meant as a number (so a line ending in one lacks its operator).
bool LooksLikeNumber(std::string_view field);

}  // namespace receiver
