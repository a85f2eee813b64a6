#include "script/library/date_calc.h"

#include <cmath>

#include "platform/errors.h"

namespace tagpress {

namespace {

// Day 0 of the value scale, 30 December 1899, counted from 1 March of year 0
// by the civil-day arithmetic below.
constexpr int64_t kDaysFromCivilEpochToDayZero = 693899;
constexpr int64_t kMillisecondsPerDayInt = 86400000;

// Days since 1 March of year 0 for a proleptic Gregorian date (eras of
// 400 years make the leap rules regular).
int64_t CivilDayNumber(int year, int month, int day) {
  const int64_t y = month <= 2 ? year - 1 : year;
  const int64_t era = y / 400;
  const int64_t year_of_era = y - era * 400;
  const int64_t day_of_year = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const int64_t day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era;
}

CalendarDate CivilDate(int64_t civil_day) {
  const int64_t era = civil_day / 146097;
  const int64_t day_of_era = civil_day - era * 146097;
  const int64_t year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const int64_t day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const int64_t shifted_month = (5 * day_of_year + 2) / 153;
  CalendarDate date;
  date.day = static_cast<int>(day_of_year - (153 * shifted_month + 2) / 5 + 1);
  date.month = static_cast<int>(shifted_month < 10 ? shifted_month + 3 : shifted_month - 9);
  date.year = static_cast<int>(year_of_era + era * 400 + (date.month <= 2 ? 1 : 0));
  return date;
}

// The smallest and largest day numbers of the years 1 to 9999.
const int64_t kFirstDay = CivilDayNumber(1, 1, 1) - kDaysFromCivilEpochToDayZero;
const int64_t kLastDay = CivilDayNumber(9999, 12, 31) - kDaysFromCivilEpochToDayZero;

struct SplitValue {
  int64_t day;          // day number, truncated toward zero
  int64_t millisecond;  // of the day, 0 to 86399999
};

SplitValue Split(double date_time) {
  if (!std::isfinite(date_time) || date_time < kFirstDay - 1 || date_time > kLastDay + 1)
    throw EConvertError("Invalid date value");
  const int64_t total = std::llround(date_time * kMillisecondsPerDay);
  SplitValue split{total / kMillisecondsPerDayInt, std::llabs(total) % kMillisecondsPerDayInt};
  if (split.day < kFirstDay || split.day > kLastDay) throw EConvertError("Invalid date value");
  return split;
}

double DayValue(int64_t day) {
  if (day < kFirstDay || day > kLastDay) throw EConvertError("Invalid date value");
  return static_cast<double>(day);
}

}  // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

double EncodeDate(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
    throw EConvertError("Invalid argument to date encode");
  return static_cast<double>(CivilDayNumber(year, month, day) - kDaysFromCivilEpochToDayZero);
}

double EncodeTime(int hour, int minute, int second, int millisecond) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0 ||
      millisecond > 999)
    throw EConvertError("Invalid argument to time encode");
  return (((hour * 60 + minute) * 60 + second) * 1000 + millisecond) / kMillisecondsPerDay;
}

CalendarDate DecodeDate(double date_time) {
  return CivilDate(Split(date_time).day + kDaysFromCivilEpochToDayZero);
}

TimeOfDay DecodeTime(double date_time) {
  int64_t ms = Split(date_time).millisecond;
  TimeOfDay time;
  time.millisecond = static_cast<int>(ms % 1000);
  ms /= 1000;
  time.second = static_cast<int>(ms % 60);
  ms /= 60;
  time.minute = static_cast<int>(ms % 60);
  time.hour = static_cast<int>(ms / 60);
  return time;
}

double ComposeDateTime(double day, double time_of_day) {
  return day < 0 ? day - time_of_day : day + time_of_day;
}

double DateOf(double date_time) { return DayValue(Split(date_time).day); }

int IsoDayOfWeek(double date_time) {
  // Day 0 (30 December 1899) was a Saturday.
  const int64_t weekday = ((Split(date_time).day + 5) % 7 + 7) % 7;  // 0 Monday ... 6 Sunday
  return static_cast<int>(weekday) + 1;
}

int IsoWeekOf(double date_time) {
  // The week belongs to the year of its Thursday.
  const int64_t day = Split(date_time).day;
  const int64_t thursday = day - IsoDayOfWeek(date_time) + 4;
  const int year = CivilDate(thursday + kDaysFromCivilEpochToDayZero).year;
  const int64_t january_first = CivilDayNumber(year, 1, 1) - kDaysFromCivilEpochToDayZero;
  return static_cast<int>((thursday - january_first) / 7 + 1);
}

double FirstOfMonth(double date_time) {
  const CalendarDate date = DecodeDate(date_time);
  return EncodeDate(date.year, date.month, 1);
}

double LastOfMonth(double date_time) {
  const CalendarDate date = DecodeDate(date_time);
  return EncodeDate(date.year, date.month, DaysInMonth(date.year, date.month));
}

double FirstOfWeek(double date_time) { return DayValue(Split(date_time).day - IsoDayOfWeek(date_time) + 1); }

double LastOfWeek(double date_time) {
  const double sunday = DayValue(Split(date_time).day - IsoDayOfWeek(date_time) + 7);
  return ComposeDateTime(sunday, EncodeTime(23, 59, 59, 999));
}

}  // namespace tagpress
