#include <gtest/gtest.h>

#include <stdexcept>

#include "built_resources.h"
#include "byte_builder.h"

namespace {

using standin::Language;
using standin::Resources;

// Runs `body`, which must throw std::runtime_error mentioning every one of `words`.
template <class Body>
void ExpectError(Body body, std::initializer_list<const char*> words) {
  try {
    body();
    ADD_FAILURE() << "no error";
  } catch (const std::runtime_error& e) {
    for (const char* word : words)
      EXPECT_NE(std::string(e.what()).find(word), std::string::npos) << e.what();
  }
}

TEST(ResFile, BrokenFilesGiveAClearError) {
  auto built = kwtest::BuiltBytes();
  ASSERT_GT(built.size(), 1000u);
  std::vector<std::uint8_t> notRes(built.size(), 0x41);
  kwtest::Bytes tinyHeader = kwtest::ResFile();
  tinyHeader.U32(0).U32(16).U32(0).U32(0);
  struct Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
    const char* why;
  } cases[] = {
      {"empty", {}, "empty resource file"},
      {"cut in the first header", {built.begin(), built.begin() + 6}, "truncated resource header"},
      {"cut in a later header", {built.begin(), built.begin() + 40}, "header runs past the end"},
      {"cut in data", {built.begin(), built.begin() + 100}, "data runs past the end"},
      {"not a resource file", notRes, "not a compiled resource file"},
      {"header size below the minimum", tinyHeader.b, "resource header too small"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectError([&] { Resources::FromResBytes(c.bytes, "broken.res"); }, {"broken.res", c.why});
  }
  ExpectError([] { Resources::FromResFile("/nonexistent/KerfworksPlugin.res"); },
              {"/nonexistent/KerfworksPlugin.res", "cannot open"});
}

TEST(ResFile, EveryTruncationIsAnErrorOrAShorterFile) {
  auto built = kwtest::BuiltBytes();
  std::size_t whole = kwtest::Built().All().size();
  for (std::size_t cut = 1; cut < built.size(); cut += 5) {
    std::vector<std::uint8_t> part(built.begin(), built.begin() + static_cast<long>(cut));
    try {
      EXPECT_LT(Resources::FromResBytes(part, "cut.res").All().size(), whole) << cut;
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find("cut.res"), std::string::npos) << e.what();
    }
  }
}

// Damaged bytes anywhere: each reader answers or throws, and never reads out of bounds.
TEST(ResFile, DamagedBytesNeverCrashAReader) {
  auto built = kwtest::BuiltBytes();
  int decoded = 0, refused = 0;
  for (std::size_t at = 0; at < built.size(); at += 101) {
    auto bytes = built;
    bytes[at] ^= 0xA5;
    if (at + 1 < bytes.size()) bytes[at + 1] ^= 0xFF;
    try {
      Resources res = Resources::FromResBytes(bytes, "damaged.res");
      for (Language language : {Language::kEnglish, Language::kJapanese}) {
        auto all = [&](auto read) {
          for (const auto& [key, data] : res.All()) {
            try {
              read(key.id, language);
              ++decoded;
            } catch (const std::runtime_error&) {
              ++refused;
            }
          }
        };
        all([&](int id, Language l) { res.Dialog(id, l); });
        all([&](int id, Language l) { res.Menu(id, l); });
        all([&](int id, Language l) { res.Icon(id, l); });
        all([&](int id, Language l) { res.Bitmap(id, l); });
        all([&](int id, Language l) { res.Png(id, l); });
        all([&](int id, Language l) { res.String((id - 1) * 16 + id % 16, l); });
      }
    } catch (const std::runtime_error&) {
      ++refused;
    }
  }
  EXPECT_GT(decoded, 0);
  EXPECT_GT(refused, 0);
}

TEST(ResFile, CorruptResourceNamesItselfInTheError) {
  kwtest::Bytes file = kwtest::ResFile();
  kwtest::AddRecord(file, 5, 16200, 1033, {1, 0, 0xFF, 0xFF, 0, 0});
  kwtest::AddRecord(file, 6, 1, 1033, {3, 0, 'a', 0});
  kwtest::AddRecord(file, 2, 132, 1033, {40, 0, 0, 0, 1, 0});
  Resources res = Resources::FromResBytes(file.b, "small.res");
  ExpectError([&] { res.Dialog(16200, Language::kEnglish); }, {"dialog 16200", "truncated"});
  ExpectError([&] { res.String(0, Language::kEnglish); }, {"string 0", "truncated"});
  ExpectError([&] { res.Bitmap(132, Language::kEnglish); }, {"bitmap 132", "truncated"});
}

TEST(ResFile, DuplicateResourceIsRefused) {
  kwtest::Bytes file = kwtest::ResFile();
  kwtest::AddRecord(file, 6, 1, 1033, {});
  kwtest::AddRecord(file, 6, 1, 1033, {});
  ExpectError([&] { Resources::FromResBytes(file.b, "twice.res"); }, {"twice.res", "twice"});
}

TEST(ResFile, LookupFallsBackToTheOtherLanguageAndIgnoresCaseOfNames) {
  kwtest::Bytes block;
  block.U16(2).U16('j').U16('a');
  for (int i = 1; i < 16; ++i) block.U16(0);
  kwtest::Bytes file = kwtest::ResFile();
  kwtest::AddRecord(file, 6, 1, 1041, block.b);
  kwtest::AddRecord(file, 0, 7, 1033, {1, 2, 3}, "Custom");
  Resources res = Resources::FromResBytes(file.b, "fallback.res");
  EXPECT_EQ(res.String(0, Language::kEnglish), "ja");
  EXPECT_EQ(res.String(1, Language::kEnglish), std::nullopt);
  ASSERT_NE(res.RawNamed("CUSTOM", 7, Language::kJapanese), nullptr);
  EXPECT_EQ(*res.RawNamed("custom", 7, Language::kEnglish), std::vector<std::uint8_t>({1, 2, 3}));
  EXPECT_EQ(res.RawNamed("custom", 8, Language::kEnglish), nullptr);
}

}  // namespace
