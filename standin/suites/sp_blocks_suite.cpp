#include "hostapi/suites.h"
#include "standin/suites/suite_call.h"
#include "standin/suites/tables.h"

namespace standin {
namespace {

constexpr char kSuite[] = kSPBlocksSuite;

std::string Label(const char* debugName) {
  return std::string("SP Blocks \"") + (debugName != nullptr ? debugName : "") + "\"";
}

ASErr KW_API AllocateBlock(size_t size, const char* debugName, void** block) {
  if (block != nullptr) *block = nullptr;
  KW_SUITE_CALL();
  if (block == nullptr) return kBadParameterErr;
  *block = Host::Current().Blocks().Allocate(size, Label(debugName));
  return *block == nullptr ? kOutOfMemoryErr : kNoErr;
}

ASErr KW_API FreeBlock(void* block) {
  KW_SUITE_CALL();
  if (block == nullptr) return kNoErr;
  Host& host = Host::Current();
  if (!host.Blocks().Free(block)) {
    host.RecordMisbehaviour(std::string(kSuite) + "::FreeBlock", "freed a block it did not own");
    return kBadParameterErr;
  }
  return kNoErr;
}

ASErr KW_API ReallocateBlock(void* block, size_t newSize, const char* debugName, void** newBlock) {
  if (newBlock != nullptr) *newBlock = nullptr;
  KW_SUITE_CALL();
  if (newBlock == nullptr) return kBadParameterErr;
  *newBlock = Host::Current().Blocks().Reallocate(block, newSize, Label(debugName));
  return *newBlock == nullptr ? kOutOfMemoryErr : kNoErr;
}

}  // namespace

const SPBlocksSuite* SPBlocksSuiteTable() {
  static const SPBlocksSuite table = {&AllocateBlock, &FreeBlock, &ReallocateBlock};
  return &table;
}

}  // namespace standin
