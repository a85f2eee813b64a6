// Label rendering into the export's reused bitmap, and the whole command-line
// export of 1,000 records into a folder in memory.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/export_command.h"
#include "platform/text_codec.h"
#include "print/label_text_context.h"
#include "render/label_renderer.h"
#include "render/qt/qt_label_bitmap.h"

namespace tagpress {
namespace {

void EnsureApplication() {
  static int argc = 1;
  static char name[] = "render_bench";
  static char* argv[] = {name, nullptr};
  if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QGuiApplication application(argc, argv);
}

TBarcodeFile Ean13Label() {
  TBarcodeFile tpl;
  tpl.SetBarType(bcCodeEAN13);
  tpl.SetLabelWidth(40);
  tpl.SetLabelHeight(30);
  return tpl;
}

// One label: white fill, then the renderer, at 300 dpi into one QImage.
void BM_RenderEan13Label(benchmark::State& state) {
  EnsureApplication();
  const TBarcodeFile tpl = Ean13Label();
  LabelTextContext texts;
  texts.SetBarcodeDigits("690123456789");
  TtgpDrawRec rec;
  rec.Left = rec.Top = 1;
  rec.DpiX = rec.DpiY = 300;
  rec.Digits = "690123456789";
  rec.UpText = texts.ExpandExpressions(GBK("品名：[条码数字]"));
  rec.DownText = texts.ExpandExpressions(GBK("\"批号 [1+1]\""));
  std::unique_ptr<QtLabelBitmap> bitmap = QtLabelBitmap::Create(472, 354, 300, 300);
  TBarcode barcode;
  for (auto _ : state) {
    Surface& surface = bitmap->Canvas();
    surface.SetBrushColor(kColorWhite);
    surface.FillRect({0, 0, 472, 354});
    DrawLabel(barcode, tpl, surface, rec, false);
    benchmark::DoNotOptimize(bitmap->Image().constBits());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RenderEan13Label)->Unit(benchmark::kMicrosecond);

// tagpress --export=/dev/shm/... data.csv label.bcf with 1,000 records: the
// data file read, texts expanded, labels drawn, BMP files written.
void BM_ExportThousandRecordsToMemory(benchmark::State& state) {
  EnsureApplication();
  const std::filesystem::path root =
      std::filesystem::path("/dev/shm") / ("tagpress-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(root);
  ::setenv("TAGPRESS_HOME", root.c_str(), 1);
  const std::string data = (root / "data.csv").string();
  {
    std::ofstream out(data, std::ios::binary);
    for (int k = 0; k < 1000; ++k) {
      char digits[16];
      std::snprintf(digits, sizeof digits, "690123%06d", k);
      out << digits << "," << GbkToUtf8(GBK("品名：[条码数字]")) << "," << GbkToUtf8(GBK("\"批号 [1+1]\""))
          << "\r\n";
    }
  }
  const std::string tpl = (root / "label.bcf").string();
  Ean13Label().SaveToFile(tpl);
  const std::string folder = "--export=" + (root / "images").string();
  const char* argv[] = {folder.c_str(), data.c_str(), tpl.c_str()};
  const CommandLine line = ReadCommandLine(3, argv);
  std::FILE* sink = std::fopen("/dev/null", "w");
  for (auto _ : state) {
    if (RunExportCommand(line, sink, stderr) != 0) state.SkipWithError("export failed");
  }
  std::fclose(sink);
  std::filesystem::remove_all(root);
  state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_ExportThousandRecordsToMemory)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tagpress
