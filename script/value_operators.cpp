#include "script/value_operators.h"

#include <cmath>
#include <cstring>

#include "script/date_time.h"
#include "platform/number_text.h"
#include "script/script_errors.h"

namespace tagpress {

namespace {

using C = TOperandClass;

// Rows: left operand class, columns: right operand class, both in the order
// Empty, Null, Integer, Real, Currency, String, Boolean, Date, Int64.
constexpr C kE = C::Empty, kN = C::Null, kI = C::Integer, kR = C::Real, kC = C::Currency, kS = C::String,
            kB = C::Boolean, kD = C::Date, kL = C::Int64;
// clang-format off
constexpr TOperandClass kOperationClass[9][9] = {
    //            E   N   I   R   C   S   B   D   L
    /* Empty    */ {kE, kN, kI, kR, kC, kS, kB, kD, kL},
    /* Null     */ {kN, kN, kN, kN, kN, kN, kN, kN, kN},
    /* Integer  */ {kI, kN, kI, kR, kC, kR, kI, kD, kL},
    /* Real     */ {kR, kN, kR, kR, kC, kR, kR, kD, kR},
    /* Currency */ {kC, kN, kC, kC, kC, kC, kC, kD, kC},
    /* String   */ {kS, kN, kR, kR, kC, kS, kB, kD, kR},
    /* Boolean  */ {kB, kN, kI, kR, kC, kB, kB, kD, kL},
    /* Date     */ {kD, kN, kD, kD, kD, kD, kD, kD, kD},
    /* Int64    */ {kL, kN, kL, kR, kC, kR, kL, kD, kL},
};
// clang-format on

enum class TArithmetic { Add, Subtract, Multiply, Divide };

// Integer reading of an operand of the Integer or Int64 class.
int64_t IntegerOf(const TkxValue& value) {
  switch (value.Type()) {
    case TVarType::Empty:
      return 0;
    case TVarType::Boolean:
      return value.BooleanValue() ? -1 : 0;
    default:
      return value.IntegerValue();
  }
}

double RealDivide(double x, double y) {
  if (y == 0) {
    if (x == 0) throw EInvalidOp();
    throw EZeroDivide();
  }
  return CheckedReal(x / y);
}

TkxValue RealArithmetic(TArithmetic op, double x, double y) {
  switch (op) {
    case TArithmetic::Add:
      return TkxValue::FromDouble(CheckedReal(x + y));
    case TArithmetic::Subtract:
      return TkxValue::FromDouble(CheckedReal(x - y));
    case TArithmetic::Multiply:
      return TkxValue::FromDouble(CheckedReal(x * y));
    case TArithmetic::Divide:
      return TkxValue::FromDouble(RealDivide(x, y));
  }
  return TkxValue::Null();
}

// Integer arithmetic in 64 bits; `narrow` gives an Integer when the result
// fits 32 bits (two Integers widen to Int64 instead of wrapping).
TkxValue IntegerArithmetic(TArithmetic op, int64_t x, int64_t y, bool narrow) {
  int64_t result = 0;
  bool overflow = false;
  switch (op) {
    case TArithmetic::Add:
      overflow = __builtin_add_overflow(x, y, &result);
      break;
    case TArithmetic::Subtract:
      overflow = __builtin_sub_overflow(x, y, &result);
      break;
    case TArithmetic::Multiply:
      overflow = __builtin_mul_overflow(x, y, &result);
      break;
    case TArithmetic::Divide:
      return TkxValue::FromDouble(RealDivide(static_cast<double>(x), static_cast<double>(y)));
  }
  if (overflow) throw EIntOverflow();
  if (narrow && result >= INT32_MIN && result <= INT32_MAX)
    return TkxValue::FromInteger(static_cast<int32_t>(result));
  return TkxValue::FromInt64(result);
}

int64_t CurrencyOf(const TkxValue& value) {
  switch (value.Type()) {
    case TVarType::Currency:
      return value.CurrencyScaled();
    case TVarType::Empty:
      return 0;
    case TVarType::Boolean:
      return value.BooleanValue() ? -10000 : 0;
    case TVarType::Single:
    case TVarType::Double:
    case TVarType::Date:
    case TVarType::String:
      return TkxValue::FromCurrency(ValueToReal(value)).CurrencyScaled();
    default: {
      int64_t scaled = 0;
      if (__builtin_mul_overflow(value.IntegerValue(), int64_t{10000}, &scaled)) throw EOverflow();
      return scaled;
    }
  }
}

// Divides a 128-bit value and rounds half to even.
int64_t RoundedQuotient(__int128 numerator, __int128 denominator) {
  if (denominator < 0) numerator = -numerator, denominator = -denominator;
  __int128 quotient = numerator / denominator;
  __int128 remainder = numerator % denominator;
  const __int128 twice = (remainder < 0 ? -remainder : remainder) * 2;
  if (twice > denominator || (twice == denominator && (quotient % 2) != 0))
    quotient += remainder < 0 ? -1 : 1;
  if (quotient > INT64_MAX || quotient < INT64_MIN) throw EOverflow();
  return static_cast<int64_t>(quotient);
}

TkxValue CurrencyArithmetic(TArithmetic op, int64_t x, int64_t y) {
  int64_t result = 0;
  switch (op) {
    case TArithmetic::Add:
      if (__builtin_add_overflow(x, y, &result)) throw EOverflow();
      break;
    case TArithmetic::Subtract:
      if (__builtin_sub_overflow(x, y, &result)) throw EOverflow();
      break;
    case TArithmetic::Multiply:
      result = RoundedQuotient(static_cast<__int128>(x) * y, 10000);
      break;
    case TArithmetic::Divide:
      if (y == 0) {
        if (x == 0) throw EInvalidOp();
        throw EZeroDivide();
      }
      result = RoundedQuotient(static_cast<__int128>(x) * 10000, y);
      break;
  }
  return TkxValue::FromCurrencyScaled(result);
}

// The day number of a Date-class operand.
double DayNumberOf(const TkxValue& value) {
  if (value.Type() == TVarType::String) {
    if (auto date = TryTextToDateTime(value.StringValue())) return *date;
  }
  return ValueToReal(value);
}

TkxValue DateArithmetic(TArithmetic op, const TkxValue& left, const TkxValue& right) {
  const double x = DayNumberOf(left);
  const double y = DayNumberOf(right);
  switch (op) {
    case TArithmetic::Add:
      return TkxValue::FromDate(CheckedReal(x + y));
    case TArithmetic::Subtract:
      if (left.Type() == TVarType::Date && right.Type() == TVarType::Date) {
        return TkxValue::FromDouble(CheckedReal(x - y));
      }
      return TkxValue::FromDate(CheckedReal(x - y));
    case TArithmetic::Multiply:
      return TkxValue::FromDouble(CheckedReal(x * y));
    case TArithmetic::Divide:
      return TkxValue::FromDouble(RealDivide(x, y));
  }
  return TkxValue::Null();
}

TkxValue Arithmetic(TArithmetic op, const TkxValue& left, const TkxValue& right) {
  switch (OperationClass(OperandClassOf(left), OperandClassOf(right))) {
    case C::Null:
      return TkxValue::Null();
    case C::Empty:
      if (op == TArithmetic::Divide) throw EZeroDivide();
      return TkxValue();
    case C::Integer:
      return IntegerArithmetic(op, IntegerOf(left), IntegerOf(right), true);
    case C::Int64:
      return IntegerArithmetic(op, IntegerOf(left), IntegerOf(right), false);
    case C::Currency:
      return CurrencyArithmetic(op, CurrencyOf(left), CurrencyOf(right));
    case C::String:
      if (op == TArithmetic::Add) return TkxValue::FromString(ValueToText(left) + ValueToText(right));
      break;
    case C::Date:
      return DateArithmetic(op, left, right);
    case C::Real:
    case C::Boolean:
      break;
  }
  return RealArithmetic(op, ValueToReal(left), ValueToReal(right));
}

template <typename T>
int ThreeWay(T x, T y) {
  return x < y ? -1 : (y < x ? 1 : 0);
}

}  // namespace

TOperandClass OperandClassOf(const TkxValue& value) {
  switch (value.Type()) {
    case TVarType::Empty:
      return C::Empty;
    case TVarType::Null:
      return C::Null;
    case TVarType::Smallint:
    case TVarType::Integer:
    case TVarType::ShortInt:
    case TVarType::Byte:
      return C::Integer;
    case TVarType::Single:
    case TVarType::Double:
      return C::Real;
    case TVarType::Currency:
      return C::Currency;
    case TVarType::String:
      return C::String;
    case TVarType::Boolean:
      return C::Boolean;
    case TVarType::Date:
      return C::Date;
    case TVarType::Word:
    case TVarType::LongWord:
    case TVarType::Int64:
      return C::Int64;
    case TVarType::Array:
      break;
  }
  ThrowConvertError(value.Type(), TVarType::Double);
}

TOperandClass OperationClass(TOperandClass left, TOperandClass right) {
  return kOperationClass[static_cast<int>(left)][static_cast<int>(right)];
}

TkxValue ValueAdd(const TkxValue& left, const TkxValue& right) {
  return Arithmetic(TArithmetic::Add, left, right);
}
TkxValue ValueSubtract(const TkxValue& left, const TkxValue& right) {
  return Arithmetic(TArithmetic::Subtract, left, right);
}
TkxValue ValueMultiply(const TkxValue& left, const TkxValue& right) {
  return Arithmetic(TArithmetic::Multiply, left, right);
}
TkxValue ValueDivide(const TkxValue& left, const TkxValue& right) {
  return Arithmetic(TArithmetic::Divide, left, right);
}

int CompareValues(const TkxValue& left, const TkxValue& right) {
  const TOperandClass left_class = OperandClassOf(left);
  const TOperandClass right_class = OperandClassOf(right);
  if (left_class == C::Null || right_class == C::Null) {
    return (left_class == C::Null ? 0 : 1) - (right_class == C::Null ? 0 : 1);
  }
  switch (OperationClass(left_class, right_class)) {
    case C::Null:
    case C::Empty:
      return 0;
    case C::Integer:
    case C::Int64:
      return ThreeWay(IntegerOf(left), IntegerOf(right));
    case C::Real:
      return ThreeWay(ValueToReal(left), ValueToReal(right));
    case C::Currency:
      return ThreeWay(CurrencyOf(left), CurrencyOf(right));
    case C::String: {
      const std::string x = ValueToText(left);
      const std::string y = ValueToText(right);
      return x.compare(y) < 0 ? -1 : (x == y ? 0 : 1);
    }
    case C::Boolean:
      return ThreeWay(static_cast<int>(ValueToBoolean(left)), static_cast<int>(ValueToBoolean(right)));
    case C::Date:
      return ThreeWay(DayNumberOf(left), DayNumberOf(right));
  }
  return 0;
}

}  // namespace tagpress
