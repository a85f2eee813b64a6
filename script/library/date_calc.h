#pragma once
// Date arithmetic of the script library on date values (days since
// 30 December 1899, the fraction being the time of day; see
// script/date_time.h). Every operation throws EConvertError for a value
// outside the years 1 to 9999.

#include "script/date_time.h"

namespace tagpress {

// The calendar date of a value.
TDateParts DecodeValidDate(double date_time);
// The value of a calendar date; throws for a date that does not exist.
double EncodeValidDate(int year, int month, int day);

// A day number and a time of day joined into one value (before day 0 the
// time is subtracted, since the fraction counts away from zero there).
double ComposeDateTime(double day, double time_of_day);

// The date part alone (the day at 00:00).
double DateOf(double date_time);
// Day of the week: 1 Monday ... 7 Sunday.
int IsoDayOfWeek(double date_time);
// The week number of ISO 8601: weeks start on Monday, week 1 holds the
// year's first Thursday.
int IsoWeekOf(double date_time);

// The local date and time now, to the millisecond.
double CurrentDateTime();

double FirstOfMonth(double date_time);
double LastOfMonth(double date_time);  // at 00:00
double FirstOfWeek(double date_time);  // Monday 00:00
double LastOfWeek(double date_time);   // Sunday 23:59:59.999

}  // namespace tagpress
