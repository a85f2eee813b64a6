#include "script/script_errors.h"

#include <cmath>

namespace tagpress {

EDivByZero::EDivByZero() : EIntError("Division by zero") {}
ERangeError::ERangeError() : EIntError("Range check error") {}
EIntOverflow::EIntOverflow() : EIntError("Integer overflow") {}
EZeroDivide::EZeroDivide() : EMathError("Floating point division by zero") {}
EInvalidOp::EInvalidOp() : EMathError("Invalid floating point operation") {}
EOverflow::EOverflow() : EMathError("Floating point overflow") {}

double CheckedReal(double value) {
  if (std::isnan(value)) throw EInvalidOp();
  if (std::isinf(value)) throw EOverflow();
  return value;
}

}  // namespace tagpress
