// Calls of the standard function library as label texts make them: one call
// per bracket and label, so a batch of thousands of labels makes thousands.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/text_codec.h"
#include "script/date_time.h"
#include "script/library/std_func.h"
#include "script/script_variants.h"

namespace tagpress {
namespace {

void CallRepeatedly(benchmark::State& state, const char* name, const std::vector<TkxValue>& values) {
  TkxCustomFunctions& library = StdFuncLib();
  TkxScriptVariants params;
  for (size_t i = 0; i < values.size(); ++i) params.Add(std::to_string(i + 1)).SetValue(values[i]);
  for (auto _ : state) {
    const bool ok = library.CallFunction(name, &params);
    benchmark::DoNotOptimize(ok);
    benchmark::DoNotOptimize(library.FuncResult());
  }
}

void BM_FormatDateTime(benchmark::State& state) {
  CallRepeatedly(state, "formatdatetime",
                 {TkxValue::FromString(Utf8ToGbk("yyyy年mm月dd日 hh:nn:ss")),
                  TkxValue::FromDate(EncodeDate(2024, 1, 5) + 0.5)});
}
BENCHMARK(BM_FormatDateTime);

void BM_MoneyCHN(benchmark::State& state) {
  CallRepeatedly(state, "MoneyCHN", {TkxValue::FromDouble(1234567.89)});
}
BENCHMARK(BM_MoneyCHN);

void BM_IncBillNo(benchmark::State& state) {
  CallRepeatedly(state, "IncBillNo", {TkxValue::FromString("NO.20240105-0099")});
}
BENCHMARK(BM_IncBillNo);

void BM_Format(benchmark::State& state) {
  CallRepeatedly(state, "Format", {TkxValue::FromString("%08.2f"), TkxValue::FromDouble(3.14159)});
}
BENCHMARK(BM_Format);

void BM_UnknownName(benchmark::State& state) { CallRepeatedly(state, "NoSuchFunction", {}); }
BENCHMARK(BM_UnknownName);

}  // namespace
}  // namespace tagpress
