#pragma once
// The bar pattern: one code per element, laid left to right.
//   "0" "1" "2" "3"  space of ModuleWidth[1..4]
//   "5" "6" "7" "8"  full-height bar of ModuleWidth[1..4]
//   "A" "B" "C" "D"  short bar (two fifths of the height) of ModuleWidth[1..4]
// Narrow/wide symbologies write "5"/"6" and "0"/"1"; the others write module
// counts that WidthsToPattern turns into codes.

#include <array>
#include <string>
#include <string_view>

#include "barcode/barcode_types.h"

namespace tagpress {

enum class ElementKind : unsigned char { Space, Bar, ShortBar };

struct BarElement {
  bool Valid = false;  // false for a code outside the alphabet
  int Width = 0;       // dots
  ElementKind Kind = ElementKind::Space;
};

// Element widths in dots, index 0 to 3 for ModuleWidth[1..4].
using ModuleWidths = std::array<int, 4>;

BarElement ElementOf(char code, const ModuleWidths& widths);

// The row of every byte in a symbology's character table, -1 for bytes the
// table does not hold; built at compile time by the encoders.
using ByteRows = std::array<signed char, 256>;

// Rows 0 to count - 1, the character of row i being char_at(i).
template <typename CharAt>
constexpr ByteRows MakeByteRows(size_t count, CharAt char_at) {
  ByteRows rows{};
  rows.fill(-1);
  for (size_t i = 0; i < count; ++i)
    rows[static_cast<unsigned char>(char_at(i))] = static_cast<signed char>(i);
  return rows;
}

constexpr ByteRows MakeByteRows(std::string_view characters) {
  return MakeByteRows(characters.size(), [characters](size_t i) { return characters[i]; });
}

// Appends the codes of a string of module counts "1"-"4" that alternate bar,
// space, bar, ... (first a bar). A count outside 1-4 becomes a code outside
// the alphabet, which drawing reports.
void AppendWidthsAsPattern(std::string& pattern, std::string_view module_counts);
std::string WidthsToPattern(std::string_view module_counts);

// `text` with "0" put in front until it is at least n characters long.
std::string PadLeft(std::string_view text, size_t n);

// `text` followed by its check digit under `method`; unchanged for csmNone.
std::string ApplyCheckSum(TCheckSumMethod method, std::string_view text);

}  // namespace tagpress
