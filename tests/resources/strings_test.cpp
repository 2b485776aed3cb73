#include <gtest/gtest.h>

#include "built_resources.h"

namespace {

using standin::Language;

struct StringCase {
  int id;
  const char* english;
  const char* japanese;
};

constexpr const char* kMemory =
    "The filter cannot complete because there isn't enough memory (RAM) available.";

const StringCase kStrings[] = {
    {16051, "-108", "-108"},
    {16052, kMemory, kMemory},
    {16053, "271", "271"},
    {16054, kMemory, kMemory},
    {16055, "SEGM", "SEGM"},
    {16056, "The filter cannot complete because a layer is locked or invisible.",
     "The filter cannot complete because a layer is locked or invisible."},
    {16057, "NESS", "NESS"},
    {16058, "The filter cannot complete because a path has too many anchor points.",
     "The filter cannot complete because a path has too many anchor points."},
    {16059, "!sel", "!sel"},
    {16060, "The selection is not valid for this filter.",
     "The selection is not valid for this filter."},
    {16061, "<Others>", "<Others>"},
    {16062, "The filter cannot complete because of an unknown error.",
     "The filter cannot complete because of an unknown error."},
    {16216, "Output the Paths to Kerfworks", "Kerfworksへ出力"},
    {16217, "Outline Text", "文字のアウトライン"},
    {16218, "Outline Stroke", "パスのアウトライン"},
    {16219, "Merge Overlapping Paths", "パスの合成"},
    {16220, "Offset Path", "パスのオフセット"},
    {16221, "Crop-marks", "クロップマーク"},
    {16222, "Mark the Paths", "マーク"},
    {16232, "KWAIPin_e.chm", "KWAIPin_j.chm"},
    {16233, "Kerfworks Plug-in", "Kerfworks プラグイン"},
    {16234,
     "Kerfworks is not found.If Kerfworks is not installed, please install it.\nIf Kerfworks has "
     "never run, please run it. Then restart the Adobe Illustrator.",
     "Kerfworksが見つかりません。インストールされていないときは、インストールしてください。\n"
     "Kerfworksを一度も起動していないときは、起動したあとイラストレータを再起動してください。"},
    {16235, "The cut file could not be written.", "カットファイルを書き込めませんでした。"},
};

TEST(Strings, EveryStringReadsBackInBothLanguages) {
  for (const StringCase& c : kStrings) {
    SCOPED_TRACE(c.id);
    EXPECT_EQ(kwtest::Built().String(c.id, Language::kEnglish), c.english);
    EXPECT_EQ(kwtest::Built().String(c.id, Language::kJapanese), c.japanese);
  }
}

TEST(Strings, TheErrorListEndsAfterItsLastPair) {
  // The message lookup stops at the first entry that does not read.
  for (Language language : {Language::kEnglish, Language::kJapanese}) {
    EXPECT_EQ(kwtest::Built().String(16063, language), std::nullopt);
    EXPECT_EQ(kwtest::Built().String(16050, language), std::nullopt);
  }
}

TEST(Strings, AbsentOrOutOfRangeIdsAnswerNothing) {
  for (int id : {-1, 0, 1, 16000, 16600, 16601, 65535, 65536}) {
    SCOPED_TRACE(id);
    EXPECT_EQ(kwtest::Built().String(id, Language::kEnglish), std::nullopt);
  }
}

}  // namespace
