#include "script/script_value.h"

#include <cmath>
#include <limits>

#include "platform/ascii_text.h"
#include "platform/number_text.h"
#include "platform/rounding.h"
#include "script/date_time.h"
#include "script/script_errors.h"

namespace tagpress {

const char* VarTypeName(TVarType type) {
  switch (type) {
    case TVarType::Empty:
      return "Empty";
    case TVarType::Null:
      return "Null";
    case TVarType::Smallint:
      return "Smallint";
    case TVarType::Integer:
      return "Integer";
    case TVarType::Single:
      return "Single";
    case TVarType::Double:
      return "Double";
    case TVarType::Currency:
      return "Currency";
    case TVarType::Date:
      return "Date";
    case TVarType::String:
      return "String";
    case TVarType::Boolean:
      return "Boolean";
    case TVarType::ShortInt:
      return "ShortInt";
    case TVarType::Byte:
      return "Byte";
    case TVarType::Word:
      return "Word";
    case TVarType::LongWord:
      return "LongWord";
    case TVarType::Int64:
      return "Int64";
    case TVarType::Array:
      return "Array Variant";
  }
  return "Unknown";
}

void ThrowConvertError(TVarType from, TVarType to) {
  throw EConvertError(std::string("Could not convert variant of type (") + VarTypeName(from) +
                      ") into type (" + VarTypeName(to) + ")");
}

TkxValue TkxValue::Null() {
  TkxValue v;
  v.type_ = TVarType::Null;
  return v;
}

#define TAGPRESS_INTEGER_CONSTRUCTOR(Name, CType, Tag) \
  TkxValue TkxValue::Name(CType value) {               \
    TkxValue v;                                        \
    v.type_ = TVarType::Tag;                           \
    v.int_ = static_cast<int64_t>(value);              \
    return v;                                          \
  }
TAGPRESS_INTEGER_CONSTRUCTOR(FromInteger, int32_t, Integer)
TAGPRESS_INTEGER_CONSTRUCTOR(FromSmallint, int16_t, Smallint)
TAGPRESS_INTEGER_CONSTRUCTOR(FromShortInt, int8_t, ShortInt)
TAGPRESS_INTEGER_CONSTRUCTOR(FromByte, uint8_t, Byte)
TAGPRESS_INTEGER_CONSTRUCTOR(FromWord, uint16_t, Word)
TAGPRESS_INTEGER_CONSTRUCTOR(FromLongWord, uint32_t, LongWord)
TAGPRESS_INTEGER_CONSTRUCTOR(FromInt64, int64_t, Int64)
TAGPRESS_INTEGER_CONSTRUCTOR(FromCurrencyScaled, int64_t, Currency)
#undef TAGPRESS_INTEGER_CONSTRUCTOR

TkxValue TkxValue::FromSingle(float value) {
  TkxValue v;
  v.type_ = TVarType::Single;
  v.real_ = value;
  return v;
}

TkxValue TkxValue::FromDouble(double value) {
  TkxValue v;
  v.type_ = TVarType::Double;
  v.real_ = value;
  return v;
}

TkxValue TkxValue::FromCurrency(double value) {
  const double scaled = RoundHalfEven(value * 10000.0);
  if (!(std::fabs(scaled) < 9.2233720368547758e18)) throw EOverflow();
  return FromCurrencyScaled(static_cast<int64_t>(scaled));
}

TkxValue TkxValue::FromDate(double days) {
  TkxValue v;
  v.type_ = TVarType::Date;
  v.real_ = days;
  return v;
}

TkxValue TkxValue::FromString(std::string text) {
  TkxValue v;
  v.type_ = TVarType::String;
  v.text_ = std::move(text);
  return v;
}

TkxValue TkxValue::FromBoolean(bool value) {
  TkxValue v;
  v.type_ = TVarType::Boolean;
  v.int_ = value ? 1 : 0;
  return v;
}

TkxValue TkxValue::FromArray(std::vector<TkxValue> elements) {
  TkxValue v;
  v.type_ = TVarType::Array;
  v.array_ = std::make_shared<const std::vector<TkxValue>>(std::move(elements));
  return v;
}

bool TkxValue::IsIntegerType() const {
  switch (type_) {
    case TVarType::Smallint:
    case TVarType::Integer:
    case TVarType::ShortInt:
    case TVarType::Byte:
    case TVarType::Word:
    case TVarType::LongWord:
    case TVarType::Int64:
      return true;
    default:
      return false;
  }
}

const std::vector<TkxValue>& TkxValue::Elements() const {
  static const std::vector<TkxValue> kNone;
  return array_ ? *array_ : kNone;
}

std::string ValueToText(const TkxValue& value) {
  switch (value.Type()) {
    case TVarType::Empty:
    case TVarType::Null:
      return std::string();
    case TVarType::Single:
      return FloatToText(value.RealValue(), 7);
    case TVarType::Double:
      return FloatToText(value.RealValue(), 15);
    case TVarType::Currency:
      return CurrencyToText(value.CurrencyScaled());
    case TVarType::Date: {
      auto text = DateTimeToText(value.RealValue());
      if (!text) ThrowConvertError(TVarType::Date, TVarType::String);
      return *text;
    }
    case TVarType::String:
      return value.StringValue();
    case TVarType::Boolean:
      return value.BooleanValue() ? "True" : "False";
    case TVarType::Array:
      ThrowConvertError(TVarType::Array, TVarType::String);
    default:
      return IntToText(value.IntegerValue());
  }
}

double ValueToReal(const TkxValue& value) {
  switch (value.Type()) {
    case TVarType::Empty:
      return 0;
    case TVarType::Single:
    case TVarType::Double:
    case TVarType::Date:
      return value.RealValue();
    case TVarType::Currency:
      return static_cast<double>(value.CurrencyScaled()) / 10000.0;
    case TVarType::String: {
      auto real = TryTextToFloat(value.StringValue());
      if (!real) ThrowConvertError(TVarType::String, TVarType::Double);
      return *real;
    }
    case TVarType::Boolean:
      return value.BooleanValue() ? -1 : 0;
    case TVarType::Null:
    case TVarType::Array:
      ThrowConvertError(value.Type(), TVarType::Double);
    default:
      return static_cast<double>(value.IntegerValue());
  }
}

namespace {

int32_t RoundToInteger(double real) {
  const double rounded = RoundHalfEven(real);
  if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) throw ERangeError();
  return static_cast<int32_t>(rounded);
}

}  // namespace

