#include "tools/receiver/file_io.h"

#include <fstream>
#include <random>
#include <system_error>

namespace receiver {

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes;
  char chunk[4096];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) bytes.append(chunk, in.gcount());
  if (in.bad()) return std::nullopt;
  return bytes;
}

bool WriteFileAtomically(const std::filesystem::path& target, std::string_view text) {
  // A random suffix keeps two receivers started at once from sharing a temporary file.
  std::filesystem::path temporary = target;
  temporary += ".partial-" + std::to_string(std::random_device{}());
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, target, error);
  if (error) std::filesystem::remove(temporary, error);
  return !error;
}

}  // namespace receiver
