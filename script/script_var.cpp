#include "script/script_var.h"

#include <cmath>
#include <cstring>

#include "platform/text_codec.h"
#include "platform/ascii_text.h"
#include "script/date_time.h"
#include "platform/number_text.h"
#include "script/script_errors.h"

namespace tagpress {

TkxVarKind KindOfValue(const TkxValue& value) {
  switch (value.Type()) {
    case TVarType::Integer:
    case TVarType::ShortInt:
    case TVarType::Byte:
    case TVarType::Word:
    case TVarType::LongWord:
    case TVarType::Int64:
      return vkInteger;
    case TVarType::String:
      return vkString;
    case TVarType::Boolean:
      return vkBoolean;
    case TVarType::Date:
      return vkDateTime;
    case TVarType::Double:
    case TVarType::Currency:
      return vkFloat;
    default:
      return vkVariant;
  }
}

TkxVarKind TypeCodeOfName(std::string_view type_name) {
  if (type_name.empty()) return vkVariant;
  struct Entry {
    const char* name;
    TkxVarKind kind;
  };
  static constexpr Entry kTypes[] = {
      {"INTEGER", vkInteger}, {"INT", vkInteger},   {"STRING", vkString}, {"BOOL", vkBoolean},
      {"BOOLEAN", vkBoolean}, {"DATE", vkDateTime}, {"TIME", vkDateTime}, {"DATETIME", vkDateTime},
      {"FLOAT", vkFloat},     {"DOUBLE", vkFloat},
  };
  for (const Entry& entry : kTypes) {
    if (SameTextAscii(type_name, entry.name)) return entry.kind;
  }
  return vkObject;
}

void TkxScriptVar::Assign(const TkxScriptVar* source) {
  if (!source || source == this) return;
  kind_ = source->kind_;
  value_ = source->value_;
}

void TkxScriptVar::Clear() {
  kind_ = vkVariant;
  value_ = TkxValue::Null();
}

void TkxScriptVar::SetValue(const TkxValue& value) {
  value_ = value;
  kind_ = KindOfValue(value_);
}

void TkxScriptVar::SetValue(TkxValue&& value) {
  value_ = std::move(value);
  kind_ = KindOfValue(value_);
}

void TkxScriptVar::ThrowObjectReadAsSimple() const {
  throw EScriptError(var_name_ + GBK(":对象类型变量不能以简单变量类型读取"));
}

const TkxValue& TkxScriptVar::GetValue() const {
  if (kind_ == vkObject) ThrowObjectReadAsSimple();
  return value_;
}

void TkxScriptVar::SetObject(TkxHostObject* object) {
  value_ = TkxValue::FromInt64(static_cast<int64_t>(reinterpret_cast<intptr_t>(object)));
  if (kind_ == vkVariant) kind_ = vkObject;
}

TkxHostObject* TkxScriptVar::AsObject() const {
  if (kind_ != vkObject) {
    if (var_name_.empty()) throw EScriptError(GBK("简单变量类型不能作为对象类型读取"));
    throw EScriptError(var_name_ + GBK(": 简单变量类型不能作为对象类型读取"));
  }
  return reinterpret_cast<TkxHostObject*>(static_cast<intptr_t>(value_.IntegerValue()));
}

int32_t TkxScriptVar::AsInteger() const {
  if (kind_ == vkInteger) return ValueToInteger(value_);
  switch (value_.Type()) {
    case TVarType::Single:
    case TVarType::Double:
    case TVarType::Currency: {
      const double real = std::trunc(ValueToReal(value_));
      // Beyond 32 bits the truncation saturates instead of wrapping.
      if (real >= 2147483647.0) return INT32_MAX;
      if (real <= -2147483648.0) return INT32_MIN;
      return static_cast<int32_t>(real);
    }
    case TVarType::String: {
      if (auto integer = TryTextToInt(value_.StringValue())) return *integer;
      if (auto real = TryTextToFloat(value_.StringValue())) {
        const double truncated = std::trunc(*real);
        if (truncated >= 2147483647.0) return INT32_MAX;
        if (truncated <= -2147483648.0) return INT32_MIN;
        return static_cast<int32_t>(truncated);
      }
      return 0;
    }
    default:
      return TextToIntPrefix(AsString());
  }
}

double TkxScriptVar::AsFloat() const {
  if (kind_ == vkFloat) return ValueToReal(value_);
  return TryTextToFloat(AsString()).value_or(0.0);
}

std::string TkxScriptVar::AsString() const {
  if (kind_ == vkObject) ThrowObjectReadAsSimple();
  return ValueToText(value_);
}

double TkxScriptVar::AsDateTime() const {
  if (kind_ == vkDateTime) return ValueToReal(value_);
  return TryTextToDateTime(AsString()).value_or(kDefaultDateTime);
}

bool TkxScriptVar::AsBoolean() const {
  if (kind_ == vkBoolean) return value_.BooleanValue();
  std::string text(TrimControlAndBlank(AsciiUpperCase(AsString())));
  text += ',';
  return GBK("TRUE, YES, T, 是, 真, 1, -1,").find(text) != std::string::npos;
}

}  // namespace tagpress
