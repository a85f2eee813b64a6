// EAN-8, EAN-13, UPC-A and UPC-E.

#include "barcode/bcchksum.h"
#include "barcode/ean_tables.h"
#include "barcode/encoders.h"
#include "barcode/pattern.h"

namespace tagpress {
namespace {

using namespace ean;

// Guard, left half in the given sets, centre guard, right half in set C,
// guard. `sets` holds "A"/"B" per left-hand digit.
void AppendTwoHalves(std::string& pattern, std::string_view left, std::string_view sets,
                     std::string_view right) {
  pattern += kNormalGuard;
  for (size_t i = 0; i < left.size(); ++i) pattern += LeftCharacter(left[i], sets[i] == 'B');
  pattern += kCentreGuard;
  for (const char digit : right) pattern += kSetC[DigitIndex(digit)];
  pattern += kNormalGuard;
}

}  // namespace

void EncodeEan8(EncodeJob& job) {
  std::string data;
  if (job.Checksum) {
    const std::string padded = PadLeft(job.Text, 7);
    data = padded.substr(padded.size() - 7);
    data += Mod10CheckDigit(data);
  } else {
    data = PadLeft(job.Text, 8);
  }
  if (data.size() != 8) {
    job.Error = bceBadLength;
    return;
  }
  const std::string_view digits = data;
  AppendTwoHalves(job.Pattern, digits.substr(0, 4), "AAAA", digits.substr(4, 4));
}

void EncodeEan13(EncodeJob& job) {
  std::string data;
  if (job.Checksum) {
    data = PadLeft(job.Text, 12);
    data += Mod10CheckDigit(data);
  } else {
    data = PadLeft(job.Text, 13);
  }
  if (data.size() != 13) {
    job.Error = bceBadLength;
    return;
  }
  // The leading digit is carried only by the parity of the left half.
  const std::string_view digits = data;
  AppendTwoHalves(job.Pattern, digits.substr(1, 6), kEan13Parity[DigitIndex(digits[0])], digits.substr(7, 6));
}

void EncodeUpcA(EncodeJob& job) {
  job.Text = PadLeft(job.Text, 12);
  if (job.Checksum) {
    job.Text.resize(11);
    job.Text += Mod10CheckDigit(job.Text);
  }
  const std::string_view digits = job.Text;
  AppendTwoHalves(job.Pattern, digits.substr(0, 6), "AAAAAA", digits.substr(6, 6));
}

void EncodeUpcE(EncodeJob& job) {
  job.Text = PadLeft(job.Text, 7);
  const std::string six = job.Text.substr(0, 6);
  const int number_system = job.Typ == bcCodeUPC_E1 ? 1 : 0;
  // The parity carries the check digit of the UPC-A number the symbol stands
  // for; readers check it against that number.
  const char check_digit = UpcECheckDigit(six, number_system);
  if (job.Checksum && job.CheckSumMethod == csmModulo10) job.Text = six + check_digit;

  const std::string_view parity = kUpcEParity[DigitIndex(check_digit)];
  job.Pattern += kNormalGuard;
  for (size_t i = 0; i < 6; ++i) {
    const bool even = parity[i] == 'E';
    job.Pattern += LeftCharacter(six[i], number_system == 0 ? even : !even);
  }
  job.Pattern += kUpcEEndGuard;
}

}  // namespace tagpress
