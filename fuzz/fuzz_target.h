// What every fuzz target defines: one input, any bytes. The same function is linked with
// libFuzzer in a fuzzing build and with replay_main.cpp in every other build.
#ifndef KERFWORKS_FUZZ_FUZZ_TARGET_H
#define KERFWORKS_FUZZ_FUZZ_TARGET_H

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

#endif  // KERFWORKS_FUZZ_FUZZ_TARGET_H
