// Label text expansion as the composer runs it for every record: each
// bracket is lexed, parsed and run afresh.
#include <benchmark/benchmark.h>

#include "platform/text_codec.h"
#include "print/label_text_context.h"

namespace tagpress {
namespace {

void BM_ExpandTwoBrackets(benchmark::State& state) {
  LabelTextContext context;
  context.SetBarcodeDigits("6901234567892");
  const std::string text = GBK("条码 [条码数字] 生产日期 [FormatDateTime('yyyy-mm-dd', Today)]");
  for (auto _ : state) benchmark::DoNotOptimize(context.ExpandExpressions(text));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ExpandTwoBrackets);

void BM_ExpandWithoutBrackets(benchmark::State& state) {
  LabelTextContext context;
  const std::string text = GBK("品名,规格,\"产地 上海\"");
  for (auto _ : state) benchmark::DoNotOptimize(context.ExpandExpressions(text));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ExpandWithoutBrackets);

}  // namespace
}  // namespace tagpress
