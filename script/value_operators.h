#pragma once
// Arithmetic and comparison of script values. Each operand falls into an
// operand class; the pair of classes picks how the operation is done.

#include <cstdint>

#include "script/script_value.h"

namespace tagpress {

enum class TOperandClass : uint8_t { Empty, Null, Integer, Real, Currency, String, Boolean, Date, Int64 };

// The class of an operand; an Array is no operand (EConvertError).
TOperandClass OperandClassOf(const TkxValue& value);

// The class in which an operation on two operand classes is done.
TOperandClass OperationClass(TOperandClass left, TOperandClass right);

// + - * /. Null gives Null; integer + - * that leave 32 bits give an Int64,
// 64-bit overflow raises EIntOverflow; real division by zero raises
// EZeroDivide (0/0 EInvalidOp); non-numeric text raises EConvertError.
TkxValue ValueAdd(const TkxValue& left, const TkxValue& right);
TkxValue ValueSubtract(const TkxValue& left, const TkxValue& right);
TkxValue ValueMultiply(const TkxValue& left, const TkxValue& right);
TkxValue ValueDivide(const TkxValue& left, const TkxValue& right);

// Three-way comparison: negative, zero or positive. Null is the smallest
// value and equals only Null.
int CompareValues(const TkxValue& left, const TkxValue& right);

inline bool ValuesEqual(const TkxValue& left, const TkxValue& right) {
  return CompareValues(left, right) == 0;
}

}  // namespace tagpress
