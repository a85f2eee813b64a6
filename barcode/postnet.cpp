// POSTNET: tall and short bars of one width on a common bottom edge.

#include <array>
#include <string_view>

#include "barcode/encoders.h"

namespace tagpress {
namespace {

// USPS POSTNET digit table (weights 7, 4, 2, 1, 0): T tall, S short.
constexpr std::array<std::string_view, 10> kPostNet = {
    "TTSSS", "SSSTT", "SSTST", "SSTTS", "STSST",  // 0-4
    "STSTS", "STTSS", "TSSST", "TSSTS", "TSTSS",  // 5-9
};

}  // namespace

void EncodePostNet(EncodeJob& job) {
  job.Pattern += "51";  // frame bar
  for (const char c : job.Text) {
    for (const char bar : kPostNet[static_cast<size_t>(c - '0')]) {
      job.Pattern += bar == 'T' ? '5' : 'A';
      job.Pattern += '1';
    }
  }
  job.Pattern += '5';  // frame bar
}

}  // namespace tagpress
