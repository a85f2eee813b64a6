#include "barcode/pattern.h"

#include "barcode/bcchksum.h"

namespace tagpress {

BarElement ElementOf(char code, const ModuleWidths& widths) {
  if (code >= '0' && code <= '3') return {true, widths[code - '0'], ElementKind::Space};
  if (code >= '5' && code <= '8') return {true, widths[code - '5'], ElementKind::Bar};
  if (code >= 'A' && code <= 'D') return {true, widths[code - 'A'], ElementKind::ShortBar};
  return {};
}

void AppendWidthsAsPattern(std::string& pattern, std::string_view module_counts) {
  for (size_t i = 0; i < module_counts.size(); ++i) {
    const char count = module_counts[i];
    if (count < '1' || count > '4') {
      pattern += '9';
      continue;
    }
    const char first = (i % 2 == 0) ? '5' : '0';
    pattern += static_cast<char>(first + (count - '1'));
  }
}

std::string WidthsToPattern(std::string_view module_counts) {
  std::string pattern;
  AppendWidthsAsPattern(pattern, module_counts);
  return pattern;
}

std::string PadLeft(std::string_view text, size_t n) {
  std::string padded;
  if (text.size() < n) padded.assign(n - text.size(), '0');
  padded += text;
  return padded;
}

std::string ApplyCheckSum(TCheckSumMethod method, std::string_view text) {
  std::string result(text);
  if (method == csmModulo10) result += Mod10CheckDigit(text);
  return result;
}

}  // namespace tagpress
