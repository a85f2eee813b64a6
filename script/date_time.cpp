#include "script/date_time.h"

#include <cmath>
#include <cstdio>

namespace tagpress {

namespace {

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

TDateParts CivilFromDays(int64_t z) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int64_t d = doy - (153 * mp + 2) / 5 + 1;
  const int64_t m = mp + (mp < 10 ? 3 : -9);
  const int64_t y = yoe + era * 400 + (m <= 2);
  return TDateParts{static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

constexpr int64_t kEpochOffset = 25569;  // 1970-01-01 as a day number
constexpr double kMsPerDay = 86400000.0;

// Reads 1 to `max_digits` decimal digits at `pos`.
bool ReadNumber(std::string_view text, size_t& pos, int max_digits, int& value) {
  value = 0;
  int digits = 0;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && digits < max_digits) {
    value = value * 10 + (text[pos] - '0');
    ++pos;
    ++digits;
  }
  return digits > 0;
}

bool ReadTime(std::string_view text, size_t& pos, double& time) {
  int hour = 0, minute = 0, second = 0, millisecond = 0;
  if (!ReadNumber(text, pos, 2, hour) || pos >= text.size() || text[pos] != ':') return false;
  ++pos;
  if (!ReadNumber(text, pos, 2, minute)) return false;
  if (pos < text.size() && text[pos] == ':') {
    ++pos;
    if (!ReadNumber(text, pos, 2, second)) return false;
    if (pos < text.size() && text[pos] == '.') {
      ++pos;
      if (!ReadNumber(text, pos, 3, millisecond)) return false;
    }
  }
  if (hour > 23 || minute > 59 || second > 59) return false;
  time = EncodeTime(hour, minute, second, millisecond);
  return true;
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
         day <= DaysInMonth(year, month);
}

double EncodeDate(int year, int month, int day) {
  return static_cast<double>(DaysFromCivil(year, month, day) + kEpochOffset);
}

double EncodeTime(int hour, int minute, int second, int millisecond) {
  return (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond) / kMsPerDay;
}

bool TryDecodeDate(double date_time, TDateParts& parts) {
  if (!(date_time >= kMinDateTime && date_time < kMaxDateTime)) return false;
  parts = CivilFromDays(static_cast<int64_t>(std::trunc(date_time)) - kEpochOffset);
  return true;
}

TTimeParts DecodeTime(double date_time) {
  double ms = std::round(std::fabs(date_time - std::trunc(date_time)) * kMsPerDay);
  if (ms >= kMsPerDay) ms = kMsPerDay - 1;
  auto total = static_cast<int64_t>(ms);
  TTimeParts parts;
  parts.MilliSecond = static_cast<int>(total % 1000);
  total /= 1000;
  parts.Second = static_cast<int>(total % 60);
  total /= 60;
  parts.Minute = static_cast<int>(total % 60);
  parts.Hour = static_cast<int>(total / 60);
  return parts;
}

std::optional<std::string> DateTimeToText(double date_time) {
  TDateParts date;
  if (!TryDecodeDate(date_time, date)) return std::nullopt;
  const TTimeParts time = DecodeTime(date_time);
  const bool has_time = time.Hour != 0 || time.Minute != 0 || time.Second != 0;
  char buffer[64];
  if (std::trunc(date_time) == 0 && has_time) {
    std::snprintf(buffer, sizeof buffer, "%d:%02d:%02d", time.Hour, time.Minute, time.Second);
  } else if (has_time) {
    std::snprintf(buffer, sizeof buffer, "%d-%d-%d %d:%02d:%02d", date.Year, date.Month, date.Day, time.Hour,
                  time.Minute, time.Second);
  } else {
    std::snprintf(buffer, sizeof buffer, "%d-%d-%d", date.Year, date.Month, date.Day);
  }
  return std::string(buffer);
}

std::optional<double> TryTextToDateTime(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && text[begin] == ' ') ++begin;
  while (end > begin && text[end - 1] == ' ') --end;
  text = text.substr(begin, end - begin);
  size_t pos = 0;
  double time = 0;
  // A time alone: digits followed by ":".
  {
    size_t probe = 0;
    int ignored = 0;
    if (ReadNumber(text, probe, 2, ignored) && probe < text.size() && text[probe] == ':') {
      if (ReadTime(text, pos, time) && pos == text.size()) return time;
      return std::nullopt;
    }
  }
  int year = 0, month = 0, day = 0;
  const size_t year_start = pos;
  if (!ReadNumber(text, pos, 4, year)) return std::nullopt;
  if (pos - year_start <= 2) year += 2000;  // two-digit years belong to this century
  if (pos >= text.size() || text[pos] != '-') return std::nullopt;
  ++pos;
  if (!ReadNumber(text, pos, 2, month) || pos >= text.size() || text[pos] != '-') return std::nullopt;
  ++pos;
  if (!ReadNumber(text, pos, 2, day)) return std::nullopt;
  if (!IsValidDate(year, month, day)) return std::nullopt;
  double date = EncodeDate(year, month, day);
  if (pos < text.size()) {
    if (text[pos] != ' ') return std::nullopt;
    while (pos < text.size() && text[pos] == ' ') ++pos;
    if (!ReadTime(text, pos, time) || pos != text.size()) return std::nullopt;
  }
  // Before 1899-12-30 the time still counts forward within its day.
  return date >= 0 ? date + time : date - time;
}

}  // namespace tagpress
