#pragma once
// The line-list form: several lines held in one text, joined with commas.
// A line is written in double quotes (each quote inside doubled) when it holds
// a space, a control character, a double quote or a comma. The upper and lower
// texts of templates and records, the font text and the data file's lines
// all use it.

#include <string>
#include <string_view>
#include <vector>

namespace tagpress {

using LineList = std::vector<std::string>;

// Joins lines in line-list form. One empty line is written as two quotes; an
// empty list as the empty text.
std::string LinesToLineList(const LineList& lines);

// Splits a text in line-list form: an unquoted item ends at a comma or at any
// character up to code 32, so an unquoted space also separates two lines.
LineList LineListToLines(std::string_view text);

// One item as written in line-list form: quoted when needed, else unchanged.
std::string QuoteItemIfNeeded(std::string_view item);

// How an unquoted item ends and what is skipped between items; the two
// readers of the program differ only in these.
struct ItemSplitRules {
  // Unquoted items end at characters whose code is below this value, and
  // characters with codes 1 up to (not including) it are skipped around items.
  unsigned char first_non_separator;
};

// Splits a comma-separated text by the given rules, stepping whole GBK
// characters so the second byte of a Chinese character is never taken for a
// comma or a quote. A quoted item without its closing quote takes the rest of
// the text.
std::vector<std::string> SplitItems(std::string_view text, ItemSplitRules rules);

}  // namespace tagpress
