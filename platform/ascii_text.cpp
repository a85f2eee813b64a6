#include "platform/ascii_text.h"

#include "platform/text_codec.h"

namespace tagpress {

size_t FindOnCharacter(std::string_view text, std::string_view what, size_t from) {
  if (what.empty()) return from <= text.size() ? from : std::string_view::npos;
  for (size_t i = from; i < text.size();) {
    if (text[i] == what[0] && text.substr(i, what.size()) == what) return i;
    const auto byte = static_cast<unsigned char>(text[i]);
    const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
    // A lead byte and a trail byte (0x40-0xFE without 0x7F) form one character.
    i += IsGbkLeadByte(byte) && next >= 0x40 && next <= 0xFE && next != 0x7F ? 2 : 1;
  }
  return std::string_view::npos;
}

std::string AsciiUpperCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = AsciiUpper(c);
  return result;
}

std::string AsciiLowerCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = AsciiLower(c);
  return result;
}

int CompareTextAscii(std::string_view a, std::string_view b) {
  const size_t common = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < common; ++i) {
    const auto x = static_cast<unsigned char>(AsciiUpper(a[i]));
    const auto y = static_cast<unsigned char>(AsciiUpper(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::string_view TrimControlAndBlank(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
  return text.substr(begin, end - begin);
}

}  // namespace tagpress
