// Loading and saving large data files.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "data/record_list.h"
#include "platform/text_codec.h"
#include "platform/text_file.h"

namespace {

std::string WriteSampleFile(int lines) {
  std::string path = (std::filesystem::temp_directory_path() / ("tagpress-bench-" + std::to_string(lines) + ".csv")).string();
  tagpress::TextLines text;
  text.reserve(lines);
  for (int i = 0; i < lines; ++i)
    text.push_back("69012345" + std::to_string(10000 + i % 90000) + "," + GBK("鲜果店") + ",\"" +
                   GBK("红富士苹果 500g") + "\"");
  tagpress::WriteTextLines(path, text);
  return path;
}

void LoadDataFile(benchmark::State& state) {
  const std::string path = WriteSampleFile(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    tagpress::TLabelRecordList list;
    list.LoadDataFile(path);
    benchmark::DoNotOptimize(list.RecordCount());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  std::remove(path.c_str());
}
BENCHMARK(LoadDataFile)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