int32_t ValueToInteger(const TkxValue& value) {
  switch (value.Type()) {
    case TVarType::Empty:
      return 0;
    case TVarType::Single:
    case TVarType::Double:
    case TVarType::Date:
      return RoundToInteger(value.RealValue());
    case TVarType::Currency:
      return RoundToInteger(static_cast<double>(value.CurrencyScaled()) / 10000.0);
    case TVarType::String: {
      if (auto integer = TryTextToInt(value.StringValue())) return *integer;
      auto real = TryTextToFloat(value.StringValue());
      if (!real) ThrowConvertError(TVarType::String, TVarType::Integer);
      return RoundToInteger(*real);
    }
    case TVarType::Boolean:
      return value.BooleanValue() ? -1 : 0;
    case TVarType::Null:
    case TVarType::Array:
      ThrowConvertError(value.Type(), TVarType::Integer);
    default: {
      const int64_t integer = value.IntegerValue();
      if (integer < INT32_MIN || integer > INT32_MAX) throw ERangeError();
      return static_cast<int32_t>(integer);
    }
  }
}

bool ValueToBoolean(const TkxValue& value) {
  switch (value.Type()) {
    case TVarType::Empty:
      return false;
    case TVarType::Boolean:
      return value.BooleanValue();
    case TVarType::String: {
      const std::string& text = value.StringValue();
      if (SameTextAscii(text, "True")) return true;
      if (SameTextAscii(text, "False")) return false;
      auto real = TryTextToFloat(text);
      if (!real) ThrowConvertError(TVarType::String, TVarType::Boolean);
      return *real != 0;
    }
    case TVarType::Null:
    case TVarType::Array:
      ThrowConvertError(value.Type(), TVarType::Boolean);
    default:
      return ValueToReal(value) != 0;
  }
}

double ValueToDate(const TkxValue& value) {
  switch (value.Type()) {
    case TVarType::String: {
      auto date = TryTextToDateTime(value.StringValue());
      if (!date) ThrowConvertError(TVarType::String, TVarType::Date);
      return *date;
    }
    case TVarType::Null:
    case TVarType::Array:
      ThrowConvertError(value.Type(), TVarType::Date);
    default:
      return ValueToReal(value);
  }
}

}  // namespace tagpress
