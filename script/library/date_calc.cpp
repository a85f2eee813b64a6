#include "script/library/date_calc.h"

#include <algorithm>
#include <cmath>

#include "platform/clock.h"
#include "platform/errors.h"

namespace tagpress {

namespace {

[[noreturn]] void ThrowInvalidDate() { throw EConvertError("Invalid date value"); }

// The day number of a value, truncated toward zero like the date part.
double DayNumber(double date_time) {
  TDateParts ignored;
  if (!TryDecodeDate(date_time, ignored)) ThrowInvalidDate();
  return std::trunc(date_time);
}

double CheckedDay(double day) {
  if (day < kMinDateTime || day >= kMaxDateTime) ThrowInvalidDate();
  return day;
}

}  // namespace

TDateParts DecodeValidDate(double date_time) {
  TDateParts parts;
  if (!TryDecodeDate(date_time, parts)) ThrowInvalidDate();
  return parts;
}

double EncodeValidDate(int year, int month, int day) {
  if (!IsValidDate(year, month, day)) ThrowInvalidDate();
  return EncodeDate(year, month, day);
}

double ComposeDateTime(double day, double time_of_day) {
  return day < 0 ? day - time_of_day : day + time_of_day;
}

double DateOf(double date_time) {
  return DayNumber(date_time) + 0.0;  // + 0.0 turns the -0 of a negative value on day 0 into 0
}

int IsoDayOfWeek(double date_time) {
  // Day 0 (30 December 1899) was a Saturday.
  const auto day = static_cast<int64_t>(DayNumber(date_time));
  return static_cast<int>(((day + 5) % 7 + 7) % 7) + 1;
}

int IsoWeekOf(double date_time) {
  // A week belongs to the year of its Thursday.
  const double thursday = DayNumber(date_time) - IsoDayOfWeek(date_time) + 4;
  const int year = DecodeValidDate(CheckedDay(thursday)).Year;
  return static_cast<int>((thursday - EncodeDate(year, 1, 1)) / 7) + 1;
}

double CurrentDateTime() {
  const LocalDateTime now = Now();
  return EncodeDate(now.Year, now.Month, now.Day) +
         EncodeTime(now.Hour, now.Minute, std::min(now.Second, 59), now.Millisecond);
}

double FirstOfMonth(double date_time) {
  const TDateParts date = DecodeValidDate(date_time);
  return EncodeDate(date.Year, date.Month, 1);
}

double LastOfMonth(double date_time) {
  const TDateParts date = DecodeValidDate(date_time);
  return EncodeDate(date.Year, date.Month, DaysInMonth(date.Year, date.Month));
}

double FirstOfWeek(double date_time) {
  return CheckedDay(DayNumber(date_time) - IsoDayOfWeek(date_time) + 1);
}

double LastOfWeek(double date_time) {
  const double sunday = CheckedDay(DayNumber(date_time) - IsoDayOfWeek(date_time) + 7);
  return ComposeDateTime(sunday, EncodeTime(23, 59, 59, 999));
}

}  // namespace tagpress
