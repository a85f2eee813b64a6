#include "print/page_macros.h"

#include <cstdio>

#include "platform/text_codec.h"
#include "platform/ascii_text.h"

namespace tagpress {

namespace {
// Matches start on a character: a Chinese character ending in "[" followed
// by "页号]" holds no macro.
void ReplaceFirst(std::string& text, const std::string& macro, const std::string& value) {
  const size_t at = FindOnCharacter(text, macro);
  if (at != std::string::npos) text.replace(at, macro.size(), value);
}
}  // namespace

std::string ShortDateText(const LocalDateTime& time) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%d-%d-%d", time.Year, time.Month, time.Day);
  return buffer;
}

std::string LongTimeText(const LocalDateTime& time) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%d:%02d:%02d", time.Hour, time.Minute, time.Second);
  return buffer;
}

void ExpandPageMacros(std::string& text, int page_no, int total_pages, const LocalDateTime& now) {
  if (text.find('[') == std::string::npos) return;
  ReplaceFirst(text, GBK("[日期]"), ShortDateText(now));
  ReplaceFirst(text, GBK("[页号]"), std::to_string(page_no));
  ReplaceFirst(text, GBK("[时间]"), LongTimeText(now));
  ReplaceFirst(text, GBK("[总页数]"), std::to_string(total_pages));
}

}  // namespace tagpress
