#include "template/number_text.h"

#include <gtest/gtest.h>

namespace tagpress {
namespace {

TEST(NumberText, Formats) {
  EXPECT_EQ(FormatFixed(8, 2), "8.00");
  EXPECT_EQ(FormatFixed(1.234, 2), "1.23");
  EXPECT_EQ(FormatFixed(-0.001, 2), "0.00");
  EXPECT_EQ(FormatGeneral(8), "8");
  EXPECT_EQ(FormatGeneral(0.2), "0.2");
  EXPECT_EQ(FormatGeneral(12.345), "12.345");
  EXPECT_EQ(FormatGeneral(1.0 / 3), "0.333333333333333");
  EXPECT_EQ(FormatGeneral(1e20), "1E20");
  EXPECT_EQ(FormatGeneral(-2.5e-7), "-2.5E-7");
}

TEST(NumberText, Parses) {
  EXPECT_EQ(ParseReal("8"), 8);
  EXPECT_EQ(ParseReal(" -1.5e2 "), -150);
  EXPECT_EQ(ParseReal("+.5"), 0.5);
  EXPECT_EQ(ParseReal("abc"), std::nullopt);
  EXPECT_EQ(ParseReal("inf"), std::nullopt);
  EXPECT_EQ(ParseReal(""), std::nullopt);
  EXPECT_EQ(ParseReal("1,5"), std::nullopt);
  EXPECT_EQ(ParseInt("-5"), -5);
  EXPECT_EQ(ParseInt("$1F"), 31);
  EXPECT_EQ(ParseInt("0x10"), 16);
  EXPECT_EQ(ParseInt("$FFFFFFFF"), -1);
  EXPECT_EQ(ParseInt("2147483648"), std::nullopt);
  EXPECT_EQ(ParseInt("3.5"), std::nullopt);
  EXPECT_EQ(ParseBool("TRUE"), true);
  EXPECT_EQ(ParseBool("false"), false);
  EXPECT_EQ(ParseBool("2"), true);
  EXPECT_EQ(ParseBool("0"), false);
  EXPECT_EQ(ParseBool("abc"), std::nullopt);
}

}  // namespace
}  // namespace tagpress
