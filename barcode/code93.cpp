// Code 93 and its full-ASCII form.

#include <array>
#include <string_view>

#include "barcode/encoders.h"
#include "barcode/full_ascii.h"
#include "barcode/pattern.h"

namespace tagpress {
namespace {

// AIM USS-93 (Code 93), symbol character table: values 0-46, six element
// widths in modules, bar first. Values 43-46 are the shift characters ($),
// (%), (/), (+), written here as "[", "]", "{", "}".
constexpr std::string_view kCode93Characters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%[]{}";
constexpr std::array<std::string_view, 47> kCode93Widths = {
    "131112", "111213", "111312", "111411", "121113",  // 0
    "121212", "121311", "111114", "131211", "141111",  // 5
    "211113", "211212", "211311", "221112", "221211",  // 10 A
    "231111", "112113", "112212", "112311", "122112",  // 15
    "132111", "111123", "111222", "111321", "121122",  // 20
    "131121", "212112", "212211", "211122", "211221",  // 25
    "221121", "222111", "112122", "112221", "122121",  // 30
    "123111", "121131", "311112", "311211", "321111",  // 35 Z - . space $
    "112131", "113121", "211131", "121221", "312111",  // 40 / + % ($) (%)
    "311121", "122211",                                // 45 (/) (+)
};
constexpr std::string_view kStart = "111141";
constexpr std::string_view kStop = "1111411";  // the stop character and the termination bar
constexpr int kFirstShift = 43;

// Value of every byte, -1 for none.
constexpr ByteRows kValueOf = MakeByteRows(kCode93Characters);

// `shifts_allowed` is false for plain Code 93: a shift character typed as
// data would turn the next character into another one.
void AppendCode93(std::string_view text, bool shifts_allowed, EncodeJob& job) {
  AppendWidthsAsPattern(job.Pattern, kStart);
  for (const char c : text) {
    const int value = kValueOf[static_cast<unsigned char>(c)];
    if (value < 0 || (!shifts_allowed && value >= kFirstShift)) {
      job.Error = bceCode93Character;
      return;
    }
    AppendWidthsAsPattern(job.Pattern, kCode93Widths[static_cast<size_t>(value)]);
  }
  // Two check characters, weighted from the right: C with weights 1-20, K
  // with 1-15 over the data followed by C (so the data start at weight 2).
  int sum_c = 0;
  int sum_k = 0;
  int weight_c = 1;
  int weight_k = 2;
  for (size_t i = text.size(); i-- > 0;) {
    const int value = kValueOf[static_cast<unsigned char>(text[i])];
    sum_c = (sum_c + value * weight_c) % 47;
    sum_k = (sum_k + value * weight_k) % 47;
    weight_c = weight_c == 20 ? 1 : weight_c + 1;
    weight_k = weight_k == 15 ? 1 : weight_k + 1;
  }
  const int check_c = sum_c;
  const int check_k = (sum_k + sum_c) % 47;
  AppendWidthsAsPattern(job.Pattern, kCode93Widths[static_cast<size_t>(check_c)]);
  AppendWidthsAsPattern(job.Pattern, kCode93Widths[static_cast<size_t>(check_k)]);
  AppendWidthsAsPattern(job.Pattern, kStop);
}

}  // namespace

void EncodeCode93(EncodeJob& job) {
  if (job.Typ == bcCode93Extended) {
    AppendCode93(ToFullAscii(job.Text, FullAsciiShifts::Code93), true, job);
  } else {
    AppendCode93(job.Text, false, job);
  }
}

}  // namespace tagpress
