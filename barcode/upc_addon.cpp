// The 2- and 5-digit add-on symbols of EAN/UPC.

#include "barcode/bcchksum.h"
#include "barcode/ean_tables.h"
#include "barcode/encoders.h"
#include "barcode/pattern.h"

namespace tagpress {
namespace {

using namespace ean;

// Add-on start, then the digits in set B ("B") or set A ("A") with a
// separator between consecutive ones.
void AppendAddOn(std::string& pattern, std::string_view digits, std::string_view sets) {
  pattern += kAddOnStart;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0) pattern += kAddOnSeparator;
    pattern += LeftCharacter(digits[i], sets[i] == 'B');
  }
}

}  // namespace

void EncodeUpcSupplement5(EncodeJob& job) {
  job.Text = PadLeft(job.Text, 5);
  const std::string five = job.Text.substr(0, 5);
  const char check_digit = AddOnCheckDigit(five);
  if (job.Checksum) job.Text = five + check_digit;

  const std::string_view parity = kUpcEParity[DigitIndex(check_digit)].substr(1);
  char sets[5];
  for (size_t i = 0; i < 5; ++i) sets[i] = parity[i] == 'E' ? 'B' : 'A';
  AppendAddOn(job.Pattern, five, std::string_view(sets, 5));
}

void EncodeUpcSupplement2(EncodeJob& job) {
  job.Text = PadLeft(job.Text, 2);
  const std::string two = job.Text.substr(0, 2);
  // The parity comes from the two digits in the symbol, read as a number.
  static constexpr std::array<std::string_view, 4> kSetsByRemainder = {"AA", "AB", "BA", "BB"};
  const size_t remainder = static_cast<size_t>(((two[0] - '0') * 10 + (two[1] - '0')) % 4);
  if (job.Checksum) job.Text = two + AddOnCheckDigit(two);
  AppendAddOn(job.Pattern, two, kSetsByRemainder[remainder]);
}

}  // namespace tagpress
