#pragma once
// The serial-number generator behind the group "产生流水码" of the data page:
// six fields (start code, range begin and end, increment, number of steps,
// copies), the range check that runs after every change of a field, and the
// generation that appends records counting up or down inside the range.
//
// The class holds the values the fields show and their limits, so that the
// window is a thin view: it hands every change to a setter and redraws all
// fields when OnFieldsChanged fires. Positions count bytes of the GBK start
// code from 1, so a Chinese character takes two positions.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tagpress {

class TBarcodeFile;
class TLabelRecordList;

enum class TSerialField { Start, Begin, End, Inc, Sum, Repeat };

// What the label beside the range shows after a check.
struct TSerialRangeState {
  std::string Text;          // GBK, e.g. ("1234567",可以产生！)
  std::uint32_t Color = 0;   // $00BBGGRR: 32768 green, 255 red
  bool CanGenerate = false;  // the button "立即产生(&P)" is enabled
};

class TSerialGenerator {
 public:
  static constexpr int kMaxRepeat = 20;
  static constexpr std::uint32_t kColorGreen = 32768;
  static constexpr std::uint32_t kColorRed = 255;

  using StatusTextFn = std::function<void(const std::string& text)>;

  // ---- life cycle
  TSerialGenerator(TBarcodeFile& tpl, TLabelRecordList& records);

  // ---- the fields as the controls show them
  const std::string& Start() const { return start_; }
  int Begin() const { return begin_; }
  int End() const { return end_; }
  int Inc() const { return inc_; }
  int Sum() const { return sum_; }
  int Repeat() const { return repeat_; }
  // Upper limit of Begin and End: the length of the start code (at least 1).
  int RangeMaximum() const;
  const TSerialRangeState& RangeState() const { return range_state_; }
  bool Generating() const { return generating_; }

  // A field gets a new value, typed by the user or set by the program. The
  // value is held to the field's limits; when the field changed,
  // CheckSerialRange runs for it.
  void SetStart(const std::string& code);
  void SetBegin(int value);
  void SetEnd(int value);
  void SetInc(int value);
  void SetSum(int value);
  void SetRepeat(int value);

  // Fills the fields from the template keys, in the order in which each
  // check sees the fields before it: start code, increment, steps, range,
  // copies; an empty start code then takes the sample digits BarTextStart.
  void LoadFromTemplate();

  // Runs after every change of a field (see the setters): finds the range
  // automatically when the start code changed, moves the range start to the
  // numeric tail, updates RangeState and stores the field in its key.
  void CheckSerialRange(TSerialField field);

  // The counting part for a number: its decimal text, zero-filled on the left
  // to the width of the current range.
  std::string PadSerial(std::int64_t number) const;

  // Appends the generated records after the existing ones and writes the next
  // start code back. Progress goes to `status` (emptied at the end). Returns
  // the number of records appended.
  int GenerateSerials(const StatusTextFn& status);

  // ---- the view redraws every field, the range label and the button
  std::function<void()> OnFieldsChanged;

 private:
  void Notify();
  // Sets a field without running the check (the numeric tail's move).
  void StoreField(TSerialField field);
  // The code for EAN-8 and EAN-13 templates completed with its check digit.
  std::string CompleteForBarType(const std::string& code) const;

  TBarcodeFile& tpl_;
  TLabelRecordList& records_;
  std::string start_;
  int begin_ = 1;
  int end_ = 1;
  int inc_ = 1;
  int sum_ = 1;
  int repeat_ = 1;
  TSerialRangeState range_state_;
  bool generating_ = false;
  bool loading_ = false;  // fields taken from the template are not written back
};

// The value of a counting part: decimal digits only (leading zeros allowed),
// at most 2147483647. Signs, blanks and letters are refused.
std::optional<std::int32_t> ReadSerialNumber(const std::string& text);

}  // namespace tagpress
