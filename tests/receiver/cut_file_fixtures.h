// Good cut files shared by the receiver's tests, read byte for byte from tests/data/cutfiles.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace receiver_test {

inline std::string CutFilePath(const std::string& name) {
  return std::string(KW_TEST_DATA_DIR) + "/cutfiles/" + name;
}

inline std::string ReadCutFileBytes(const std::string& name) {
  std::ifstream in(CutFilePath(name), std::ios::binary);
  EXPECT_TRUE(in) << "missing test file " << name;
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace receiver_test
