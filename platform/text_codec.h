#pragma once
// Conversion between the core's GBK text and UTF-8, the text of the edges
// (Qt widgets, the terminal, UTF-8 input files). GB18030 is used for both
// directions: it is a superset of GBK, so every GBK text converts unchanged
// and no Unicode character is lost on the way in.

#include <string>
#include <string_view>

namespace tagpress {

// GBK bytes to UTF-8. Bytes that are not valid GBK become U+FFFD each, so a
// damaged text still shows.
std::string GbkToUtf8(std::string_view gbk);

// UTF-8 to GBK bytes. Bytes that are not valid UTF-8 become "?".
std::string Utf8ToGbk(std::string_view utf8);

// True when the bytes are well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);

// True when the bytes are well-formed UTF-8 and hold at least one
// multi-byte sequence, i.e. when they are certainly UTF-8 and not plain ASCII.
bool LooksLikeUtf8(std::string_view bytes);

// True when byte b starts a two-byte GBK character.
inline bool IsGbkLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

}  // namespace tagpress

// A Chinese (or any UTF-8) literal of the source as GBK core text, converted
// once per place of use: GBK("条码数字").
#define GBK(utf8_literal)                                                     \
  ([]() -> const std::string& {                                               \
    static const std::string converted = ::tagpress::Utf8ToGbk(utf8_literal); \
    return converted;                                                         \
  }())
