// Code 39 and its full-ASCII form.

#include <array>
#include <string_view>

#include "barcode/encoders.h"
#include "barcode/full_ascii.h"
#include "barcode/pattern.h"

namespace tagpress {
namespace {

struct Code39Row {
  char Character;
  std::string_view Elements;  // bar, space, ... bar in narrow/wide codes
  int CheckValue;
};

// ISO/IEC 16388, Table 1 (symbol character encodation) with the check
// character values of its Annex; the start/stop character "*" last.
// clang-format off
constexpr std::array<Code39Row, 44> kCode39 = {{
    {'0', "505160605", 0},  // 0
    {'1', "605150506", 1},
    {'2', "506150506", 2},
    {'3', "606150505", 3},
    {'4', "505160506", 4},
    {'5', "605160505", 5},  // 5
    {'6', "506160505", 6},
    {'7', "505150606", 7},
    {'8', "605150605", 8},
    {'9', "506150605", 9},
    {'A', "605051506", 10},  // 10
    {'B', "506051506", 11},
    {'C', "606051505", 12},
    {'D', "505061506", 13},
    {'E', "605061505", 14},
    {'F', "506061505", 15},  // 15
    {'G', "505051606", 16},
    {'H', "605051605", 17},
    {'I', "506051605", 18},
    {'J', "505061605", 19},
    {'K', "605050516", 20},  // 20
    {'L', "506050516", 21},
    {'M', "606050515", 22},
    {'N', "505060516", 23},
    {'O', "605060515", 24},
    {'P', "506060515", 25},  // 25
    {'Q', "505050616", 26},
    {'R', "605050615", 27},
    {'S', "506050615", 28},
    {'T', "505060615", 29},
    {'U', "615050506", 30},  // 30
    {'V', "516050506", 31},
    {'W', "616050505", 32},
    {'X', "515060506", 33},
    {'Y', "615060505", 34},
    {'Z', "516060505", 35},  // 35
    {'-', "515050606", 36},
    {'.', "615050605", 37},
    {' ', "516050605", 38},
    {'$', "515151505", 39},
    {'/', "515150515", 40},  // 40
    {'+', "515051515", 41},
    {'%', "505151515", 42},
    {'*', "515060605", 0},
}};
// clang-format on

constexpr size_t kStartStop = 43;

// Row index of every byte; -1 for bytes the symbology cannot carry as data.
// "*" is the start/stop character: inside a text it would end the symbol.
constexpr ByteRows kRowOf = MakeByteRows(kStartStop, [](size_t i) { return kCode39[i].Character; });

void AppendCharacter(std::string& pattern, size_t row) {
  pattern += kCode39[row].Elements;
  pattern += '0';  // the gap between characters
}

void AppendCode39(std::string_view text, bool with_check_character, std::string& pattern) {
  AppendCharacter(pattern, kStartStop);
  int sum = 0;
  for (const char c : text) {
    const int row = kRowOf[static_cast<unsigned char>(c)];
    if (row < 0) continue;
    AppendCharacter(pattern, static_cast<size_t>(row));
    sum = (sum + kCode39[static_cast<size_t>(row)].CheckValue) % 43;
  }
  // Rows 0 to 42 hold the values 0 to 42 in order.
  if (with_check_character) AppendCharacter(pattern, static_cast<size_t>(sum));
  pattern += kCode39[kStartStop].Elements;
}

}  // namespace

void EncodeCode39(EncodeJob& job) {
  if (job.Typ == bcCode39Extended) {
    AppendCode39(ToFullAscii(job.Text, FullAsciiShifts::Code39), job.Checksum, job.Pattern);
  } else {
    AppendCode39(job.Text, job.Checksum, job.Pattern);
  }
}

}  // namespace tagpress
