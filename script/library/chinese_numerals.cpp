#include "script/library/chinese_numerals.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/errors.h"
#include "platform/text_codec.h"
#include "script/library/date_calc.h"
#include "script/library/float_text.h"
#include "platform/number_text.h"

namespace tagpress {

namespace {

struct NumeralTables {
  const std::string& digits;  // ten two-byte characters, digit n at bytes 2n, 2n+1
  const std::string& units;   // thousands, hundreds, tens
};

NumeralTables Tables(NumeralStyle style) {
  if (style == NumeralStyle::kCapital) return {GBK("零壹贰叁肆伍陆柒捌玖"), GBK("仟佰拾")};
  return {GBK("〇一二三四五六七八九"), GBK("千百十")};
}

// The n-th two-byte character of a table.
std::string_view Character(const std::string& table, int n) {
  return std::string_view(table).substr(2 * n, 2);
}

// Four characters (blank, "0" or a digit each) with the unit of the group.
// A zero is spoken only when a non-zero digit follows it within the group,
// so "1001" gives 壹仟零壹 and "0100" gives 零壹佰.
std::string GroupText(std::string_view four, const NumeralTables& tables, std::string_view group_unit) {
  char marks[4];
  for (int i = 0; i < 4; ++i) marks[i] = four[i];
  for (int i = 0; i < 4; ++i)
    if (marks[i] == '0' && (i == 3 || marks[i + 1] == '0')) marks[i] = ' ';
  std::string text;
  for (int i = 0; i < 4; ++i) {
    if (marks[i] == ' ') continue;
    const int digit = marks[i] - '0';
    text += Character(tables.digits, digit);
    if (digit != 0 && i < 3) text += Character(tables.units, i);
  }
  if (!text.empty()) text += group_unit;
  return text;
}

// Twelve characters of blanks and digits as three groups: 亿, 万, none.
std::string TwelveDigitText(std::string_view twelve, const NumeralTables& tables) {
  return GroupText(twelve.substr(0, 4), tables, GBK("亿")) +
         GroupText(twelve.substr(4, 4), tables, GBK("万")) + GroupText(twelve.substr(8, 4), tables, "");
}

// The names of the numbers 1 to 31, for months and days.
const std::string& DayNumberName(int n) {
  static const std::vector<std::string> kNames = [] {
    static const char* const kUtf8Names[31] = {
        "一",     "二",     "三",     "四",     "五",     "六",     "七",     "八",
        "九",     "十",     "十一",   "十二",   "十三",   "十四",   "十五",   "十六",
        "十七",   "十八",   "十九",   "二十",   "二十一", "二十二", "二十三", "二十四",
        "二十五", "二十六", "二十七", "二十八", "二十九", "三十",   "三十一"};
    std::vector<std::string> names;
    for (const char* name : kUtf8Names) names.push_back(Utf8ToGbk(name));
    return names;
  }();
  return kNames[n - 1];
}

bool IsDigitText(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

std::string NumText(double value, NumeralStyle style) {
  const NumeralTables tables = Tables(style);
  std::string integer_text = FloatToText(std::fabs(value));
  std::string fraction_text;
  if (const size_t point = integer_text.find('.'); point != std::string::npos) {
    fraction_text = integer_text.substr(point + 1);
    integer_text.resize(point);
  }
  if (!IsDigitText(integer_text) || !IsDigitText(fraction_text.empty() ? "0" : fraction_text) ||
      integer_text.size() > 10 || std::stoll(integer_text) > 2147483647)
    throw EConvertError("'" + integer_text + "' is not a valid integer value");
  char twelve[16];
  std::snprintf(twelve, sizeof twelve, "%12d", static_cast<int>(std::stoll(integer_text)));

  std::string text = TwelveDigitText(twelve, tables);
  if (!fraction_text.empty()) {
    text += GBK("点");
    for (char c : fraction_text) text += Character(tables.digits, c - '0');
  }
  // From 10 to 19 the numeral is spoken without its leading one: 拾伍.
  if (value >= 10 && value < 20) text.erase(0, 2);
  if (!text.empty() && value < 0) text.insert(0, GBK("负"));
  return text;
}

std::string MoneyText(double value) {
  const NumeralTables tables = Tables(NumeralStyle::kCapital);
  std::string amount = FormatFixed(std::fabs(value), 2);
  if (amount.size() < 15) amount.insert(0, 15 - amount.size(), ' ');
  // The layout holds twelve integer digits; larger amounts shift the point.
  if (amount.size() != 15 || amount[12] != '.' || !IsDigitText(amount.substr(13, 2)))
    throw EConvertError("'" + amount + "' does not fit a money amount");

  std::string text = TwelveDigitText(std::string_view(amount).substr(0, 12), tables);
  if (!text.empty()) text += GBK("圆");
  const int jiao = amount[13] - '0';
  const int fen = amount[14] - '0';
  if (jiao == 0 && fen == 0) return text + GBK("整");
  if (jiao != 0) {
    text += Character(tables.digits, jiao);
    text += GBK("角");
    if (fen != 0) text += std::string(Character(tables.digits, fen)) + GBK("分");
  } else {
    text += GBK("零") + std::string(Character(tables.digits, fen)) + GBK("分");
  }
  return text;
}

std::string DateText(double date_time) {
  const NumeralTables tables = Tables(NumeralStyle::kOrdinary);
  const TDateParts date = DecodeValidDate(date_time);
  std::string text;
  for (char c : std::to_string(date.Year)) text += Character(tables.digits, c - '0');
  text += GBK("年");
  text += DayNumberName(date.Month) + GBK("月");
  text += DayNumberName(date.Day) + GBK("日");
  return text;
}

}  // namespace tagpress
