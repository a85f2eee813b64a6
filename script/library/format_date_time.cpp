#include "script/library/format_date_time.h"

#include <cstdio>
#include <vector>

#include "platform/text_codec.h"
#include "script/library/date_calc.h"
#include "script/library/text_functions.h"

namespace tagpress {

namespace {

// The names and patterns of Chinese (China) settings, GBK.
struct ChineseSettings {
  std::vector<std::string> short_month_names;  // 1月 ... 12月
  std::vector<std::string> long_month_names;   // 一月 ... 十二月
  std::vector<std::string> short_day_names;    // 周日 ... 周六, from Sunday
  std::vector<std::string> long_day_names;     // 星期日 ... 星期六
  std::string am = GBK("上午");
  std::string pm = GBK("下午");
  char date_separator = '-';
  char time_separator = ':';
  std::string short_date = "yyyy/m/d";
  std::string long_date = GBK("yyyy'年'm'月'd'日'");
  std::string short_time = "h:nn";
  std::string long_time = "h:nn:ss";
};

std::vector<std::string> GbkList(std::initializer_list<const char*> utf8) {
  std::vector<std::string> list;
  for (const char* text : utf8) list.push_back(Utf8ToGbk(text));
  return list;
}

const ChineseSettings& Settings() {
  static const ChineseSettings settings = [] {
    ChineseSettings s;
    s.short_month_names =
        GbkList({"1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月", "12月"});
    s.long_month_names = GbkList(
        {"一月", "二月", "三月", "四月", "五月", "六月", "七月", "八月", "九月", "十月", "十一月", "十二月"});
    s.short_day_names = GbkList({"周日", "周一", "周二", "周三", "周四", "周五", "周六"});
    s.long_day_names = GbkList({"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"});
    return s;
  }();
  return settings;
}

bool StartsWithNoCase(std::string_view text, size_t at, std::string_view word) {
  if (at + word.size() > text.size()) return false;
  for (size_t i = 0; i < word.size(); ++i) {
    char c = text[at + i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    if (c != word[i]) return false;
  }
  return true;
}

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

class DateTimeWriter {
 public:
  explicit DateTimeWriter(double date_time)
      : date_time_(date_time), date_(DecodeValidDate(date_time)), time_(DecodeTime(date_time)) {}

  std::string Write(std::string_view pattern) {
    Append(pattern.empty() ? std::string_view("c") : pattern, 0);
    return out_;
  }

 private:
  // Patterns nest once: "c" writes the short date pattern, which could not
  // loop back into itself anyway.
  void Append(std::string_view pattern, int level) {
    if (level >= 2) return;
    const ChineseSettings& settings = Settings();
    char last_letter = 0;
    size_t i = 0;
    while (i < pattern.size()) {
      const char start = pattern[i];
      if (IsGbkLeadByte(static_cast<unsigned char>(start)) && i + 1 < pattern.size()) {
        out_.append(pattern.substr(i, 2));
        i += 2;
        continue;
      }
      ++i;
      char token = Upper(start);
      if (token >= 'A' && token <= 'Z') {
        if (token == 'M' && last_letter == 'H') token = 'N';  // h:mm writes minutes
        last_letter = token;
      }
      const size_t count = CountRun(pattern, i, start);
      switch (token) {
        case 'Y':
          i += count - 1;
          AppendNumber(count <= 2 ? date_.Year % 100 : date_.Year, count <= 2 ? 2 : 4);
          break;
        case 'M':
          i += count - 1;
          if (count == 1 || count == 2)
            AppendNumber(date_.Month, static_cast<int>(count));
          else
            out_ += (count == 3 ? settings.short_month_names : settings.long_month_names)[date_.Month - 1];
          break;
        case 'D':
          i += count - 1;
          if (count <= 2)
            AppendNumber(date_.Day, static_cast<int>(count));
          else if (count == 3)
            out_ += settings.short_day_names[SundayBasedWeekday()];
          else if (count == 4)
            out_ += settings.long_day_names[SundayBasedWeekday()];
          else
            Append(count == 5 ? settings.short_date : settings.long_date, level + 1);
          break;
        case 'H': {
          i += count - 1;
          int hour = time_.Hour;
          if (TwelveHourClockFollows(pattern, i)) hour = hour == 0 ? 12 : (hour > 12 ? hour - 12 : hour);
          AppendNumber(hour, count >= 2 ? 2 : 1);
          break;
        }
        case 'N':
          i += count - 1;
          AppendNumber(time_.Minute, count >= 2 ? 2 : 1);
          break;
        case 'S':
          i += count - 1;
          AppendNumber(time_.Second, count >= 2 ? 2 : 1);
          break;
        case 'Z':
          i += count - 1;
          AppendNumber(time_.MilliSecond, count >= 3 ? 3 : static_cast<int>(count));
          break;
        case 'T':
          i += count - 1;
          Append(count == 1 ? settings.short_time : settings.long_time, level + 1);
          break;
        case 'C':
          i += count - 1;
          Append(settings.short_date, level + 1);
          if (time_.Hour != 0 || time_.Minute != 0 || time_.Second != 0) {
            out_ += ' ';
            Append(settings.long_time, level + 1);
          }
          break;
        case 'A':
          i = AppendAmPm(pattern, i - 1);
          break;
        case '/':
          out_ += settings.date_separator;
          break;
        case ':':
          out_ += settings.time_separator;
          break;
        case '\'':
        case '"': {
          const size_t close = pattern.find(start, i);
          const size_t end = close == std::string_view::npos ? pattern.size() : close;
          out_.append(pattern.substr(i, end - i));
          i = close == std::string_view::npos ? end : close + 1;
          break;
        }
        default:
          out_ += start;
      }
      CheckTextSize(out_.size());
    }
  }

  // The number of further characters equal to `c` (either case) from `at`,
  // plus the one already taken.
  static size_t CountRun(std::string_view pattern, size_t at, char c) {
    size_t count = 1;
    while (at < pattern.size() && Upper(pattern[at]) == Upper(c)) ++at, ++count;
    return count;
  }

  // An hour is written on the 12-hour clock when the next letter "a" of the
  // pattern (outside quotes, before another hour) starts am/pm, a/p or ampm.
  static bool TwelveHourClockFollows(std::string_view pattern, size_t from) {
    bool quoted = false;
    for (size_t p = from; p < pattern.size(); ++p) {
      const char c = pattern[p];
      if (IsGbkLeadByte(static_cast<unsigned char>(c))) {
        ++p;
        continue;
      }
      if (c == '\'' || c == '"') quoted = !quoted;
      if (quoted) continue;
      if (c == 'h' || c == 'H') return false;
      if (c == 'a' || c == 'A')
        return StartsWithNoCase(pattern, p, "AM/PM") || StartsWithNoCase(pattern, p, "A/P") ||
               StartsWithNoCase(pattern, p, "AMPM");
    }
    return false;
  }

  // Writes the am/pm marker that starts at `at`; returns the position after it.
  size_t AppendAmPm(std::string_view pattern, size_t at) {
    const bool afternoon = time_.Hour >= 12;
    if (StartsWithNoCase(pattern, at, "AM/PM")) {
      out_.append(pattern.substr(at + (afternoon ? 3 : 0), 2));
      return at + 5;
    }
    if (StartsWithNoCase(pattern, at, "A/P")) {
      out_.append(pattern.substr(at + (afternoon ? 2 : 0), 1));
      return at + 3;
    }
    if (StartsWithNoCase(pattern, at, "AMPM")) {
      out_ += afternoon ? Settings().pm : Settings().am;
      return at + 4;
    }
    if (StartsWithNoCase(pattern, at, "AAAA")) {
      out_ += Settings().long_day_names[SundayBasedWeekday()];
      return at + 4;
    }
    if (StartsWithNoCase(pattern, at, "AAA")) {
      out_ += Settings().short_day_names[SundayBasedWeekday()];
      return at + 3;
    }
    out_ += pattern[at];
    return at + 1;
  }

  int SundayBasedWeekday() const { return IsoDayOfWeek(date_time_) % 7; }

  void AppendNumber(int value, int min_digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", min_digits, value);
    out_ += buffer;
  }

  double date_time_;
  TDateParts date_;
  TTimeParts time_;
  std::string out_;
};

}  // namespace

std::string FormatDateTime(std::string_view pattern, double date_time) {
  return DateTimeWriter(date_time).Write(pattern);
}

}  // namespace tagpress
