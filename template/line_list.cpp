#include "template/line_list.h"

#include "platform/text_codec.h"

namespace tagpress {

namespace {

constexpr char kQuote = '"';
constexpr char kDelimiter = ',';

size_t CharLength(std::string_view text, size_t i) {
  return IsGbkLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

bool NeedsQuotes(std::string_view item) {
  for (unsigned char c : item) {
    if (c == 0) return false;  // the text ends at a NUL
    if (c <= ' ' || c == kQuote || c == kDelimiter) return true;
  }
  return false;
}

// Reads the quoted item starting at text[i] (a quote); i moves past the closing quote.
std::string ReadQuoted(std::string_view text, size_t& i) {
  std::string item;
  ++i;
  while (i < text.size()) {
    if (text[i] == kQuote) {
      if (i + 1 < text.size() && text[i + 1] == kQuote) {
        item += kQuote;
        i += 2;
        continue;
      }
      ++i;
      return item;
    }
    size_t n = CharLength(text, i);
    item.append(text.substr(i, n));
    i += n;
  }
  return item;
}

}  // namespace

std::string QuoteItemIfNeeded(std::string_view item) {
  if (!NeedsQuotes(item)) return std::string(item);
  std::string quoted;
  quoted.reserve(item.size() + 2);
  quoted += kQuote;
  for (char c : item) {
    if (c == kQuote) quoted += kQuote;
    quoted += c;
  }
  quoted += kQuote;
  return quoted;
}

std::string LinesToLineList(const LineList& lines) {
  if (lines.size() == 1 && lines[0].empty()) return std::string(2, kQuote);
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += kDelimiter;
    text += QuoteItemIfNeeded(lines[i]);
  }
  return text;
}

std::vector<std::string> SplitItems(std::string_view text, ItemSplitRules rules) {
  text = text.substr(0, text.find('\0'));
  const auto skippable = [&](size_t i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    return c >= 1 && c < rules.first_non_separator;
  };
  std::vector<std::string> items;
  size_t i = 0;
  while (i < text.size() && skippable(i)) ++i;
  while (i < text.size()) {
    if (text[i] == kQuote) {
      items.push_back(ReadQuoted(text, i));
    } else {
      size_t start = i;
      while (i < text.size() && static_cast<unsigned char>(text[i]) >= rules.first_non_separator &&
             text[i] != kDelimiter)
        i += CharLength(text, i);
      items.emplace_back(text.substr(start, i - start));
    }
    while (i < text.size() && skippable(i)) ++i;
    if (i < text.size() && text[i] == kDelimiter) {
      if (i + 1 == text.size()) items.emplace_back();
      ++i;
      while (i < text.size() && skippable(i)) ++i;
    }
  }
  return items;
}

LineList LineListToLines(std::string_view text) { return SplitItems(text, ItemSplitRules{33}); }

}  // namespace tagpress
