#pragma once
// Text operations of the script library on GBK bytes. Positions count bytes
// from 1, so a Chinese character takes two positions.

#include <cstdint>
#include <string>
#include <string_view>

namespace tagpress {

// The largest text a library function may produce (1 MiB), so that a single
// expression cannot exhaust memory.
inline constexpr size_t kMaxTextResult = size_t{1} << 20;

// Throws ETagpressError when a text of `size` bytes would exceed kMaxTextResult.
void CheckTextSize(size_t size);

// `count` bytes from position `from`. A start below 1 counts as 1 with the
// count unchanged; a start beyond the end or a count below 1 gives the empty
// text; a count running past the end stops there.
std::string CopyBytes(std::string_view text, int64_t from, int64_t count);
std::string LeftBytes(std::string_view text, int64_t count);
// The last `count` bytes (all of the text when it is shorter).
std::string RightBytes(std::string_view text, int64_t count);

// Position from 1 of the first occurrence of `part` that starts on a
// character of `text` (never on the second byte of a Chinese character);
// 0 when absent or `part` is empty. Case-sensitive.
int TextPos(std::string_view part, std::string_view text);

// Without leading or trailing blanks and control bytes.
std::string TrimTextLeft(std::string_view text);
std::string TrimTextRight(std::string_view text);

// ASCII letters changed or compared without regard to case, Chinese
// characters kept whole: their second byte may look like a letter, and
// folding it would change the character.
std::string UpperLetters(std::string_view text);
std::string LowerLetters(std::string_view text);
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

// The text followed by `further` copies of it (none when `further` <= 0).
// Throws when the result would exceed kMaxTextResult.
std::string RepeatText(std::string_view text, int64_t further);

// Adds `step` to the number written in bytes `from` to `to` (positions from
// 1, clipped to the text). The sum replaces the tail of that field, so
// leading zeros are kept while there is room: ('AB0099CD', 3, 6) gives
// 'AB0100CD', ('A999', 2, 4) gives 'A1000', ('A0010', 2, 5, -1) gives
// 'A0009'. A field with a sign keeps its leading bytes: ('X-05', 2, 4) gives
// 'X--4'. A field that is no whole number leaves the text unchanged.
std::string IncrementNumberField(std::string_view text, int64_t from, int64_t to, int64_t step);

// Increments the number that runs from the first decimal digit to the end:
// 'NO.0099' gives 'NO.0100'; 'A12B34' and 'ABC' stay as they are.
std::string IncrementBillNumber(std::string_view text);

// Upper-case hexadecimal of the 32-bit two's complement of n, left-padded
// with "0" to at least `digits` characters.
std::string HexText(int32_t n, int64_t digits);

// x rounded to the power of ten 10^digits (digits taken as a signed byte),
// halves to even: (1234.5678, -2) gives 1234.57, (1234.5678, 2) gives 1200.
double RoundToDigits(double x, int32_t digits);

}  // namespace tagpress
