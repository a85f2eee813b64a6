// Code 128 and EAN-128 (GS1-128) in a single code set A, B or C.

#include <array>
#include <cstdint>
#include <string_view>

#include "barcode/encoders.h"
#include "barcode/pattern.h"

namespace tagpress {
namespace {

// ISO/IEC 15417, Table 1: element widths in modules (bar, space, bar, space,
// bar, space) of symbol values 0-105; 103-105 are Start A, B and C.
constexpr std::array<std::string_view, 106> kCode128Widths = {
    "212222", "222122", "222221", "121223", "121322",  // 0
    "131222", "122213", "122312", "132212", "221213",  // 5
    "221312", "231212", "112232", "122132", "122231",  // 10
    "113222", "123122", "123221", "223211", "221132",  // 15
    "221231", "213212", "223112", "312131", "311222",  // 20
    "321122", "321221", "312212", "322112", "322211",  // 25
    "212123", "212321", "232121", "111323", "131123",  // 30
    "131321", "112313", "132113", "132311", "211313",  // 35
    "231113", "231311", "112133", "112331", "132131",  // 40
    "113123", "113321", "133121", "313121", "211331",  // 45
    "231131", "213113", "213311", "213131", "311123",  // 50
    "311321", "331121", "312113", "312311", "332111",  // 55
    "314111", "221411", "431111", "111224", "111422",  // 60
    "121124", "121421", "141122", "141221", "112214",  // 65
    "112412", "122114", "122411", "142112", "142211",  // 70
    "241211", "221114", "413111", "241112", "134111",  // 75
    "111242", "121142", "121241", "114212", "124112",  // 80
    "124211", "411212", "421112", "421211", "212141",  // 85
    "214121", "412121", "111143", "111341", "131141",  // 90
    "114113", "114311", "411113", "411311", "113141",  // 95
    "114131", "311141", "411131", "211412", "211214",  // 100
    "211232",                                          // 105
};
constexpr std::string_view kStop = "2331112";  // stop character with its termination bar

constexpr int kCodeB = 100;  // in code set C: switch to code set B
constexpr int kFnc1 = 102;
constexpr int kStartA = 103;
constexpr int kStartB = 104;
constexpr int kStartC = 105;

enum class CodeSet { A, B, C };

// Value of a character in code set A (space to "_") or B (space to "~");
// a character outside the set is sent as a space.
int ValueIn(CodeSet set, char c) {
  const int code = static_cast<unsigned char>(c);
  const int last = set == CodeSet::A ? '_' : '~';
  return code >= ' ' && code <= last ? code - ' ' : 0;
}

int PairValue(char tens, char units) {
  const bool digits = tens >= '0' && tens <= '9' && units >= '0' && units <= '9';
  return digits ? (tens - '0') * 10 + (units - '0') : 0;
}

class SymbolWriter {
 public:
  SymbolWriter(std::string& pattern, int start) : pattern_(pattern), sum_(static_cast<std::uint32_t>(start)) {
    AppendWidthsAsPattern(pattern_, kCode128Widths[static_cast<size_t>(start)]);
  }

  // One symbol character, weighted by its position after the start.
  void Add(int value) {
    AppendWidthsAsPattern(pattern_, kCode128Widths[static_cast<size_t>(value)]);
    sum_ = (sum_ + static_cast<std::uint32_t>(value) * weight_) % 103;
    weight_ = weight_ % 103 + 1;
  }

  void Finish() {
    AppendWidthsAsPattern(pattern_, kCode128Widths[sum_]);
    AppendWidthsAsPattern(pattern_, kStop);
  }

 private:
  std::string& pattern_;
  std::uint32_t sum_;
  std::uint32_t weight_ = 1;
};

}  // namespace

void EncodeCode128(EncodeJob& job) {
  const bool ean = job.Typ == bcCodeEAN128A || job.Typ == bcCodeEAN128B || job.Typ == bcCodeEAN128C;
  const CodeSet set = (job.Typ == bcCode128A || job.Typ == bcCodeEAN128A)   ? CodeSet::A
                      : (job.Typ == bcCode128B || job.Typ == bcCodeEAN128B) ? CodeSet::B
                                                                            : CodeSet::C;
  SymbolWriter symbol(job.Pattern, set == CodeSet::A ? kStartA : set == CodeSet::B ? kStartB : kStartC);

  std::string with_check_digit;
  std::string_view data = job.Text;
  if (ean) {
    symbol.Add(kFnc1);
    // The check digit goes into the symbol only; Text stays as given, so
    // encoding the same object again does not append another digit.
    if (job.Checksum) {
      with_check_digit = ApplyCheckSum(job.CheckSumMethod, job.Text);
      data = with_check_digit;
    }
  }

  if (set != CodeSet::C) {
    for (const char c : data) symbol.Add(ValueIn(set, c));
    symbol.Finish();
    return;
  }

  if (data.size() % 2 != 0 && !ean) {
    // Plain Code 128 C completes the pairs with a leading zero.
    job.Text.insert(0, 1, '0');
    data = job.Text;
  }
  for (size_t i = 0; i + 1 < data.size(); i += 2) symbol.Add(PairValue(data[i], data[i + 1]));
  if (data.size() % 2 != 0) {
    // EAN-128 C: a leading zero would change the application identifier;
    // the last digit goes in code set B instead.
    symbol.Add(kCodeB);
    symbol.Add(ValueIn(CodeSet::B, data.back()));
  }
  symbol.Finish();
}

}  // namespace tagpress
