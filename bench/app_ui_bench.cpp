// The main window: how soon it is ready after start, and how fast the
// single-label preview repaints after a design change.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <memory>

#include "app/design_page.h"
#include "app/main_window.h"
#include "app/mm_edit.h"
#include "template/barcode_file.h"

namespace {

QApplication& Application() {
  if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static int argc = 1;
  static char name[] = "app_ui_bench";
  static char* argv[] = {name, nullptr};
  static QApplication application(argc, argv);
  return application;
}

std::string ExampleTemplate() {
  return std::string(TAGPRESS_SOURCE_DIR) + "/examples/template.bcf";
}

// A working folder whose Default.bct is the example template, with `blocks` barcodes per label.
struct WorkingFolder {
  explicit WorkingFolder(int blocks) {
    tagpress::TBarcodeFile store;
    store.LoadFromFile(ExampleTemplate());
    store.SetBarNumInOne(blocks);
    store.SetLabelHeight(30.0 * blocks);
    store.SaveToFile(Path());
  }
  std::string Path() const { return dir.filePath(QStringLiteral("Default.bct")).toStdString(); }
  tagpress::MainWindowOptions Options() const {
    tagpress::MainWindowOptions options;
    options.AppDir = dir.path().toStdString();
    options.WorkingTemplatePath = Path();
    return options;
  }
  QTemporaryDir dir;
};

// From creation to a painted, maximised window (FormCreate, controls filled,
// first paint of every visible control and of the label preview).
void BM_MainWindowReady(benchmark::State& state) {
  Application();
  WorkingFolder folder(1);
  for (auto _ : state) {
    auto window = std::make_unique<tagpress::Tfrm_Main>(folder.Options());
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) state.SkipWithError("window not exposed");
    window->repaint();
    state.PauseTiming();
    window.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_MainWindowReady)->Unit(benchmark::kMillisecond)->UseRealTime();

// A change in a design control, then the repaint of the single-label preview.
void BM_SingleLabelRepaintAfterChange(benchmark::State& state) {
  Application();
  WorkingFolder folder(static_cast<int>(state.range(0)));
  tagpress::Tfrm_Main window(folder.Options());
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) state.SkipWithError("window not exposed");
  auto* height = window.findChild<tagpress::MmEdit*>(QStringLiteral("edtBarHeight"));
  QWidget& preview = window.Design().Preview();
  double value = 10;
  for (auto _ : state) {
    value = value == 10 ? 11 : 10;
    height->setValue(value);
    preview.repaint();
  }
}
BENCHMARK(BM_SingleLabelRepaintAfterChange)->Arg(1)->Arg(9)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
