#pragma once
// The tagged value every script variable holds, and the platform's rules for
// turning one into text, a real, an integer, a Boolean or a date.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tagpress {

enum class TVarType : uint8_t {
  Empty,
  Null,
  Smallint,  // 16-bit
  Integer,   // 32-bit
  Single,
  Double,
  Currency,  // fixed point, four decimals
  Date,      // days since 1899-12-30
  String,    // GBK bytes
  Boolean,
  ShortInt,  // 8-bit signed
  Byte,
  Word,
  LongWord,
  Int64,
  Array,  // one-dimensional, lower bound 0
};

// The name of a value type in conversion messages ("String", "Double", ...).
const char* VarTypeName(TVarType type);

class TkxValue {
 public:
  // Life cycle: a default value is Empty.
  TkxValue() = default;
  static TkxValue Null();
  static TkxValue FromInteger(int32_t value);
  static TkxValue FromSmallint(int16_t value);
  static TkxValue FromShortInt(int8_t value);
  static TkxValue FromByte(uint8_t value);
  static TkxValue FromWord(uint16_t value);
  static TkxValue FromLongWord(uint32_t value);
  static TkxValue FromInt64(int64_t value);
  static TkxValue FromSingle(float value);
  static TkxValue FromDouble(double value);
  // Currency from its value scaled by 10000 (1.5 is 15000).
  static TkxValue FromCurrencyScaled(int64_t scaled);
  // Currency from a real, rounded to four decimals; EOverflow when out of range.
  static TkxValue FromCurrency(double value);
  static TkxValue FromDate(double days);
  static TkxValue FromString(std::string text);
  static TkxValue FromBoolean(bool value);
  static TkxValue FromArray(std::vector<TkxValue> elements);

  // Properties.
  TVarType Type() const { return type_; }
  bool IsEmpty() const { return type_ == TVarType::Empty; }
  bool IsNull() const { return type_ == TVarType::Null; }
  // Smallint, Integer, ShortInt, Byte, Word, LongWord, Int64.
  bool IsIntegerType() const;
  // The integer of an integer type (valid only for those).
  int64_t IntegerValue() const { return int_; }
  // The real of Single, Double and Date (valid only for those).
  double RealValue() const { return real_; }
  // The scaled Currency (valid only for Currency).
  int64_t CurrencyScaled() const { return int_; }
  bool BooleanValue() const { return int_ != 0; }
  const std::string& StringValue() const { return text_; }
  // The elements of an Array (empty for every other type).
  const std::vector<TkxValue>& Elements() const;

 private:
  TVarType type_ = TVarType::Empty;
  union {
    int64_t int_ = 0;
    double real_;
  };
  std::string text_;
  std::shared_ptr<const std::vector<TkxValue>> array_;
};

// The platform's conversions of a raw value. Each raises EConvertError when
// the value has no such reading (the message names both types).

// Null and Empty give ""; integers in decimal; reals in the shortest general
// form of 15 digits (Single 7); Currency with up to four decimals; dates
// 'yyyy-M-d H:mm:ss'; Booleans "True"/"False". Arrays do not convert.
std::string ValueToText(const TkxValue& value);
// Empty 0, Boolean -1 or 0, text read as a real; Null does not convert.
double ValueToReal(const TkxValue& value);
// Reals rounded to the nearest integer, halves to even; text read as a whole
// number or a real; ERangeError beyond 32 bits; Null does not convert.
int32_t ValueToInteger(const TkxValue& value);
// Booleans as they are, numbers nonzero true, Empty false, text "True"/"False"
// in any letter case or a number; Null and other text do not convert.
bool ValueToBoolean(const TkxValue& value);
// Dates as they are, numbers as day numbers, text read as a date and time.
double ValueToDate(const TkxValue& value);

// Raises the conversion error from `from` into `to`.
[[noreturn]] void ThrowConvertError(TVarType from, TVarType to);

}  // namespace tagpress
