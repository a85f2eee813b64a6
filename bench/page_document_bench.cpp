// Composing labels into the preview document: time per label and the memory
// the recorded pages take.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>

#include "barcode/barcode.h"
#include "data/record_list.h"
#include "platform/qt/page_document.h"
#include "platform/text_codec.h"
#include "print/compose_pages.h"
#include "print/label_text_context.h"
#include "render/label_renderer.h"

namespace {

using namespace tagpress;

void ComposeIntoPreviewDocument(benchmark::State& state) {
  static int argc = 1;
  static char name[] = "bench";
  static char* argv[] = {name, nullptr};
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static QGuiApplication app(argc, argv);

  TBarcodeFile tpl;
  tpl.SetBarType(bcCodeEAN13);
  tpl.SetBarAlignment(2);
  tpl.SetBarHeight(12);
  TLabelRecordList records;
  records.TrimBlankRows();
  for (int i = 0; i < state.range(0); ++i)
    records.AppendRecord("6900000" + std::to_string(10000 + i), GBK("鲜果店"), GBK("红富士苹果500g"));
  records.EndRecordUpdate();
  LabelTextContext texts;
  TBarcode barcode;
  PageDocument document;
  document.SetPageGeometry(1200, 1200, 9921, 14031);  // A4 at 1200 dpi
  ComposeJob job;
  job.Template = &tpl;
  job.Records = &records;
  job.Sink = &document;
  job.Expander = &texts;
  job.DrawLabel = [&](Surface& surface, const TtgpDrawRec& rec) { DrawLabel(barcode, tpl, surface, rec, false); };
  for (auto _ : state) ComposePages(job, {});
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.counters["pages"] = document.PageCount();
  state.counters["KiB_per_page"] = document.RecordedBytes() / 1024.0 / document.PageCount();
}
BENCHMARK(ComposeIntoPreviewDocument)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
