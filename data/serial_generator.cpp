#include "data/serial_generator.h"

#include <algorithm>
#include <climits>
#include <cstdio>

#include "barcode/barcode_types.h"
#include "data/record_list.h"
#include "platform/text_codec.h"
#include "render/label_renderer.h"
#include "template/barcode_file.h"

namespace tagpress {

namespace {

// The numeric tail looks at no more than this many characters.
constexpr std::size_t kMaxTailLength = 100;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The characters from position `from` to position `to` (1-based, inclusive);
// empty when the range is empty or starts past the end.
std::string Positions(const std::string& text, int from, int to) {
  const int length = static_cast<int>(text.size());
  if (from < 1) from = 1;
  if (to > length) to = length;
  if (from > to) return {};
  return text.substr(from - 1, to - from + 1);
}

// Runs a cleanup at every exit of a scope.
template <typename Fn>
class ScopeExit {
 public:
  explicit ScopeExit(Fn fn) : fn_(std::move(fn)) {}
  ~ScopeExit() { fn_(); }
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;

 private:
  Fn fn_;
};

// The decimal text of a number, zero-filled on the left to `width`
// characters; a minus sign stays in front of the zeros.
std::string ZeroFilled(std::int64_t number, int width) {
  if (number < 0) return "-" + ZeroFilled(-number, width - 1);
  std::string digits = std::to_string(number);
  const int zeros = width - static_cast<int>(digits.size());
  if (zeros > 0) digits.insert(0, static_cast<std::size_t>(zeros), '0');
  return digits;
}

bool FitsCounter(std::int64_t number) { return number >= 0 && number <= INT32_MAX; }

}  // namespace

std::optional<std::int32_t> ReadSerialNumber(const std::string& text) {
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > INT32_MAX) return std::nullopt;
  }
  return static_cast<std::int32_t>(value);
}

TSerialGenerator::TSerialGenerator(TBarcodeFile& tpl, TLabelRecordList& records)
    : tpl_(tpl), records_(records), range_state_{GBK("(范围错)"), kColorRed, false} {}

int TSerialGenerator::RangeMaximum() const { return std::max(1, static_cast<int>(start_.size())); }

void TSerialGenerator::SetStart(const std::string& code) {
  if (code == start_) return;
  start_ = code;
  CheckSerialRange(TSerialField::Start);
}

void TSerialGenerator::SetBegin(int value) {
  value = std::clamp(value, 1, RangeMaximum());
  if (value == begin_) return;
  begin_ = value;
  CheckSerialRange(TSerialField::Begin);
}

void TSerialGenerator::SetEnd(int value) {
  value = std::clamp(value, 1, RangeMaximum());
  if (value == end_) return;
  end_ = value;
  CheckSerialRange(TSerialField::End);
}

void TSerialGenerator::SetInc(int value) {
  if (value == inc_) return;
  inc_ = value;
  CheckSerialRange(TSerialField::Inc);
}

void TSerialGenerator::SetSum(int value) {
  value = std::max(value, 1);
  if (value == sum_) return;
  sum_ = value;
  CheckSerialRange(TSerialField::Sum);
}

void TSerialGenerator::SetRepeat(int value) {
  value = std::clamp(value, 1, kMaxRepeat);
  if (value == repeat_) return;
  repeat_ = value;
  CheckSerialRange(TSerialField::Repeat);
}

void TSerialGenerator::LoadFromTemplate() {
  // Every key is read before the first field is set: setting the start code
  // detects a range and stores it, which would otherwise replace the range
  // kept in the template before it is read.
  const std::string start = tpl_.LSHStart();
  const int inc = tpl_.LSHInc();
  const int sum = tpl_.LSHSum();
  const int begin = tpl_.LSHBegin();
  const int end = tpl_.LSHEnd();
  const int repeat = tpl_.LSHRepeat();
  // Showing a template must not change it: what the fields derive from it
  // (the sample digits as start code, a detected range) is stored only when
  // the user changes a field or a generation moves the start code on.
  loading_ = true;
  SetStart(start);
  SetInc(inc);
  SetSum(sum);
  SetBegin(begin);
  SetEnd(end);
  SetRepeat(repeat > 0 ? repeat : 1);
  if (start_.empty()) SetStart(tpl_.BarTextStart());
  loading_ = false;
  Notify();
}

