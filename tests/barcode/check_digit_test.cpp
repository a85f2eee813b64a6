#include <gtest/gtest.h>

#include "barcode/bcchksum.h"

namespace tagpress {
namespace {

TEST(CheckDigits, Modulo10) {
  EXPECT_EQ(Mod10CheckDigit("690123456789"), '2');
  EXPECT_EQ(Mod10CheckDigit("1234567"), '0');
  EXPECT_EQ(Mod10CheckDigit(""), '0');
  EXPECT_EQ(Mod10CheckDigit("03600029145"), '2');
  EXPECT_EQ(Mod10CheckDigit("69-01 2345.6789"), '2');  // non-digits are skipped
}

TEST(CheckDigits, AddOn) {
  EXPECT_EQ(AddOnCheckDigit("52495"), '1');  // 3 × (5 + 4 + 5) + 9 × (2 + 9) = 141
  EXPECT_EQ(AddOnCheckDigit("00000"), '0');
  EXPECT_EQ(AddOnCheckDigit("34"), '9');  // 3 × 4 + 9 × 3 = 39
}

TEST(CheckDigits, UpcEExpandsByItsLastDigit) {
  struct Case {
    const char* six;
    int number_system;
    const char* upc_a;
    char check;
  };
  // The suppressed zeros follow the last digit's rule (ISO/IEC 15420).
  static const Case kCases[] = {
      {"425261", 0, "04210000526", '4'},  // 0-2: manufacturer ends in the last digit, 000 after
      {"123450", 0, "01200000345", '5'},  //
      {"123453", 0, "01230000045", '1'},  // 3: three manufacturer digits
      {"123454", 0, "01234000005", '3'},  // 4: four manufacturer digits
      {"123456", 0, "01234500006", '5'},  // 5-9: five manufacturer digits, item 5-9
      {"123456", 1, "11234500006", '2'},  // number system 1
      {"654321", 0, "06510000432", '7'},  //
      {"12", 0, "00020000001", '5'},      // padded on the left to six digits
  };
  for (size_t i = 0; i < std::size(kCases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(ExpandUpcE(kCases[i].six, kCases[i].number_system), kCases[i].upc_a);
    EXPECT_EQ(UpcECheckDigit(kCases[i].six, kCases[i].number_system), kCases[i].check);
  }
}

}  // namespace
}  // namespace tagpress
