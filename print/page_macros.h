#pragma once
// The macros of page headers and footers.

#include <string>

#include "platform/clock.h"

namespace tagpress {

// Replaces the first "[日期]" with the date (yyyy-M-d), the first "[页号]"
// with the page number, the first "[时间]" with the time (H:mm:ss) and the
// first "[总页数]" with the page total, in that order. Other brackets and
// second occurrences stay.
void ExpandPageMacros(std::string& text, int page_no, int total_pages, const LocalDateTime& now);

// The date and time forms of the program: 2026-1-5 and 9:05:07.
std::string ShortDateText(const LocalDateTime& time);
std::string LongTimeText(const LocalDateTime& time);

}  // namespace tagpress
