#pragma once
// The errors of the script engine.
//
// EScriptError carries the engine's own (Chinese, GBK) messages. The value
// rules raise the arithmetic errors below and EConvertError, in the manner of
// a runtime library: they are not EScriptError, so Evaluate can tell them
// apart and translate the two it must (zero divide and overflow).

#include <string>

#include "platform/errors.h"

namespace tagpress {

// The engine's exception with one message.
class EScriptError : public ETagpressError {
 public:
  using ETagpressError::ETagpressError;
};

// A plain exception of the engine that is no EScriptError: a wrong function
// start, a DIM name that clashes with a parameter, an undefined self, a
// duplicate library function. Evaluate passes it on unchanged.
class EScriptPlainError : public ETagpressError {
 public:
  using ETagpressError::ETagpressError;
};

// Integer arithmetic errors.
class EIntError : public ETagpressError {
 public:
  using ETagpressError::ETagpressError;
};
class EDivByZero : public EIntError {
 public:
  EDivByZero();
};
class ERangeError : public EIntError {
 public:
  ERangeError();
};
class EIntOverflow : public EIntError {
 public:
  EIntOverflow();
};

// Floating-point arithmetic errors.
class EMathError : public ETagpressError {
 public:
  using ETagpressError::ETagpressError;
};
class EZeroDivide : public EMathError {
 public:
  EZeroDivide();
};
class EInvalidOp : public EMathError {
 public:
  EInvalidOp();
};
class EOverflow : public EMathError {
 public:
  EOverflow();
};

// Checks a floating-point result: an infinity is an overflow, a NaN an
// invalid operation. Returns the value when it is finite.
double CheckedReal(double value);

}  // namespace tagpress
