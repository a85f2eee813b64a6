#pragma once
// Dates of the script engine: a Double counting days since 30 December 1899,
// its fraction being the time of day. Negative values count back from that
// day; their fraction is still a time of day (-1.25 is 29 December 1899 06:00).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tagpress {

struct TDateParts {
  int Year = 0;
  int Month = 0;
  int Day = 0;
};

struct TTimeParts {
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  int MilliSecond = 0;
};

// Dates from 1 January 0001 to 31 December 9999 are valid.
constexpr double kMinDateTime = -693593.0;
constexpr double kMaxDateTime = 2958466.0;
// 1 January 1900, the date the script conversions fall back to.
constexpr double kDefaultDateTime = 2.0;

bool IsValidDate(int year, int month, int day);
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// The day number of a valid date (no check).
double EncodeDate(int year, int month, int day);
double EncodeTime(int hour, int minute, int second, int millisecond);

// The date part; false when the value lies outside the valid range.
bool TryDecodeDate(double date_time, TDateParts& parts);
// The time of day, milliseconds rounded.
TTimeParts DecodeTime(double date_time);

// 'yyyy-M-d', then a blank and 'H:mm:ss' when the time is not zero; the time
// alone when the day part is 0. nullopt outside the valid range.
std::optional<std::string> DateTimeToText(double date_time);

// Reads 'yyyy-M-d' with an optional time 'H:mm[:ss[.zzz]]' after blanks, or a
// time alone.
std::optional<double> TryTextToDateTime(std::string_view text);

}  // namespace tagpress
