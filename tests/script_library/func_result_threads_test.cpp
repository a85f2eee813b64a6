// The result of a library call belongs to the thread that made it: a worker
// thread calling the same library cannot overwrite it.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "script/custom_functions.h"
#include "script/script_variants.h"

namespace tagpress {
namespace {

// Calls Int(value) many times and counts the calls whose FuncResult is not
// the thread's own value.
int ForeignResults(int32_t value, std::atomic<bool>& go) {
  TkxScriptVariants params;
  params.Add("1").SetValue(TkxValue::FromString(std::to_string(value)));
  while (!go.load()) std::this_thread::yield();
  int foreign = 0;
  for (int i = 0; i < 20000; ++i) {
    TkxCustomFunctions& library = StdFuncLib();
    if (!library.CallFunction("Int", &params) || library.FuncResult().IntegerValue() != value) ++foreign;
  }
  return foreign;
}

TEST(FuncResult, EachThreadKeepsItsOwn) {
  std::atomic<bool> go{false};
  int worker_foreign = -1;
  std::thread worker([&] { worker_foreign = ForeignResults(2, go); });
  go = true;
  const int main_foreign = ForeignResults(1, go);
  worker.join();
  EXPECT_EQ(main_foreign, 0);
  EXPECT_EQ(worker_foreign, 0);
}

TEST(FuncResult, PerCallResultNeedsNoSharedSlot) {
  TkxScriptVariants params;
  params.Add("1").SetValue(TkxValue::FromString("7.9"));
  TkxValue result;
  ASSERT_TRUE(StdFuncLib().CallFunction("Int", &params, result));
  EXPECT_EQ(result.IntegerValue(), 7);
  EXPECT_FALSE(StdFuncLib().CallFunction("NoSuchFunction", &params, result));
  EXPECT_TRUE(result.IsNull());
}

}  // namespace
}  // namespace tagpress
