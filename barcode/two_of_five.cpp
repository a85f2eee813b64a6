// Interleaved, Industrial and Matrix 2 of 5.

#include <array>
#include <string_view>

#include "barcode/encoders.h"

namespace tagpress {
namespace {

// The 2 of 5 digit table: five elements per digit, W wide and N narrow
// (ISO/IEC 16390, Table 1, the same assignment for all 2 of 5 symbologies).
constexpr std::array<std::string_view, 10> kTwoOfFive = {
    "NNWWN", "WNNNW", "NWNNW", "WWNNN", "NNWNW",  // 0-4
    "WNWNN", "NWWNN", "NNNWW", "WNNWN", "NWNWN",  // 5-9
};

std::string_view ElementsOf(char digit) { return kTwoOfFive[static_cast<size_t>(digit - '0')]; }

char Bar(char width) { return width == 'W' ? '6' : '5'; }
char Space(char width) { return width == 'W' ? '1' : '0'; }

}  // namespace

void EncodeInterleaved2of5(EncodeJob& job) {
  // An odd count gets a leading zero, so every digit is in the bars.
  std::string padded;
  std::string_view digits = job.Text;
  if (digits.size() % 2 != 0) {
    padded = "0" + job.Text;
    digits = padded;
  }
  job.Pattern += "5050";
  for (size_t i = 0; i + 1 < digits.size(); i += 2) {
    const std::string_view bars = ElementsOf(digits[i]);
    const std::string_view spaces = ElementsOf(digits[i + 1]);
    for (size_t k = 0; k < 5; ++k) {
      job.Pattern += Bar(bars[k]);
      job.Pattern += Space(spaces[k]);
    }
  }
  job.Pattern += "605";
}

void EncodeIndustrial2of5(EncodeJob& job) {
  job.Pattern += "606050";
  for (const char digit : job.Text) {
    for (const char width : ElementsOf(digit)) {
      job.Pattern += Bar(width);
      job.Pattern += '0';
    }
  }
  job.Pattern += "605060";
}

void EncodeMatrix2of5(EncodeJob& job) {
  job.Pattern += "705050";
  for (const char digit : job.Text) {
    const std::string_view elements = ElementsOf(digit);
    for (size_t k = 0; k < 5; ++k) job.Pattern += (k % 2 == 0) ? Bar(elements[k]) : Space(elements[k]);
    job.Pattern += '0';
  }
  job.Pattern += "70505";
}

}  // namespace tagpress
