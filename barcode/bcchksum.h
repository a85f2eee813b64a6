#pragma once
// Check digits of the retail symbologies. Each returns the digit as a
// character "0"-"9"; characters other than digits are skipped.

#include <string>
#include <string_view>

namespace tagpress {

// The EAN/UPC Modulo 10 check digit: from the right, weights 3, 1, 3, 1, ...;
// the digit that brings the weighted sum to a multiple of 10.
char Mod10CheckDigit(std::string_view digits);

// The check digit of the 5-digit add-on: from the right, weights 3, 9, 3, 9,
// ...; the sum modulo 10.
char AddOnCheckDigit(std::string_view digits);

// The eleven-digit UPC-A number that the six UPC-E data digits stand for
// (ISO/IEC 15420, zero suppression), with number system 0 or 1. Shorter
// inputs are padded with leading zeros; only the first six digits count.
std::string ExpandUpcE(std::string_view six_digits, int number_system);

// The UPC-E check digit: the Modulo 10 digit of the UPC-A expansion. It
// selects the parity of the six symbol characters; readers check it so.
char UpcECheckDigit(std::string_view six_digits, int number_system);

}  // namespace tagpress
