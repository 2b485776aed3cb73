// The basic suite: suite acquisition through the registry, memory blocks through the block heap.
#include <cstring>

#include "standin/suites/catalog.h"
#include "standin/suites/suite_call.h"

namespace standin {
namespace {

constexpr const char* kSuite = kSPBasicSuiteName;

ASErr KW_API AcquireSuite(const char* name, int32_t version, const void** suite) {
  if (suite != nullptr) *suite = nullptr;
  KW_SUITE_CALL();
  if (name == nullptr || suite == nullptr) return kBadParameterErr;
  return Host::Current().Suites().Acquire(name, version, suite);
}

ASErr KW_API ReleaseSuite(const char* name, int32_t version) {
  KW_SUITE_CALL();
  Host& host = Host::Current();
  if (name == nullptr) return kBadParameterErr;
  ASErr result = host.Suites().Release(name, version);
  if (result != kNoErr) {
    host.RecordMisbehaviour(call, std::string("released ") + name + " v" + std::to_string(version) +
                                      " which it did not hold");
  }
  return result;
}

ASBoolean KW_API IsEqual(const char* token1, const char* token2) {
  KW_SUITE_CALL_OR(false);
  return token1 != nullptr && token2 != nullptr && std::strcmp(token1, token2) == 0;
}

ASErr KW_API AllocateBlock(size_t size, void** block) {
  if (block != nullptr) *block = nullptr;
  KW_SUITE_CALL();
  if (block == nullptr) return kBadParameterErr;
  *block = Host::Current().Blocks().Allocate(size, "basic suite block");
  return *block == nullptr ? kOutOfMemoryErr : kNoErr;
}

ASErr KW_API FreeBlock(void* block) {
  KW_SUITE_CALL();
  if (block == nullptr) return kNoErr;
  Host& host = Host::Current();
  if (!host.Blocks().Free(block)) {
    host.RecordMisbehaviour(call, "freed a block it did not own");
    return kBadParameterErr;
  }
  return kNoErr;
}

ASErr KW_API ReallocateBlock(void* block, size_t newSize, void** newBlock) {
  if (newBlock != nullptr) *newBlock = nullptr;
  KW_SUITE_CALL();
  if (newBlock == nullptr) return kBadParameterErr;
  *newBlock = Host::Current().Blocks().Reallocate(block, newSize, "basic suite block");
  return *newBlock == nullptr ? kOutOfMemoryErr : kNoErr;
}

ASErr KW_API Undefined() {
  KW_SUITE_CALL();
  return kUnhandledMsgErr;
}

}  // namespace

const SPBasicSuite* BasicSuiteTable() {
  static const SPBasicSuite table = {&AcquireSuite, &ReleaseSuite,    &IsEqual,  &AllocateBlock,
                                     &FreeBlock,    &ReallocateBlock, &Undefined};
  return &table;
}

}  // namespace standin
