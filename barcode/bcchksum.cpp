#include "barcode/bcchksum.h"

namespace tagpress {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Weighted digit sum from the right, weights alternating `first`, `second`.
unsigned WeightedSumFromRight(std::string_view digits, unsigned first, unsigned second) {
  unsigned sum = 0;
  bool use_first = true;
  for (size_t i = digits.size(); i-- > 0;) {
    if (!IsDigit(digits[i])) continue;
    sum = (sum + static_cast<unsigned>(digits[i] - '0') * (use_first ? first : second)) % 10;
    use_first = !use_first;
  }
  return sum;
}

}  // namespace

char Mod10CheckDigit(std::string_view digits) {
  return static_cast<char>('0' + (10 - WeightedSumFromRight(digits, 3, 1)) % 10);
}

char AddOnCheckDigit(std::string_view digits) {
  return static_cast<char>('0' + WeightedSumFromRight(digits, 3, 9));
}

std::string ExpandUpcE(std::string_view six_digits, int number_system) {
  std::string d(6, '0');
  const size_t n = six_digits.size() < 6 ? six_digits.size() : 6;
  for (size_t i = 0; i < n; ++i) {
    const char c = six_digits[i];
    d[6 - n + i] = IsDigit(c) ? c : '0';
  }
  std::string upc_a(1, static_cast<char>('0' + (number_system == 1 ? 1 : 0)));
  // The last digit says where the manufacturer number ends and which zeros
  // were suppressed.
  switch (d[5]) {
    case '0':
    case '1':
    case '2':
      upc_a += d.substr(0, 2) + d[5] + "0000" + d.substr(2, 3);
      break;
    case '3':
      upc_a += d.substr(0, 3) + "00000" + d.substr(3, 2);
      break;
    case '4':
      upc_a += d.substr(0, 4) + "00000" + d[4];
      break;
    default:
      upc_a += d.substr(0, 5) + "0000" + d[5];
      break;
  }
  return upc_a;
}

char UpcECheckDigit(std::string_view six_digits, int number_system) {
  return Mod10CheckDigit(ExpandUpcE(six_digits, number_system));
}

}  // namespace tagpress
