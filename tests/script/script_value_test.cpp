#include "script/script_value.h"

#include <gtest/gtest.h>

#include "script/date_time.h"
#include "platform/number_text.h"
#include "script/script_errors.h"
#include "script/value_operators.h"

namespace tagpress {
namespace {

TEST(ValueText, FormsOfEveryType) {
  struct Case {
    TkxValue value;
    const char* text;
  };
  const Case cases[] = {
      /* 0 */ {TkxValue(), ""},
      /* 1 */ {TkxValue::Null(), ""},
      /* 2 */ {TkxValue::FromInteger(-42), "-42"},
      /* 3 */ {TkxValue::FromDouble(1.0 / 3.0), "0.333333333333333"},
      /* 4 */ {TkxValue::FromDouble(2.5), "2.5"},
      /* 5 */ {TkxValue::FromDouble(3.0), "3"},
      /* 6 */ {TkxValue::FromDouble(1e20), "1E20"},
      /* 7 */ {TkxValue::FromDouble(1.5e-7), "1.5E-7"},
      /* 8 */ {TkxValue::FromDouble(0.0001), "0.0001"},
      /* 9 */ {TkxValue::FromDouble(0.1 + 0.2), "0.3"},
      /* 10 */ {TkxValue::FromCurrencyScaled(12345), "1.2345"},
      /* 11 */ {TkxValue::FromCurrencyScaled(-15000), "-1.5"},
      /* 12 */ {TkxValue::FromDate(EncodeDate(2024, 1, 5)), "2024-1-5"},
      /* 13 */ {TkxValue::FromDate(EncodeDate(2024, 11, 25) + EncodeTime(7, 5, 9, 0)), "2024-11-25 7:05:09"},
      /* 14 */ {TkxValue::FromDate(EncodeTime(13, 0, 0, 0)), "13:00:00"},
      /* 15 */ {TkxValue::FromBoolean(true), "True"},
      /* 16 */ {TkxValue::FromBoolean(false), "False"},
      /* 17 */ {TkxValue::FromInt64(int64_t{1} << 40), "1099511627776"},
      /* 18 */ {TkxValue::FromDouble(123456789012345.0), "123456789012345"},
      /* 19 */ {TkxValue::FromDouble(1e15), "1E15"},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(ValueToText(cases[i].value), cases[i].text);
  }
}

TEST(ValueText, ArrayHasNoText) {
  EXPECT_THROW(ValueToText(TkxValue::FromArray({TkxValue::FromInteger(1)})), EConvertError);
}

TEST(NumberText, WholeNumberReading) {
  EXPECT_EQ(TryTextToInt("42"), 42);
  EXPECT_EQ(TryTextToInt(" -7"), -7);
  EXPECT_EQ(TryTextToInt("$1F"), 31);
  EXPECT_EQ(TryTextToInt("0x1f"), 31);
  EXPECT_EQ(TryTextToInt("x10"), 16);
  EXPECT_EQ(TryTextToInt("-2147483648"), INT32_MIN);
  EXPECT_EQ(TryTextToInt("2147483648"), std::nullopt);
  EXPECT_EQ(TryTextToInt("3.9"), std::nullopt);
  EXPECT_EQ(TryTextToInt("12 "), std::nullopt);
  EXPECT_EQ(TryTextToInt(""), std::nullopt);
  EXPECT_EQ(TextToIntPrefix("2024-1-5"), 2024);
  EXPECT_EQ(TextToIntPrefix("-12x"), 12);
  EXPECT_EQ(TextToIntPrefix("True"), 0);
}

TEST(NumberText, RealReading) {
  EXPECT_EQ(TryTextToFloat(" 1.5E-3 "), 1.5e-3);
  EXPECT_EQ(TryTextToFloat("-.5"), -0.5);
  EXPECT_EQ(TryTextToFloat("1e400"), std::nullopt);
  EXPECT_EQ(TryTextToFloat("inf"), std::nullopt);
  EXPECT_EQ(TryTextToFloat("1,5"), std::nullopt);
  EXPECT_EQ(TryTextToFloat("1E"), std::nullopt);
}

TEST(DateTime, TextRoundTrip) {
  EXPECT_EQ(TryTextToDateTime("1899-12-30"), 0.0);
  EXPECT_EQ(TryTextToDateTime("1900-1-1"), kDefaultDateTime);
  EXPECT_EQ(TryTextToDateTime("2024-2-29 12:00:00"), EncodeDate(2024, 2, 29) + 0.5);
  EXPECT_EQ(TryTextToDateTime("2023-2-29"), std::nullopt);
  EXPECT_EQ(TryTextToDateTime("6:00"), 0.25);
  EXPECT_EQ(DateTimeToText(-1.25), "1899-12-29 6:00:00");
  EXPECT_EQ(DateTimeToText(1e12), std::nullopt);
}

// The operator table: each row names the operation, both operands and the
// expected result (type and text), or the error class expected.
enum class Op { Add, Sub, Mul, Div };
enum class Fails { No, Convert, ZeroDivide, InvalidOp, Overflow };

TkxValue Apply(Op op, const TkxValue& a, const TkxValue& b) {
  switch (op) {
    case Op::Add:
      return ValueAdd(a, b);
    case Op::Sub:
      return ValueSubtract(a, b);
    case Op::Mul:
      return ValueMultiply(a, b);
    case Op::Div:
      return ValueDivide(a, b);
  }
  return TkxValue();
}

TEST(ValueOperators, Arithmetic) {
  const auto I = TkxValue::FromInteger;
  const auto D = TkxValue::FromDouble;
  const auto S = [](const char* s) { return TkxValue::FromString(s); };
  const auto B = TkxValue::FromBoolean;
  struct Case {
    Op op;
    TkxValue left, right;
    TVarType type;
    const char* text;
    Fails fails;
  };
  const double day = EncodeDate(2024, 1, 5);
  const Case cases[] = {
      /* 0 */ {Op::Add, S("1"), S("2"), TVarType::String, "12", Fails::No},
      /* 1 */ {Op::Add, S("1"), I(2), TVarType::Double, "3", Fails::No},
      /* 2 */ {Op::Add, S("a"), I(1), TVarType::Empty, "", Fails::Convert},
      /* 3 */ {Op::Add, TkxValue::Null(), I(1), TVarType::Null, "", Fails::No},
      /* 4 */ {Op::Div, I(7), I(2), TVarType::Double, "3.5", Fails::No},
      /* 5 */ {Op::Div, I(4), I(2), TVarType::Double, "2", Fails::No},
      /* 6 */ {Op::Div, I(1), I(0), TVarType::Empty, "", Fails::ZeroDivide},
      /* 7 */ {Op::Div, I(0), I(0), TVarType::Empty, "", Fails::InvalidOp},
      /* 8 */ {Op::Add, TkxValue(), TkxValue(), TVarType::Empty, "", Fails::No},
      /* 9 */ {Op::Div, TkxValue(), TkxValue(), TVarType::Empty, "", Fails::ZeroDivide},
      /* 10 */ {Op::Add, TkxValue(), I(5), TVarType::Integer, "5", Fails::No},
      /* 11 */ {Op::Add, TkxValue(), S("x"), TVarType::String, "x", Fails::No},
      /* 12 */ {Op::Add, I(INT32_MAX), I(1), TVarType::Int64, "2147483648", Fails::No},
      /* 13 */ {Op::Mul, I(65536), I(65536), TVarType::Int64, "4294967296", Fails::No},
      /* 14 */ {Op::Add, B(true), I(5), TVarType::Integer, "4", Fails::No},
      /* 15 */ {Op::Add, B(true), B(true), TVarType::Double, "-2", Fails::No},
      /* 16 */ {Op::Mul, S("3"), S("4"), TVarType::Double, "12", Fails::No},
      /* 17 */ {Op::Add, TkxValue::FromDate(day), I(1), TVarType::Date, "2024-1-6", Fails::No},
      /* 18 */ {Op::Sub, TkxValue::FromDate(day), I(5), TVarType::Date, "2023-12-31", Fails::No},
      /* 19 */
      {Op::Sub, TkxValue::FromDate(day + 2), TkxValue::FromDate(day), TVarType::Double, "2", Fails::No},
      /* 20 */ {Op::Mul, TkxValue::FromCurrencyScaled(15000), I(3), TVarType::Currency, "4.5", Fails::No},
      /* 21 */ {Op::Div, TkxValue::FromCurrencyScaled(10000), I(3), TVarType::Currency, "0.3333", Fails::No},
      /* 22 */ {Op::Add, TkxValue::FromInt64(5), D(0.5), TVarType::Double, "5.5", Fails::No},
      /* 23 */ {Op::Mul, D(1e308), D(10), TVarType::Empty, "", Fails::Overflow},
      /* 24 */ {Op::Sub, S("5"), B(true), TVarType::Double, "6", Fails::No},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    const Case& c = cases[i];
    switch (c.fails) {
      case Fails::Convert:
        EXPECT_THROW(Apply(c.op, c.left, c.right), EConvertError);
        continue;
      case Fails::ZeroDivide:
        EXPECT_THROW(Apply(c.op, c.left, c.right), EZeroDivide);
        continue;
      case Fails::InvalidOp:
        EXPECT_THROW(Apply(c.op, c.left, c.right), EInvalidOp);
        continue;
      case Fails::Overflow:
        EXPECT_THROW(Apply(c.op, c.left, c.right), EOverflow);
        continue;
      case Fails::No:
        break;
    }
    const TkxValue result = Apply(c.op, c.left, c.right);
    EXPECT_EQ(result.Type(), c.type);
    EXPECT_EQ(ValueToText(result), c.text);
  }
}

TEST(ValueOperators, Int64OverflowIsAnError) {
  EXPECT_THROW(ValueAdd(TkxValue::FromInt64(INT64_MAX), TkxValue::FromInteger(1)), EIntOverflow);
}

TEST(ValueOperators, ArrayIsNoOperand) {
  EXPECT_THROW(ValueAdd(TkxValue::FromArray({}), TkxValue::FromInteger(1)), EConvertError);
}

TEST(ValueOperators, Comparisons) {
  const auto I = TkxValue::FromInteger;
  const auto S = [](const char* s) { return TkxValue::FromString(s); };
  const auto B = TkxValue::FromBoolean;
  const TkxValue null = TkxValue::Null();
  struct Case {
    TkxValue left, right;
    int order;
  };
  const Case cases[] = {
      /* 0 */ {S("abc"), S("abd"), -1},
      /* 1 */ {S("B"), S("a"), -1},  // byte order, case-sensitive
      /* 2 */ {S("10"), I(9), 1},    // numeric
      /* 3 */ {null, null, 0},
      /* 4 */ {null, I(-5), -1},
      /* 5 */ {I(-5), null, 1},
      /* 6 */ {TkxValue(), TkxValue(), 0},
      /* 7 */ {TkxValue(), S(""), 0},
      /* 8 */ {B(false), B(true), -1},
      /* 9 */ {B(true), S("true"), 0},
      /* 10 */ {B(true), S("0"), 1},
      /* 11 */ {B(true), I(-1), 0},
      /* 12 */ {S("\xB0\xA1"), S("z"), 1},  // GBK bytes sort above ASCII
      /* 13 */ {TkxValue::FromDate(2), I(2), 0},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    const int order = CompareValues(cases[i].left, cases[i].right);
    EXPECT_EQ((order > 0) - (order < 0), cases[i].order);
  }
  EXPECT_THROW(CompareValues(B(true), S("maybe")), EConvertError);
}

TEST(ValueConversions, PlatformRules) {
  EXPECT_EQ(ValueToInteger(TkxValue::FromDouble(2.5)), 2);
  EXPECT_EQ(ValueToInteger(TkxValue::FromDouble(3.5)), 4);
  EXPECT_EQ(ValueToInteger(TkxValue::FromString("7.5")), 8);
  EXPECT_THROW(ValueToInteger(TkxValue::Null()), EConvertError);
  EXPECT_THROW(ValueToInteger(TkxValue::FromDouble(1e10)), ERangeError);
  EXPECT_TRUE(ValueToBoolean(TkxValue::FromString("TRUE")));
  EXPECT_TRUE(ValueToBoolean(TkxValue::FromString("2")));
  EXPECT_FALSE(ValueToBoolean(TkxValue()));
  EXPECT_THROW(ValueToBoolean(TkxValue::Null()), EConvertError);
  EXPECT_THROW(ValueToBoolean(TkxValue::FromString("yes")), EConvertError);
}

}  // namespace
}  // namespace tagpress
