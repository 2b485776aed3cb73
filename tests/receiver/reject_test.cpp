#include <gtest/gtest.h>

#include <string>

#include "cut_file_fixtures.h"
#include "support/param_names.h"
#include "tools/receiver/cut_file_reader.h"

namespace receiver {
namespace {

// One corruption of a good file: replace the first `from` (or every one) by `to`.
struct Corruption {
  const char* name;
  const char* base;
  std::string from;
  std::string to;
  std::string expected;
  bool everywhere = false;
};

void PrintTo(const Corruption& corruption, std::ostream* out) {
  *out << corruption.name;
}

std::string Corrupt(std::string bytes, const Corruption& corruption) {
  std::size_t at = bytes.find(corruption.from);
  EXPECT_NE(at, std::string::npos) << "\"" << corruption.from << "\" not in " << corruption.base;
  while (at != std::string::npos) {
    bytes.replace(at, corruption.from.size(), corruption.to);
    at = corruption.everywhere ? bytes.find(corruption.from, at + corruption.to.size())
                               : std::string::npos;
  }
  return bytes;
}

class RejectsCorruption : public testing::TestWithParam<Corruption> {};

TEST_P(RejectsCorruption, NamesLineAndFault) {
  const Corruption& corruption = GetParam();
  const ParseResult result =
      ParseCutFile(Corrupt(receiver_test::ReadCutFileBytes(corruption.base), corruption));
  const auto* error = std::get_if<ParseError>(&result);
  ASSERT_NE(error, nullptr) << "accepted";
  EXPECT_EQ(error->ToString(), corruption.expected);
}

constexpr const char* kCrop = "crop_marks.cut";
const std::string kMove = "5.000000 5.000000 m";  // line 17 of crop_marks.cut

Corruption BadMoveNumber(const char* name, const std::string& number, const std::string& fault) {
  return {name, kCrop, kMove, number + " 5.000000 m",
          "line 17: number \"" + number + "\" " + fault};
}

INSTANTIATE_TEST_SUITE_P(
    LineEnds, RejectsCorruption,
    testing::Values(
        Corruption{"LfEverywhere", kCrop, "\r\n", "\n", "line 1: line ends with LF without CR",
                   true},
        Corruption{"OneLf", kCrop, "%%BeginSetup\r\n", "%%BeginSetup\n",
                   "line 6: line ends with LF without CR"},
        Corruption{"BareCr", kCrop, "%%EndProlog\r\n", "%%EndProlog\r",
                   "line 5: bare CR inside the line"},
        Corruption{"NoFinalCrLf", kCrop, "%%EOF\r\n", "%%EOF",
                   "line 25: last line does not end with CR LF"},
        Corruption{"FinalCrOnly", kCrop, "%%EOF\r\n", "%%EOF\r",
                   "line 25: line ends with CR without LF"},
        Corruption{"BlankLine", kCrop, "%AI5_BeginLayer\r\n", "%AI5_BeginLayer\r\n\r\n",
                   "line 9: blank line"},
        Corruption{"LeadingSpace", kCrop, "\r\nu\r\n", "\r\n u\r\n", "line 9: leading space"},
        Corruption{"TrailingSpace", kCrop, "%%EndSetup\r\n", "%%EndSetup \r\n",
                   "line 7: trailing space"},
        Corruption{"Tab", kCrop, kMove, "5.000000\t5.000000 m", "line 17: tab character"},
        Corruption{"NonAscii", kCrop, "%%Trailer", "%%Tr\xC3\xA4iler",
                   "line 24: byte 0xC3 is not printable ASCII"}),
    test_support::NameBy(&Corruption::name));

INSTANTIATE_TEST_SUITE_P(
    Structure, RejectsCorruption,
    testing::Values(
        Corruption{"WrongHeaderLine", kCrop, "%%EndSetup", "%%EndSetupX",
                   "line 7: expected \"%%EndSetup\", found \"%%EndSetupX\""},
        Corruption{"MissingHeaderLine", kCrop, "%%BeginProlog\r\n", "",
                   "line 4: expected \"%%BeginProlog\", found \"%%EndProlog\""},
        Corruption{"CropMarkWithoutSpace", kCrop, "CropMark: ", "CropMark:",
                   "line 2: crop-mark comment must begin with \"%%TalvexCropMark: \""},
        Corruption{"CropMarkFiveNumbers", kCrop, " 56.692913", "",
                   "line 2: crop-mark comment takes 6 numbers, found 5"},
        Corruption{"StrayLineInLayer", kCrop, "%AI5_BeginLayer\r\n", "%AI5_BeginLayer\r\nx\r\n",
                   "line 9: expected \"u\" or \"%AI5_EndLayer--\", found \"x\""},
        Corruption{
            "MissingStroke", kCrop, "S\r\nU\r\n", "U\r\n",
            "line 20: expected a curve line \"x1 y1 x2 y2 x3 y3 c\", \"s\" or \"S\", found \"U\""},
        Corruption{"MissingGroupEnd", kCrop, "S\r\nU\r\n", "S\r\n",
                   "line 21: expected \"U\", found \"%AI5_EndLayer--\""},
        Corruption{"TrailerCutShort", kCrop, "%%Trailer\r\n%%EOF\r\n", "",
                   "line 24: file ends early: expected \"%%Trailer\""},
        Corruption{"ExtraLineAfterEof", kCrop, "%%EOF\r\n", "%%EOF\r\n%%EOF\r\n",
                   "line 26: unexpected text after \"%%EOF\""},
        Corruption{"TextAfterTrailer", kCrop, "%%EOF\r\n", "%%EOF\r\nx",
                   "line 26: unexpected text after \"%%EOF\""}),
    test_support::NameBy(&Corruption::name));

INSTANTIATE_TEST_SUITE_P(
    PathLines, RejectsCorruption,
    testing::Values(Corruption{"MissingOperator", kCrop, kMove, "5.000000 5.000000",
                               "line 17: missing operator at end of line"},
                    Corruption{"UnknownOperator", kCrop, kMove, "5.000000 5.000000 l",
                               "line 17: unknown operator \"l\""},
                    Corruption{"MoveThreeNumbers", kCrop, kMove, "5.000000 5.000000 5.000000 m",
                               "line 17: \"m\" takes 2 numbers, found 3"},
                    Corruption{"CurveFiveNumbers", kCrop, "6.000000 7.000000 ", "7.000000 ",
                               "line 18: \"c\" takes 6 numbers, found 5"},
                    Corruption{"CurveBeforeMove", kCrop, kMove + "\r\n", "",
                               "line 17: expected a move line \"x y m\", found "
                               "\"6.000000 7.000000 8.000000 9.000000 10.000000 5.000000 c\""},
                    Corruption{"DoubleSpace", kCrop, kMove, "5.000000  5.000000 m",
                               "line 17: two spaces in a row"},
                    Corruption{
                        "ClosingCurveMissesStart", kCrop, "-42.519684 -0.000000 c",
                        "-42.519684 1.000000 c",
                        "line 13: closed path's last curve does not end at its first anchor"},
                    Corruption{"ClosedWithoutCurve", "closed_one_segment.cut",
                               "12.500000 20.000000 7.500000 20.000000 10.000000 20.000000 c\r\n",
                               "", "line 10: closed path has no curve back to its first anchor"}),
    test_support::NameBy(&Corruption::name));

INSTANTIATE_TEST_SUITE_P(
    Numbers, RejectsCorruption,
    testing::Values(BadMoveNumber("OneDecimal", "1.5", "must have six decimals"),
                    BadMoveNumber("SevenDecimals", "1.0000000", "must have six decimals"),
                    BadMoveNumber("PlusSign", "+1.000000", "must not have a plus sign"),
                    BadMoveNumber("Exponent", "1e3", "must not have an exponent"),
                    BadMoveNumber("LeadingZero", "01.000000", "has a leading zero"),
                    BadMoveNumber("NegativeLeadingZero", "-00.000000", "has a leading zero"),
                    BadMoveNumber("NoDecimalPoint", "1", "must have a decimal point"),
                    BadMoveNumber("NoIntegerPart", ".500000",
                                  "must have a digit before the decimal point"),
                    Corruption{"Comma", kCrop, kMove, "1,000000 5.000000 m",
                               "line 17: \"1,000000\" is not a number"},
                    Corruption{"TwoMinus", kCrop, kMove, "--1.000000 5.000000 m",
                               "line 17: \"--1.000000\" is not a number"},
                    Corruption{"CropMarkDecimals", kCrop, "481.889771", "481.88977",
                               "line 2: number \"481.88977\" must have six decimals"}),
    test_support::NameBy(&Corruption::name));

}  // namespace
}  // namespace receiver
