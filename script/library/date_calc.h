#pragma once
// Dates and times as script values hold them: a real counting days since
// 30 December 1899, the fraction being the time of day. A negative value
// counts days before that date, its fraction (taken positive) is still the
// time of day, so -1.25 is 29 December 1899 at 06:00.

#include <cstdint>

namespace tagpress {

struct CalendarDate {
  int year = 0;
  int month = 0;  // 1-12
  int day = 0;    // 1-31
};

struct TimeOfDay {
  int hour = 0;         // 0-23
  int minute = 0;       // 0-59
  int second = 0;       // 0-59
  int millisecond = 0;  // 0-999
};

inline constexpr double kMillisecondsPerDay = 86400000.0;

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// The day number of a calendar date of the years 1 to 9999. Throws
// EConvertError for a date that does not exist.
double EncodeDate(int year, int month, int day);
// The fraction of a day of a time. Throws EConvertError when out of range.
double EncodeTime(int hour, int minute, int second, int millisecond);

// Both decode the value rounded to the nearest millisecond. They throw
// EConvertError for values outside the years 1 to 9999 (and for NaN).
CalendarDate DecodeDate(double date_time);
TimeOfDay DecodeTime(double date_time);

// A day number and a time of day joined into one value (before day 0 the
// time is subtracted, since the fraction counts away from zero there).
double ComposeDateTime(double day, double time_of_day);

// The date part alone (the day at 00:00) of a value.
double DateOf(double date_time);

// Day of the week: 1 Monday ... 7 Sunday.
int IsoDayOfWeek(double date_time);
// The week number of ISO 8601: weeks start on Monday, week 1 holds the
// year's first Thursday.
int IsoWeekOf(double date_time);

double FirstOfMonth(double date_time);
double LastOfMonth(double date_time);  // at 00:00
double FirstOfWeek(double date_time);  // Monday 00:00
double LastOfWeek(double date_time);   // Sunday 23:59:59.999

}  // namespace tagpress
