// MSI (Modified Plessey) with its Modulo 10 check digit.

#include "barcode/encoders.h"

namespace tagpress {
namespace {

// Each digit is four bits, most significant first: a 0 bit is a narrow bar
// and a wide space, a 1 bit a wide bar and a narrow space.
void AppendDigit(std::string& pattern, int digit) {
  for (int bit = 3; bit >= 0; --bit) pattern += ((digit >> bit) & 1) ? "60" : "51";
}

// From the right, digits in odd positions are doubled and the digits of the
// product added; the others are added as they are.
int MsiCheckDigit(std::string_view digits) {
  int total = 0;
  bool doubled = true;
  for (size_t i = digits.size(); i-- > 0;) {
    const int digit = digits[i] - '0';
    total += doubled ? (2 * digit) / 10 + (2 * digit) % 10 : digit;
    total %= 10;
    doubled = !doubled;
  }
  return (10 - total) % 10;
}

}  // namespace

void EncodeMsi(EncodeJob& job) {
  job.Pattern += "60";
  for (const char c : job.Text) AppendDigit(job.Pattern, c - '0');
  AppendDigit(job.Pattern, MsiCheckDigit(job.Text));
  job.Pattern += "515";
}

}  // namespace tagpress
