// Evaluate as the label text expansion calls it: lexing, parsing and running
// each bracket afresh.
#include <benchmark/benchmark.h>

#include "platform/text_codec.h"
#include "script/script_exec.h"

namespace tagpress {
namespace {

void EvaluateExpression(benchmark::State& state, const std::string& expr) {
  TkxScriptVariants globals;
  globals.Add(GBK("条码数字")).SetValue(TkxValue::FromString("6901234567892"));
  TkxScriptExec exec;
  exec.GlobalVars = &globals;
  for (auto _ : state) {
    exec.Evaluate(expr);
    benchmark::DoNotOptimize(exec.ResultVar().AsString());
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_EvaluateArithmetic(benchmark::State& state) { EvaluateExpression(state, "1+2*3"); }
void BM_EvaluateBarcodeDigits(benchmark::State& state) { EvaluateExpression(state, GBK("条码数字") + "+1"); }
void BM_EvaluateText(benchmark::State& state) {
  EvaluateExpression(state, "'No. ' + " + GBK("条码数字") + " + ' / ' + '2024'");
}

BENCHMARK(BM_EvaluateArithmetic);
BENCHMARK(BM_EvaluateBarcodeDigits);
BENCHMARK(BM_EvaluateText);

void BM_Lex(benchmark::State& state) {
  const std::string text =
      "private function __exp_comput as variant\r\n  Result=" + GBK("条码数字") + "+1\r\nend function";
  TkxScriptWordParse lexer;
  for (auto _ : state) benchmark::DoNotOptimize(lexer.Parse(text));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Lex);

}  // namespace
}  // namespace tagpress
