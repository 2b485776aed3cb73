// The receiver's file access: the cut file in, the report out.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace receiver {

// The whole file as bytes; absent when it cannot be opened or read, or is a directory.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Writes beside `target` and renames over it, so a reader polling for `target` sees either no
// file or the whole text. False when any step fails; no temporary file is left behind then.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view text);

}  // namespace receiver
