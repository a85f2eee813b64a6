#include "barcode/full_ascii.h"

#include <array>

namespace tagpress {
namespace {

// ISO/IEC 16388, Annex (full ASCII Code 39), one entry per code 0-127.
constexpr std::array<std::string_view, 128> kFullAscii = {
    "%U", "$A", "$B", "$C", "$D", "$E", "$F", "$G",  // 0
    "$H", "$I", "$J", "$K", "$L", "$M", "$N", "$O",  // 8
    "$P", "$Q", "$R", "$S", "$T", "$U", "$V", "$W",  // 16
    "$X", "$Y", "$Z", "%A", "%B", "%C", "%D", "%E",  // 24
    " ",  "/A", "/B", "/C", "/D", "/E", "/F", "/G",  // 32 space ! " # $ % & '
    "/H", "/I", "/J", "/K", "/L", "/M", "/N", "/O",  // 40 ( ) * + , - . /
    "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",   // 48
    "8",  "9",  "/Z", "%F", "%G", "%H", "%I", "%J",  // 56 8 9 : ; < = > ?
    "%V", "A",  "B",  "C",  "D",  "E",  "F",  "G",   // 64 @
    "H",  "I",  "J",  "K",  "L",  "M",  "N",  "O",   // 72
    "P",  "Q",  "R",  "S",  "T",  "U",  "V",  "W",   // 80
    "X",  "Y",  "Z",  "%K", "%L", "%M", "%N", "%O",  // 88 [ \ ] ^ _
    "%W", "+A", "+B", "+C", "+D", "+E", "+F", "+G",  // 96 `
    "+H", "+I", "+J", "+K", "+L", "+M", "+N", "+O",  // 104
    "+P", "+Q", "+R", "+S", "+T", "+U", "+V", "+W",  // 112
    "+X", "+Y", "+Z", "%P", "%Q", "%R", "%S", "%T",  // 120 { | } ~ DEL
};

char Code93Shift(char code39_shift) {
  switch (code39_shift) {
    case '$':
      return '[';
    case '%':
      return ']';
    case '/':
      return '{';
    default:
      return '}';
  }
}

}  // namespace

std::string_view FullAsciiPair(unsigned char code) {
  return code < 128 ? kFullAscii[code] : std::string_view();
}

std::string ToFullAscii(std::string_view text, FullAsciiShifts shifts) {
  std::string translated;
  translated.reserve(text.size() * 2);
  for (const char c : text) {
    const std::string_view pair = FullAsciiPair(static_cast<unsigned char>(c));
    if (pair.size() == 2 && shifts == FullAsciiShifts::Code93) {
      translated += Code93Shift(pair[0]);
      translated += pair[1];
    } else {
      translated += pair;
    }
  }
  return translated;
}

}  // namespace tagpress
