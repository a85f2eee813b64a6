#include "script/library/chinese_numerals.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/text_codec.h"
#include "script/library/date_calc.h"

namespace tagpress {
namespace {

struct NumberCase {
  double value;
  const char* text;  // UTF-8
};

TEST(NumText, CapitalNumerals) {
  static const NumberCase kCases[] = {
      /* 0*/ {5, "伍"},
      /* 1*/ {10, "拾"},
      /* 2*/ {20, "贰拾"},
      /* 3*/ {101, "壹佰零壹"},
      /* 4*/ {10000, "壹万"},
      /* 5*/ {100010000, "壹亿零壹万"},
      /* 6*/ {123456789, "壹亿贰仟叁佰肆拾伍万陆仟柒佰捌拾玖"},
      /* 7*/ {-15, "负壹拾伍"},  // no shortening for negatives
      /* 8*/ {-3.5, "负叁点伍"},
      /* 9*/ {12.05, "拾贰点零伍"},
      /*10*/ {0, ""},
      /*11*/ {2147483647, "贰拾壹亿肆仟柒佰肆拾捌万叁仟陆佰肆拾柒"},
      /*12*/ {1001, "壹仟零壹"},
      /*13*/ {1010, "壹仟零壹拾"},
      /*14*/ {100, "壹佰"},
      /*15*/ {15, "拾伍"},
      /*16*/ {0.5, "点伍"},
      /*17*/ {19.99, "拾玖点玖玖"},
  };
  for (size_t i = 0; i < std::size(kCases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(GbkToUtf8(NumText(kCases[i].value, NumeralStyle::kCapital)), kCases[i].text);
  }
}

TEST(NumText, OrdinaryNumerals) {
  static const NumberCase kCases[] = {
      /*0*/ {1010, "一千〇一十"},
      /*1*/ {15, "十五"},
      /*2*/ {0.5, "点五"},
      /*3*/ {100010000, "一亿〇一万"},
  };
  for (size_t i = 0; i < std::size(kCases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(GbkToUtf8(NumText(kCases[i].value, NumeralStyle::kOrdinary)), kCases[i].text);
  }
}

TEST(NumText, NumbersBeyondTheLayoutFail) {
  for (double value : {3000000000.0, 0.00001, 2147483648.0, 1e15}) {
    SCOPED_TRACE(value);
    EXPECT_THROW(NumText(value, NumeralStyle::kCapital), EConvertError);
  }
}

TEST(MoneyText, Amounts) {
  static const NumberCase kCases[] = {
      /*0*/ {0, "整"},
      /*1*/ {0.5, "伍角"},
      /*2*/ {0.05, "零伍分"},
      /*3*/ {12.5, "壹拾贰圆伍角"},
      /*4*/ {101.01, "壹佰零壹圆零壹分"},
      /*5*/ {1234567.89, "壹佰贰拾叁万肆仟伍佰陆拾柒圆捌角玖分"},
      /*6*/ {100010000.1, "壹亿零壹万圆壹角"},
      /*7*/ {999999999999.99, "玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖圆玖角玖分"},
      /*8*/ {-12.5, "壹拾贰圆伍角"},  // the sign plays no part
      /*9*/ {10, "壹拾圆整"},
      /*10*/ {0.12, "壹角贰分"},
  };
  for (size_t i = 0; i < std::size(kCases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(GbkToUtf8(MoneyText(kCases[i].value)), kCases[i].text);
  }
}

TEST(MoneyText, AmountsFromTenToTheTwelfthFail) {
  EXPECT_THROW(MoneyText(1e12), EConvertError);
  EXPECT_THROW(MoneyText(1e20), EConvertError);
}

TEST(DateText, Dates) {
  EXPECT_EQ(GbkToUtf8(DateText(EncodeDate(2024, 1, 5))), "二〇二四年一月五日");
  EXPECT_EQ(GbkToUtf8(DateText(EncodeDate(2010, 10, 31))), "二〇一〇年十月三十一日");
  EXPECT_EQ(GbkToUtf8(DateText(EncodeDate(2024, 12, 20) + 0.75)), "二〇二四年十二月二十日");
}

}  // namespace
}  // namespace tagpress
