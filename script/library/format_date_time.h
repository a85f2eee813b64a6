#pragma once
// Dates and times written by a pattern, with the names and separators of
// Chinese (China) settings.
//
// Pattern letters (either case): y/yy two-digit year, yyyy four digits;
// m/mm month, mmm "1月", mmmm "一月" (m right after an h means minutes);
// d/dd day, ddd "周日", dddd "星期日", ddddd short date, dddddd long date;
// h/hh hour (12-hour when am/pm, a/p or ampm follows); n/nn minute;
// s/ss second; z/zzz millisecond; am/pm and a/p copied in the pattern's
// case, ampm "上午"/"下午"; c short date and, when not midnight, long time;
// t short time, tt long time; "/" date separator "-"; ":" time separator ":";
// text in single or double quotes is copied without the quotes; everything
// else, Chinese characters included, is copied.

#include <string>
#include <string_view>

namespace tagpress {

// An empty pattern writes as "c". Throws EConvertError when the value is no
// date of the years 1 to 9999, and ETagpressError when the text would exceed
// the library's text limit.
std::string FormatDateTime(std::string_view pattern, double date_time);

}  // namespace tagpress
