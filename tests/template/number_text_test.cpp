#include "template/number_text.h"

#include <gtest/gtest.h>

namespace tagpress {
namespace {

TEST(NumberText, Formats) {
  EXPECT_EQ(FormatFixed(8, 2), "8.00");
  EXPECT_EQ(FormatFixed(1.234, 2), "1.23");
  EXPECT_EQ(FormatFixed(-0.001, 2), "0.00");
  EXPECT_EQ(FloatToText(8), "8");
  EXPECT_EQ(FloatToText(0.2), "0.2");
  EXPECT_EQ(FloatToText(12.345), "12.345");
  EXPECT_EQ(FloatToText(1.0 / 3), "0.333333333333333");
  EXPECT_EQ(FloatToText(1e20), "1E20");
  EXPECT_EQ(FloatToText(-2.5e-7), "-2.5E-7");
}

TEST(NumberText, Parses) {
  EXPECT_EQ(TryTextToFloat("8"), 8);
  EXPECT_EQ(TryTextToFloat(" -1.5e2 "), -150);
  EXPECT_EQ(TryTextToFloat("+.5"), 0.5);
  EXPECT_EQ(TryTextToFloat("abc"), std::nullopt);
  EXPECT_EQ(TryTextToFloat("inf"), std::nullopt);
  EXPECT_EQ(TryTextToFloat(""), std::nullopt);
  EXPECT_EQ(TryTextToFloat("1,5"), std::nullopt);
  EXPECT_EQ(TryTextToInt("-5"), -5);
  EXPECT_EQ(TryTextToInt("$1F"), 31);
  EXPECT_EQ(TryTextToInt("0x10"), 16);
  EXPECT_EQ(TryTextToInt("$FFFFFFFF"), -1);
  EXPECT_EQ(TryTextToInt("2147483648"), std::nullopt);
  EXPECT_EQ(TryTextToInt("3.5"), std::nullopt);
  EXPECT_EQ(ParseBool("TRUE"), true);
  EXPECT_EQ(ParseBool("false"), false);
  EXPECT_EQ(ParseBool("2"), true);
  EXPECT_EQ(ParseBool("0"), false);
  EXPECT_EQ(ParseBool("abc"), std::nullopt);
}

}  // namespace
}  // namespace tagpress