void TSerialGenerator::CheckSerialRange(TSerialField field) {
  const int length = static_cast<int>(start_.size());

  // A new start code: the range becomes its first run of digits. Each change
  // of a range field checks that field first (and may move the start again).
  if (field == TSerialField::Start) {
    int position = 1;
    while (position <= length && !IsDigit(start_[position - 1])) ++position;
    SetBegin(position);
    while (position <= length && IsDigit(start_[position - 1])) ++position;
    SetEnd(position - 1);
  }

  std::string part = Positions(start_, begin_, end_);
  if (part.empty()) {
    range_state_ = {GBK("(范围错)"), kColorRed, false};
  } else {
    // A range too long for the counter moves its start right, to the first
    // position from which the rest of the code reads as a number.
    for (int q = begin_; q <= length - 1; ++q) {
      std::string tail = start_.substr(q - 1, kMaxTailLength);
      if (ReadSerialNumber(tail)) {
        part = std::move(tail);
        begin_ = q;
        break;
      }
    }
    if (begin_ > end_) {
      // The tail lies beyond the range end: nothing would count.
      range_state_ = {GBK("(范围错)"), kColorRed, false};
    } else if (ReadSerialNumber(part)) {
      range_state_ = {"(\"" + part + "\"" + GBK(",可以产生！)"), kColorGreen, true};
    } else {
      range_state_ = {"(\"" + part + "\"" + GBK(",可能含有字母)"), kColorRed, false};
    }
  }

  StoreField(field);
  Notify();
}

void TSerialGenerator::StoreField(TSerialField field) {
  if (loading_) return;
  // Unchanged values are not written again, so that a change back to the
  // stored value does not mark the template modified.
  auto store_int = [this](int current, int value, void (TBarcodeFile::*setter)(int)) {
    if (current != value) (tpl_.*setter)(value);
  };
  switch (field) {
    case TSerialField::Start:
      if (tpl_.LSHStart() != start_) tpl_.SetLSHStart(start_);
      break;
    case TSerialField::Begin:
      store_int(tpl_.LSHBegin(), begin_, &TBarcodeFile::SetLSHBegin);
      break;
    case TSerialField::End:
      store_int(tpl_.LSHEnd(), end_, &TBarcodeFile::SetLSHEnd);
      break;
    case TSerialField::Inc:
      store_int(tpl_.LSHInc(), inc_, &TBarcodeFile::SetLSHInc);
      break;
    case TSerialField::Sum:
      store_int(tpl_.LSHSum(), sum_, &TBarcodeFile::SetLSHSum);
      break;
    case TSerialField::Repeat:
      store_int(tpl_.LSHRepeat(), repeat_, &TBarcodeFile::SetLSHRepeat);
      break;
  }
}

std::string TSerialGenerator::PadSerial(std::int64_t number) const {
  return ZeroFilled(number, end_ - begin_ + 1);
}

std::string TSerialGenerator::CompleteForBarType(const std::string& code) const {
  const int type = tpl_.BarType();
  if (type == bcCodeEAN8 || type == bcCodeEAN13) return PrepareDigits(type, code);
  return code;
}

int TSerialGenerator::GenerateSerials(const StatusTextFn& status) {
  if (generating_) return 0;

  // The fields are read once: the window stays live during the run.
  const int begin = begin_;
  const int end = end_;
  const std::string start = start_;
  const std::string prefix = start.substr(0, std::min<std::size_t>(begin - 1, start.size()));
  const std::string suffix = end < static_cast<int>(start.size()) ? start.substr(end) : std::string();
  const int width = end - begin + 1;
  const int repeat = repeat_;
  const int steps = sum_;
  const std::optional<std::int32_t> first = ReadSerialNumber(Positions(start, begin, end));
  const std::string upper = tpl_.UpText();
  const std::string lower = tpl_.DownText();

  generating_ = true;
  Notify();
  ScopeExit done([&] {
    generating_ = false;
    if (status) status(std::string());
    Notify();
  });

  records_.TrimBlankRows();
  int appended = 0;
  std::int64_t number = first.value_or(0);
  for (int step = 1; step <= steps; ++step) {
    if (status) {
      char text[160];
      std::snprintf(text, sizeof text, GBK("正在产生第 %d 条数据，共 %d 条...").c_str(), step, steps);
      status(text);
    }
    if (first) {
      // The counter never wraps: a step below 0 or past 2147483647 ends the run.
      if (!FitsCounter(number)) break;
      const std::string code = CompleteForBarType(prefix + ZeroFilled(number, width) + suffix);
      for (int copy = 0; copy < repeat; ++copy) records_.AppendRecord(code, upper, lower);
      appended += repeat;
      number += inc_;
    } else {
      records_.AppendRecord(CompleteForBarType(start), upper, lower);
      ++appended;
    }
  }
  records_.EndRecordUpdate();

  // The next start code continues where this run stopped; a counter that ran
  // out of range leaves the start code as it was.
  if (first && FitsCounter(number)) SetStart(prefix + ZeroFilled(number, width) + suffix);
  return appended;
}

void TSerialGenerator::Notify() {
  if (OnFieldsChanged) OnFieldsChanged();
}

}  // namespace tagpress
