// The program's one standard function library, created on first use.
#include "script/custom_functions.h"
#include "script/library/std_func.h"

namespace tagpress {

TkxCustomFunctions& StdFuncLib() {
  static TkxStdFunc instance;
  return instance;
}

}  // namespace tagpress
