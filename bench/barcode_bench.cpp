// Encoding and drawing speed of the barcode object: the renderer draws
// thousands of labels per second through it.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <string>

#include "barcode/barcode.h"
#include "platform/qt/qt_surface.h"

namespace tagpress {
namespace {

void BM_EncodeEan13(benchmark::State& state) {
  TBarcode barcode;
  barcode.SetTyp(bcCodeEAN13);
  std::string pattern;
  for (auto _ : state) {
    barcode.SetText("6901234567892");
    benchmark::DoNotOptimize(barcode.Encode(pattern));
    benchmark::DoNotOptimize(pattern.data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EncodeEan13);

void BM_EncodeCode128B20(benchmark::State& state) {
  TBarcode barcode;
  barcode.SetTyp(bcCode128B);
  barcode.SetText("TAGPRESS-2026/12-001");  // 20 characters
  std::string pattern;
  for (auto _ : state) {
    benchmark::DoNotOptimize(barcode.Encode(pattern));
    benchmark::DoNotOptimize(pattern.data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EncodeCode128B20);

void BM_DrawEan13IntoImage(benchmark::State& state) {
  static int argc = 1;
  static char name[] = "barcode_bench";
  static char* argv[] = {name, nullptr};
  static QGuiApplication application(argc, argv);
  QImage image(400, 200, QImage::Format_RGB32);
  image.fill(Qt::white);
  QtSurface surface(image);
  TBarcode barcode;
  barcode.SetTyp(bcCodeEAN13);
  barcode.SetModul(3);
  barcode.SetHeight(150);
  barcode.SetLeft(20);
  barcode.SetTop(20);
  for (auto _ : state) {
    barcode.SetText("6901234567892");
    benchmark::DoNotOptimize(barcode.Draw(surface));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DrawEan13IntoImage);

}  // namespace
}  // namespace tagpress
