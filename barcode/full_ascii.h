#pragma once
// Full ASCII for Code 39 and Code 93: every character of code 0 to 127 as
// one or two characters of the base symbology.

#include <string>
#include <string_view>

namespace tagpress {

enum class FullAsciiShifts { Code39, Code93 };

// The pair (or single character) of `code` < 128. With the Code 93 shifts
// the shift characters "$", "%", "/", "+" of a pair are written as Code 93's
// own shift characters "[", "]", "{", "}".
std::string_view FullAsciiPair(unsigned char code);

// `text` translated character by character; characters of code 128 and
// above are dropped.
std::string ToFullAscii(std::string_view text, FullAsciiShifts shifts);

}  // namespace tagpress
