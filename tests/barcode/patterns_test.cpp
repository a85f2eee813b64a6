// Exact bar patterns, compared as module strings built from the named pieces
// of each symbology (start, data, check, stop).

#include <gtest/gtest.h>

#include <string>

#include "barcode/barcode.h"
#include "tests/barcode/module_string.h"

namespace tagpress {
namespace {

using test_support::ModuleString;
using test_support::NarrowWide;

std::string PatternOf(TBarcodeType typ, std::string_view text, bool checksum = false) {
  TBarcode barcode;
  barcode.SetTyp(typ);
  barcode.SetText(text);
  barcode.SetChecksum(checksum);
  std::string pattern;
  EXPECT_TRUE(barcode.Encode(pattern)) << "error " << barcode.LastError();
  return pattern;
}

std::string ModulesOf(TBarcodeType typ, std::string_view text, bool checksum = false) {
  return ModuleString(PatternOf(typ, text, checksum));
}

// ---- Two of five ----------------------------------------------------------

TEST(TwoOfFivePatterns, InterleavedPairsBarsWithSpaces) {
  const std::string pattern = PatternOf(bcCode_2_5_interleaved, "1234");
  EXPECT_EQ(pattern.size(), 27u);  // 4 start, 2 × 10 for the pairs, 3 stop
  EXPECT_EQ(pattern.front(), '5');
  // Pair 1-2: bars of 1 (WNNNW) between spaces of 2 (NWNNW); pair 3-4 alike.
  EXPECT_EQ(ModuleString(pattern),
            NarrowWide("NNNN") + NarrowWide("WNNWNNNNWW") + NarrowWide("WNWNNWNNNW") + NarrowWide("WNN"));
}

TEST(TwoOfFivePatterns, InterleavedOddCountGetsALeadingZero) {
  TBarcode barcode;
  barcode.SetTyp(bcCode_2_5_interleaved);
  barcode.SetText("123");
  std::string pattern;
  ASSERT_TRUE(barcode.Encode(pattern));
  EXPECT_EQ(pattern, PatternOf(bcCode_2_5_interleaved, "0123"));  // the 3 is in the bars
  EXPECT_EQ(barcode.Text(), "123");
}

TEST(TwoOfFivePatterns, IndustrialCarriesDataInTheBarsOnly) {
  // Start: wide, wide, narrow bar; digit 1: WNNNW bars; stop: wide, narrow,
  // wide bar; every space narrow.
  EXPECT_EQ(ModulesOf(bcCode_2_5_industrial, "1"),
            NarrowWide("WNWNNN") + NarrowWide("WNNNNNNNWN") + NarrowWide("WNNNWN"));
}

TEST(TwoOfFivePatterns, MatrixUsesBarsAndSpacesWithAGap) {
  // Ratio 2.25 at module 1: narrow 1, wide 2, start/stop bar 3 modules.
  EXPECT_EQ(ModulesOf(bcCode_2_5_matrix, "1"),
            "11101010"
            "11010110"
            "1110101");
}

// ---- Code 39 --------------------------------------------------------------

constexpr const char* kCode39Star = "515060605";
constexpr const char* kCode39Zero = "505160605";
constexpr const char* kCode39A = "605051506";

TEST(Code39Patterns, CharactersBetweenStartAndStopWithGaps) {
  EXPECT_EQ(PatternOf(bcCode39, "0A"),
            std::string(kCode39Star) + "0" + kCode39Zero + "0" + kCode39A + "0" + kCode39Star);
}

TEST(Code39Patterns, CheckCharacterIsTheSumModulo43) {
  // A (10) + B (11) = 21: the character L.
  EXPECT_EQ(PatternOf(bcCode39, "AB", true), PatternOf(bcCode39, "ABL"));
  EXPECT_EQ(PatternOf(bcCode39, "AB", false).size(), PatternOf(bcCode39, "AB", true).size() - 10);
  // A remainder of 0 gives "0", not "*".
  EXPECT_EQ(PatternOf(bcCode39, "%1", true), PatternOf(bcCode39, "%10"));  // 42 + 1 = 43
}

TEST(Code39Patterns, CharactersOutsideTheTableAreSkipped) {
  // Lower case letters and a "*" inside the text, which would stop the symbol.
  EXPECT_EQ(PatternOf(bcCode39, "a*b"), PatternOf(bcCode39, ""));
  EXPECT_EQ(PatternOf(bcCode39, "A*B"), PatternOf(bcCode39, "AB"));
  EXPECT_EQ(PatternOf(bcCode39, "A\x80\xFFZ"), PatternOf(bcCode39, "AZ"));
}

TEST(Code39Patterns, FullAsciiUsesShiftPairs) {
  EXPECT_EQ(PatternOf(bcCode39Extended, "ab"), PatternOf(bcCode39, "+A+B"));
  EXPECT_EQ(PatternOf(bcCode39Extended, std::string_view("\0\x01*-.:\x7F", 7)),
            PatternOf(bcCode39, "%U$A/J/M/N/Z%T"));
  EXPECT_EQ(PatternOf(bcCode39Extended, "ab", true), PatternOf(bcCode39, "+A+B", true));
  EXPECT_EQ(PatternOf(bcCode39Extended, "A\xC0Z"), PatternOf(bcCode39, "AZ"));  // above 127: dropped
}

// ---- Code 93 --------------------------------------------------------------

TEST(Code93Patterns, TwoCheckCharacters) {
  // TEST93: C = 41 ("+", 113121), K = 6 ("6", 121311).
  const std::string pattern = PatternOf(bcCode93, "TEST93");
  const std::string tail = WidthsToPattern("113121") + WidthsToPattern("121311") + WidthsToPattern("1111411");
  ASSERT_GE(pattern.size(), tail.size());
  EXPECT_EQ(pattern.substr(pattern.size() - tail.size()), tail);
  EXPECT_EQ(pattern.substr(0, 6), WidthsToPattern("111141"));
  EXPECT_EQ(pattern.size(), 6 * (1 + 6 + 2) + 7u);
}

TEST(Code93Patterns, FullAsciiShiftsLowerCase) {
  // "a" is (+)A: values 46 and 10. C = 10 + 2 × 46 = 102 mod 47 = 8;
  // K = 2 × 10 + 3 × 46 + 8 = 166 mod 47 = 25 ("P").
  EXPECT_EQ(PatternOf(bcCode93Extended, "a"), WidthsToPattern("111141") + WidthsToPattern("122211") +
                                                  WidthsToPattern("211113") + WidthsToPattern("131211") +
                                                  WidthsToPattern("131121") + WidthsToPattern("1111411"));
}

// ---- Codabar --------------------------------------------------------------

TEST(CodabarPatterns, StartAndStopFrameTheData) {
  const std::string a = "5061515";
  const std::string b = "5151506";
  const std::string pattern = PatternOf(bcCodeCodabar, "0");
  EXPECT_EQ(pattern, a + "0" + "5050516" + "0" + b);
  // A text framed by two of A-D keeps its own start and stop.
  EXPECT_EQ(PatternOf(bcCodeCodabar, "A0B"), pattern);
  EXPECT_EQ(PatternOf(bcCodeCodabar, "123"), PatternOf(bcCodeCodabar, "A123B"));
  EXPECT_NE(PatternOf(bcCodeCodabar, "C123D"), PatternOf(bcCodeCodabar, "A123B"));
  EXPECT_EQ(PatternOf(bcCodeCodabar, "123").size(), 5 * 7 + 4u);
}

// ---- MSI and PostNet ------------------------------------------------------

std::string MsiBits(std::string_view bits) {
  std::string modules;
  for (const char bit : bits) modules += bit == '1' ? "110" : "100";
  return modules;
}

TEST(MsiPatterns, BinaryCodedDigitsWithCheckDigit) {
  // 1234: check digit 4 (4 × 2 = 8, + 3, + 2 × 2, + 1 = 16).
  EXPECT_EQ(ModulesOf(bcCodeMSI, "1234"), "110" +
                                              MsiBits("0001"
                                                      "0010"
                                                      "0011"
                                                      "0100"
                                                      "0100") +
                                              "1001");
  // 1: 1 × 2 = 2, check digit 8.
  EXPECT_EQ(ModulesOf(bcCodeMSI, "1"), "110" +
                                           MsiBits("0001"
                                                   "1000") +
                                           "1001");
}

TEST(PostNetPatterns, TallAndShortBarsWithFrame) {
  EXPECT_EQ(ModulesOf(bcCodePostNet, "0"),
            "100"
            "100"
            "100"
            "s00"
            "s00"
            "s00"
            "1");
  EXPECT_EQ(ModulesOf(bcCodePostNet, "19"),
            "100"
            "s00s00s00100100"
            "100s00100s00s00"
            "1");
}

// ---- Code 128 -------------------------------------------------------------

// The check character is the six elements before the seven of the stop.
std::string CheckCharacterOf(const std::string& pattern) { return pattern.substr(pattern.size() - 13, 6); }

TEST(Code128Patterns, CheckValues) {
  const std::string ab1 = PatternOf(bcCode128B, "Ab1");
  EXPECT_EQ(CheckCharacterOf(ab1), WidthsToPattern("231212"));  // 11
  EXPECT_EQ(ModuleString(ab1).size(), 68u);
  EXPECT_EQ(CheckCharacterOf(PatternOf(bcCode128C, "12345")), WidthsToPattern("121142"));  // 81
  const std::string ean = PatternOf(bcCodeEAN128C, "0012345678");
  EXPECT_EQ(CheckCharacterOf(ean), WidthsToPattern("411113"));                          // 97
  EXPECT_EQ(ean.substr(0, 12), WidthsToPattern("211232") + WidthsToPattern("411131"));  // start C, FNC1
}

TEST(Code128Patterns, CharactersOutsideTheCodeSetAreSpaces) {
  EXPECT_EQ(PatternOf(bcCode128A, "a"), PatternOf(bcCode128A, " "));
  EXPECT_EQ(PatternOf(bcCode128A, "\t"), PatternOf(bcCode128A, " "));
  EXPECT_EQ(PatternOf(bcCode128B, "\xB5"), PatternOf(bcCode128B, " "));
  // A comma is value 12 in both sets.
  EXPECT_EQ(PatternOf(bcCode128A, ",").substr(6, 6), WidthsToPattern("112232"));
  EXPECT_EQ(PatternOf(bcCode128B, ",").substr(6, 6), WidthsToPattern("112232"));
}

TEST(Code128Patterns, OddCodeSetCData) {
  // Plain Code 128 C stores the leading zero once.
  TBarcode barcode;
  barcode.SetTyp(bcCode128C);
  barcode.SetText("12345");
  const int width = barcode.Width();
  EXPECT_EQ(barcode.Text(), "012345");
  EXPECT_EQ(barcode.Width(), width);
  EXPECT_EQ(barcode.Text(), "012345");

  // EAN-128 C keeps the application identifier: pairs 10 12 34, then Code B
  // and "5" (value 21). Check: 105 + 102 + 2×10 + 3×12 + 4×34 + 5×100 + 6×21
  // = 1025 = 98 mod 103.
  EXPECT_EQ(PatternOf(bcCodeEAN128C, "1012345"),
            WidthsToPattern("211232") + WidthsToPattern("411131") + WidthsToPattern("221312") +
                WidthsToPattern("112232") + WidthsToPattern("131123") + WidthsToPattern("114131") +
                WidthsToPattern("213212") + WidthsToPattern("411311") + WidthsToPattern("2331112"));
}

TEST(Code128Patterns, Ean128CheckDigitGoesIntoTheSymbolOnly) {
  TBarcode barcode;
  barcode.SetTyp(bcCodeEAN128C);
  barcode.SetText("10123456");
  barcode.SetChecksum(true);
  std::string first;
  std::string second;
  ASSERT_TRUE(barcode.Encode(first));
  ASSERT_TRUE(barcode.Encode(second));
  EXPECT_EQ(first, second);
  EXPECT_EQ(barcode.Text(), "10123456");
  EXPECT_EQ(first, PatternOf(bcCodeEAN128C, "101234564"));
}

// ---- EAN / UPC ------------------------------------------------------------

// ISO/IEC 15420 number sets in their binary form.
constexpr const char* kL[] = {"0001101", "0011001", "0010011", "0111101", "0100011",
                              "0110001", "0101111", "0111011", "0110111", "0001011"};
constexpr const char* kG[] = {"0100111", "0110011", "0011011", "0100001", "0011101",
                              "0111001", "0000101", "0010001", "0001001", "0010111"};
constexpr const char* kR[] = {"1110010", "1100110", "1101100", "1000010", "1011100",
                              "1001110", "1010000", "1000100", "1001000", "1110100"};

// Digits in the sets named by `sets` ("L", "G" or "R" per digit).
std::string InSets(std::string_view digits, std::string_view sets) {
  std::string modules;
  for (size_t i = 0; i < digits.size(); ++i) {
    const int d = digits[i] - '0';
    modules += sets[i] == 'L' ? kL[d] : sets[i] == 'G' ? kG[d] : kR[d];
  }
  return modules;
}

TEST(EanUpcPatterns, Ean13ParityFollowsTheFirstDigit) {
  EXPECT_EQ(ModulesOf(bcCodeEAN13, "123"),
            "101" + InSets("000000", "LLLLLL") + "01010" + InSets("000123", "RRRRRR") + "101");
  EXPECT_EQ(ModulesOf(bcCodeEAN13, "5901234123457"),
            "101" + InSets("901234", "LGGLLG") + "01010" + InSets("123457", "RRRRRR") + "101");
  EXPECT_EQ(ModulesOf(bcCodeEAN13, "590123412345", true), ModulesOf(bcCodeEAN13, "5901234123457"));
}

TEST(EanUpcPatterns, Ean8AndUpcA) {
  EXPECT_EQ(ModulesOf(bcCodeEAN8, "12345670"),
            "101" + InSets("1234", "LLLL") + "01010" + InSets("5670", "RRRR") + "101");
  // With the check digit: the last seven digits of a longer text.
  EXPECT_EQ(ModulesOf(bcCodeEAN8, "9991234567", true), ModulesOf(bcCodeEAN8, "12345670"));
  EXPECT_EQ(ModulesOf(bcCodeUPC_A, "036000291452"),
            "101" + InSets("036000", "LLLLLL") + "01010" + InSets("291452", "RRRRRR") + "101");
}

TEST(EanUpcPatterns, UpcEParityCarriesTheExpansionCheckDigit) {
  // 123456 expands to 01234500006, check digit 5: row EooEEo.
  EXPECT_EQ(ModulesOf(bcCodeUPC_E0, "1234565"), "101" + InSets("123456", "GLLGGL") + "010101");
  // Number system 1: expansion 11234500006, check digit 2, row EEooEo
  // taken the other way round.
  EXPECT_EQ(ModulesOf(bcCodeUPC_E1, "1234562"), "101" + InSets("123456", "LLGGLG") + "010101");
  // 654321: the Modulo 10 digit of the six digits would be 1, but the
  // expansion 06510000432 has check digit 7: row EoEoEo.
  EXPECT_EQ(ModulesOf(bcCodeUPC_E0, "654321"), ModulesOf(bcCodeUPC_E0, "0654321"));
  EXPECT_EQ(ModulesOf(bcCodeUPC_E0, "6543210"), "101" + InSets("654321", "GLGLGL") + "010101");
  // Number system 1: expansion 16510000432, check digit 4, row EoEEoo taken
  // the other way round.
  EXPECT_EQ(ModulesOf(bcCodeUPC_E1, "6543210"), "101" + InSets("654321", "LGLLGG") + "010101");
}

TEST(EanUpcPatterns, AddOns) {
  // 52495: check digit 1, row EEoEoo read from its second letter: EoEoo.
  EXPECT_EQ(ModulesOf(bcCodeUPC_Supp5, "52495"), "1011" + InSets("5", "G") + "01" + InSets("2", "L") + "01" +
                                                     InSets("4", "G") + "01" + InSets("9", "L") + "01" +
                                                     InSets("5", "L"));
  // 34 mod 4 = 2: digit 3 in set B, digit 4 in set A.
  EXPECT_EQ(ModulesOf(bcCodeUPC_Supp2, "34"), "1011" + InSets("3", "G") + "01" + InSets("4", "L"));
  // Only the two encoded digits choose the parity (345 mod 4 would be 1).
  EXPECT_EQ(ModulesOf(bcCodeUPC_Supp2, "345"), ModulesOf(bcCodeUPC_Supp2, "34"));
}

TEST(EanUpcPatterns, SymbolWidthsInModules) {
  struct Case {
    TBarcodeType typ;
    const char* text;
    int modules;
  };
  static const Case kCases[] = {
      {bcCodeEAN13, "1", 95},     {bcCodeUPC_A, "1", 95},  {bcCodeEAN8, "1", 67},
      {bcCodeUPC_E0, "1", 51},    {bcCodeUPC_E1, "1", 51}, {bcCodeUPC_Supp5, "1", 47},
      {bcCodeUPC_Supp2, "1", 20},
  };
  for (const int module : {1, 3}) {
    for (size_t i = 0; i < std::size(kCases); ++i) {
      SCOPED_TRACE(i);
      TBarcode barcode;
      barcode.SetTyp(kCases[i].typ);
      barcode.SetText(kCases[i].text);
      barcode.SetModul(module);
      EXPECT_EQ(barcode.Width(), kCases[i].modules * module);
    }
  }
}

TEST(EanUpcPatterns, TextNormalisedByTheEncoders) {
  struct Case {
    TBarcodeType typ;
    const char* text;
    bool checksum;
    const char* stored;
  };
  static const Case kCases[] = {
      {bcCodeUPC_A, "12345", false, "000000012345"},
      {bcCodeUPC_A, "036000291450", true, "036000291452"},
      {bcCodeUPC_E0, "1234560", true, "1234565"},
      {bcCodeUPC_E1, "1234560", true, "1234562"},
      {bcCodeUPC_E0, "12", false, "0000012"},
      {bcCodeUPC_Supp5, "52495", true, "524951"},
      {bcCodeUPC_Supp5, "524951", true, "524951"},  // stable when encoded again
      {bcCodeUPC_Supp2, "34", true, "349"},
      {bcCodeUPC_Supp2, "349", true, "349"},
      {bcCodeEAN13, "123", false, "123"},
  };
  for (size_t i = 0; i < std::size(kCases); ++i) {
    SCOPED_TRACE(i);
    TBarcode barcode;
    barcode.SetTyp(kCases[i].typ);
    barcode.SetText(kCases[i].text);
    barcode.SetChecksum(kCases[i].checksum);
    EXPECT_GT(barcode.Width(), 0);
    EXPECT_EQ(barcode.Text(), kCases[i].stored);
  }
}

}  // namespace
}  // namespace tagpress
