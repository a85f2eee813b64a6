// Generating serial numbers: a long run with and without EAN-13 completion.
#include <benchmark/benchmark.h>

#include "barcode/barcode_types.h"
#include "data/record_list.h"
#include "data/serial_generator.h"
#include "template/barcode_file.h"

namespace {

void GenerateSerials(benchmark::State& state, int bar_type) {
  const int steps = static_cast<int>(state.range(0));
  for (auto _ : state) {
    tagpress::TBarcodeFile tpl;
    tpl.SetBarType(bar_type);
    tagpress::TLabelRecordList records;
    tagpress::TSerialGenerator generator(tpl, records);
    generator.SetStart("690100012542");
    generator.SetSum(steps);
    benchmark::DoNotOptimize(generator.GenerateSerials([](const std::string&) {}));
  }
  state.SetItemsProcessed(state.iterations() * steps);
}

void BM_GenerateSerialsCode128(benchmark::State& state) { GenerateSerials(state, tagpress::bcCode128B); }
void BM_GenerateSerialsEan13(benchmark::State& state) { GenerateSerials(state, tagpress::bcCodeEAN13); }

BENCHMARK(BM_GenerateSerialsCode128)->Arg(10000);
BENCHMARK(BM_GenerateSerialsEan13)->Arg(10000);

}  // namespace
