// Codabar.

#include <array>
#include <string_view>

#include "barcode/encoders.h"
#include "barcode/pattern.h"

namespace tagpress {
namespace {

// The Codabar character table (AIM USS-Codabar, Table 1): seven elements,
// bar first, in narrow/wide codes. The last four are the start/stop
// characters A, B, C and D.
constexpr std::string_view kCodabarCharacters = "1234567890-$:/.+ABCD";
constexpr std::array<std::string_view, 20> kCodabarElements = {
    "5050615", "5051506", "6150505", "5060515", "6050515",  // 1-5
    "5150506", "5150605", "5160505", "6051505", "5050516",  // 6-9, 0
    "5051605", "5061505", "6050606", "6060506", "6060605",  // - $ : / .
    "5060606", "5061515", "5151506", "5051516", "5051615",  // + A B C D
};
constexpr size_t kFirstStartStop = 16;

// Row of every byte, -1 for none.
constexpr ByteRows kRowOf = MakeByteRows(kCodabarCharacters);

bool IsStartStop(char c) {
  return kRowOf[static_cast<unsigned char>(c)] >= static_cast<int>(kFirstStartStop);
}

}  // namespace

void EncodeCodabar(EncodeJob& job) {
  // A text framed by two of A-D brings its own start and stop characters;
  // otherwise A and B frame it.
  std::string_view data = job.Text;
  char start = 'A';
  char stop = 'B';
  if (data.size() >= 2 && IsStartStop(data.front()) && IsStartStop(data.back())) {
    start = data.front();
    stop = data.back();
    data = data.substr(1, data.size() - 2);
  }
  for (const char c : data) {
    const int row = kRowOf[static_cast<unsigned char>(c)];
    if (row < 0 || row >= static_cast<int>(kFirstStartStop)) {
      job.Error = bceBadCharacter;
      return;
    }
  }
  const auto elements = [](char c) {
    return kCodabarElements[static_cast<size_t>(kRowOf[static_cast<unsigned char>(c)])];
  };
  job.Pattern += elements(start);
  for (const char c : data) {
    job.Pattern += '0';
    job.Pattern += elements(c);
  }
  job.Pattern += '0';
  job.Pattern += elements(stop);
}

}  // namespace tagpress
