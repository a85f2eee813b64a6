#pragma once
// Symbol characters and parity tables of EAN/UPC (ISO/IEC 15420), shared by
// the main symbols and the add-ons. Characters are written in pattern codes
// whose widths are module counts.

#include <array>
#include <string>
#include <string_view>

namespace tagpress::ean {

// ISO/IEC 15420, Table 1: number sets A (odd parity, left half, space
// first), B (even parity, left half, space first) and C (right half, bar
// first), one entry per digit 0-9.
constexpr std::array<std::string_view, 10> kSetA = {
    "2605", "1615", "1516", "0805", "0526",  // 0-4
    "0625", "0508", "0706", "0607", "2506",  // 5-9
};
constexpr std::array<std::string_view, 10> kSetB = {
    "0517", "0616", "1606", "0535", "1705",  // 0-4
    "0715", "3505", "1525", "2515", "1507",  // 5-9
};
constexpr std::array<std::string_view, 10> kSetC = {
    "7150", "6160", "6061", "5350", "5071",  // 0-4
    "5170", "5053", "5251", "5152", "7051",  // 5-9
};

constexpr std::string_view kNormalGuard = "505";
constexpr std::string_view kCentreGuard = "05050";
constexpr std::string_view kUpcEEndGuard = "050505";
constexpr std::string_view kAddOnStart = "506";
constexpr std::string_view kAddOnSeparator = "05";

// ISO/IEC 15420, Table 3: number sets of the six left-hand characters of
// EAN-13, selected by the leading digit.
constexpr std::array<std::string_view, 10> kEan13Parity = {
    "AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",  // 0-4
    "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA",  // 5-9
};

// ISO/IEC 15420, UPC-E parity by check digit for number system 0: "E" even
// (set B), "o" odd (set A). Number system 1 takes the opposite sets. The
// 5-digit add-on reads the rows from their second letter.
constexpr std::array<std::string_view, 10> kUpcEParity = {
    "EEEooo", "EEoEoo", "EEooEo", "EEoooE", "EoEEoo",  // 0-4
    "EooEEo", "EoooEE", "EoEoEo", "EoEooE", "EooEoE",  // 5-9
};

inline size_t DigitIndex(char digit) { return static_cast<size_t>(digit - '0'); }

// The character of `digit` in set A or B.
inline std::string_view LeftCharacter(char digit, bool set_b) {
  return set_b ? kSetB[DigitIndex(digit)] : kSetA[DigitIndex(digit)];
}

}  // namespace tagpress::ean
