#include "script/library/date_calc.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/errors.h"

namespace tagpress {
namespace {

TEST(DateCalc, CheckedEncodingAndDecoding) {
  EXPECT_EQ(EncodeValidDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeValidDate(2024, 1, 5), 45296);
  EXPECT_THROW(EncodeValidDate(2023, 2, 29), EConvertError);
  EXPECT_THROW(EncodeValidDate(10000, 1, 1), EConvertError);
  EXPECT_EQ(DecodeValidDate(-1.25).Day, 29);  // 29 December 1899
  EXPECT_EQ(ComposeDateTime(-1, 0.25), -1.25);
  EXPECT_EQ(ComposeDateTime(2, 0.25), 2.25);
  EXPECT_EQ(DateOf(45296.75), 45296);
  EXPECT_THROW(DecodeValidDate(1e10), EConvertError);
  EXPECT_THROW(DecodeValidDate(std::nan("")), EConvertError);
  EXPECT_THROW(IsoWeekOf(-1e9), EConvertError);
}

TEST(DateCalc, IsoWeeks) {
  struct Case {
    int year, month, day, week;
  };
  static const Case kCases[] = {
      /*0*/ {2024, 1, 1, 1},   // a Monday
      /*1*/ {2024, 1, 7, 1},   // Sunday of the same week
      /*2*/ {2021, 1, 3, 53},  // belongs to the last week of 2020
      /*3*/ {2020, 12, 31, 53},
      /*4*/ {2019, 12, 30, 1},  // Monday of week 1 of 2020
      /*5*/ {2024, 12, 30, 1},  // week 1 of 2025
      /*6*/ {2023, 6, 15, 24},
  };
  for (size_t i = 0; i < std::size(kCases); ++i) {
    SCOPED_TRACE(i);
    const Case& c = kCases[i];
    EXPECT_EQ(IsoWeekOf(EncodeValidDate(c.year, c.month, c.day) + 0.5), c.week);
  }
}

TEST(DateCalc, FirstAndLastDays) {
  EXPECT_EQ(LastOfMonth(EncodeDate(2024, 2, 10) + 0.3), EncodeDate(2024, 2, 29));
  EXPECT_EQ(LastOfMonth(EncodeDate(2023, 2, 10)), EncodeDate(2023, 2, 28));
  EXPECT_EQ(FirstOfMonth(EncodeDate(2024, 2, 10) + 0.3), EncodeDate(2024, 2, 1));
  EXPECT_EQ(FirstOfWeek(EncodeDate(2024, 1, 7) + 0.9), EncodeDate(2024, 1, 1));  // a Sunday
  EXPECT_EQ(FirstOfWeek(EncodeDate(2024, 1, 1)), EncodeDate(2024, 1, 1));
  EXPECT_EQ(LastOfWeek(EncodeDate(2024, 1, 1)), EncodeDate(2024, 1, 7) + EncodeTime(23, 59, 59, 999));
  EXPECT_EQ(IsoDayOfWeek(EncodeDate(2024, 1, 7)), 7);
  EXPECT_EQ(IsoDayOfWeek(0), 6);  // 30 December 1899 was a Saturday
}

}  // namespace
}  // namespace tagpress
