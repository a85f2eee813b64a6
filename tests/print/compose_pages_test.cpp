#include "print/compose_pages.h"

#include <gtest/gtest.h>

#include "platform/text_codec.h"
#include "tests/print/recording_page_sink.h"

namespace tagpress {
namespace {

using testing::RecordingPageSink;

// Replaces "[条码数字]" with the digits, as the script context would.
class FakeExpander : public LabelTextExpander {
 public:
  void SetBarcodeDigits(const std::string& digits) override { digits_ = digits; }
  std::string ExpandExpressions(const std::string& text) override {
    std::string result = text;
    const std::string& name = GBK("[条码数字]");
    if (size_t at = result.find(name); at != std::string::npos) result.replace(at, name.size(), digits_);
    return result;
  }

 private:
  std::string digits_;
};

struct Placed {
  int page;
  TtgpDrawRec rec;
};

// 254 dpi: one millimetre is ten dots.
class ComposePagesTest : public ::testing::Test {
 protected:
  ComposePagesTest() : sink_(254, 254, 2100, 2970) {
    tpl_.SetPrintHeaderFooter(false);
    tpl_.SetPrintCutLine(false);
  }

  void AddRecords(int count) {
    TextLines lines;
    for (int i = 1; i <= count; ++i) lines.push_back(std::to_string(i) + "," + GBK("[条码数字]") + ",x");
    records_.LinesToRecords(lines);
  }

  ComposeResult Compose(ComposeStart start = {}) {
    ComposeJob job;
    job.Template = &tpl_;
    job.Records = &records_;
    job.Sink = &sink_;
    job.Expander = &expander_;
    job.Title = "Lumo v1.6";
    job.Clock = [] { return LocalDateTime{2026, 12, 11, 8, 30, 0, 0}; };
    job.DrawLabel = [this](Surface&, const TtgpDrawRec& rec) {
      if (fail_at_ > 0 && static_cast<int>(placed_.size()) + 1 == fail_at_) throw std::runtime_error("boom");
      placed_.push_back({sink_.PageCount(), rec});
    };
    job.SetStatusText = [this](const std::string& text) { status_.push_back(text); };
    return ComposePages(job, start);
  }

  // (row, column) of a label from its position.
  std::pair<int, int> CellOf(const TtgpDrawRec& rec) const {
    const int W = 400, H = 300, CG = 50, RG = 50, L = 40, T = 40;
    return {(rec.Top - T) / (H + RG) + 1, (rec.Left - L) / (W + CG) + 1};
  }

  TBarcodeFile tpl_;
  TLabelRecordList records_;
  RecordingPageSink sink_;
  FakeExpander expander_;
  std::vector<Placed> placed_;
  std::vector<std::string> status_;
  int fail_at_ = 0;
};

TEST_F(ComposePagesTest, SampleLabelFillsTheCellsFromTheStartCell) {
  tpl_.SetRows(3);
  tpl_.SetCols(4);
  tpl_.SetUpText(GBK("[条码数字]"));
  expander_.SetBarcodeDigits("111");
  ComposeResult result = Compose({1, 2, 3});
  EXPECT_EQ(result.TotalPages, 1);
  ASSERT_EQ(placed_.size(), 6u);
  const std::pair<int, int> cells[] = {{2, 3}, {2, 4}, {3, 1}, {3, 2}, {3, 3}, {3, 4}};
  for (size_t i = 0; i < placed_.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(CellOf(placed_[i].rec), cells[i]);
    EXPECT_EQ(placed_[i].rec.Digits, "12345678");
    EXPECT_EQ(placed_[i].rec.UpText, "111");  // expanded once, with the digits set last
    EXPECT_EQ(placed_[i].rec.DpiX, 254);
  }
  EXPECT_EQ(sink_.Title(), "Lumo v1.6");
  EXPECT_FALSE(sink_.Open());
}

TEST_F(ComposePagesTest, RecordsFlowOverPagesFromTheStartCellOfTheFirstPage) {
  struct Case {
    int records, start_row, start_col;
    int pages;
    std::vector<std::tuple<int, int, int, int>> labels;  // record, page, row, column
  };
  const Case cases[] = {
      {10, 1, 1, 2, {{1, 1, 1, 1}, {6, 1, 2, 3}, {7, 2, 1, 1}, {10, 2, 2, 1}}},
      {6, 2, 2, 2, {{1, 1, 2, 2}, {2, 1, 2, 3}, {3, 2, 1, 1}, {6, 2, 2, 1}}},
      {6, 0, 9, 1, {{1, 1, 1, 1}, {6, 1, 2, 3}}},  // out-of-range start cell counts as (1, 1)
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    const Case& c = cases[i];
    records_.ClearRecords();
    records_.TrimBlankRows();
    AddRecords(c.records);
    placed_.clear();
    tpl_.SetRows(2);
    tpl_.SetCols(3);
    ComposeResult result = Compose({1, c.start_row, c.start_col});
    EXPECT_EQ(result.TotalPages, c.pages);
    EXPECT_EQ(sink_.PageCount(), c.pages);
    ASSERT_EQ(placed_.size(), static_cast<size_t>(c.records));
    for (const auto& [record, page, row, column] : c.labels) {
      const Placed& p = placed_[record - 1];
      EXPECT_EQ(p.rec.Digits, std::to_string(record));
      EXPECT_EQ(p.rec.UpText, std::to_string(record));
      EXPECT_EQ(p.page, page);
      EXPECT_EQ(CellOf(p.rec), std::make_pair(row, column));
    }
  }
}

TEST(ComputeLabelGrid, AutomaticRowsAndColumns) {
  TBarcodeFile tpl;  // 40 x 30 mm labels, gaps 5, offsets 4
  LabelGrid grid = ComputeLabelGrid(tpl, 600, 600, 4800, 6800);
  EXPECT_EQ(grid.Cols, 4);  // (4800 + 24) div 1063
  EXPECT_EQ(grid.Rows, 8);  // (6800 + 24) div 827
  tpl.SetCols(2);
  EXPECT_EQ(ComputeLabelGrid(tpl, 600, 600, 4800, 6800).Cols, 2);
}

TEST_F(ComposePagesTest, PageNumbersAndProgressStartAtTheStartPage) {
  tpl_.SetRows(1);
  tpl_.SetCols(1);
  tpl_.SetPrintHeaderFooter(true);
  tpl_.SetPageLeftHeader(GBK("[日期]"));
  AddRecords(3);
  ComposeResult result = Compose({5, 1, 1});
  EXPECT_EQ(result.TotalPages, 3);
  EXPECT_EQ(result.CurrentPageNo, 8);
  EXPECT_EQ(status_[0], GBK("准备预览条码标签..."));
  EXPECT_EQ(status_[1], GBK("正在输出第 1 个标签到第 5 页，共 3 页..."));
  EXPECT_EQ(status_.back(), "");
  for (int page = 0; page < 3; ++page) {
    SCOPED_TRACE(page);
    std::vector<std::string> texts;
    for (const SurfaceCall& call : sink_.Page(page).CallsOf(SurfaceCallKind::TextOut)) texts.push_back(call.Text);
    EXPECT_EQ(texts, (std::vector<std::string>{"2026-12-11", GBK("打印 2026-12-11"),
                                               GBK("第 ") + std::to_string(5 + page) + GBK(" 页，共 3 页")}));
  }
}

TEST_F(ComposePagesTest, HeadersAndFootersSitAroundTheGrid) {
  tpl_.SetRows(1);
  tpl_.SetCols(1);
  tpl_.SetPrintHeaderFooter(true);
  tpl_.SetPageCenterFooter("");
  tpl_.SetPageRightFooter("");
  tpl_.SetPageLeftHeader("L");
  tpl_.SetPageCenterHeader("C");
  tpl_.SetPageRightHeader("R");
  tpl_.SetPageLeftFooter("F");
  Compose();
  const auto calls = sink_.Page(0).CallsOf(SurfaceCallKind::TextOut);
  ASSERT_EQ(calls.size(), 4u);
  // 9 points at 254 dpi: 32 dots high, 16 wide per character on the recording surface.
  const int th = 32, tw = 16, L = 40, T = 40, CG = 50;
  EXPECT_EQ(calls[0].Points[0], (Point{L, T - th}));
  EXPECT_EQ(calls[1].Points[0], (Point{L + (2100 - tw) / 2, T - th}));
  EXPECT_EQ(calls[2].Points[0], (Point{L + 2100 - tw - CG, T - th}));
  EXPECT_EQ(calls[3].Points[0], (Point{L, 2970 - th}));
  EXPECT_EQ(calls[0].State.Font.Name, GBK("宋体"));
  EXPECT_EQ(calls[0].State.Brush.Color, kColorWhite);
}

// The horizontal strokes of the cut marks in the left margin, top to bottom.
std::vector<int> LeftMarkRows(RecordingSurface& page, int L, int tick) {
  std::vector<int> rows;
  for (const SurfaceCall& call : page.CallsOf(SurfaceCallKind::LineTo))
    if (call.Points[0].X == L - tick && call.Points[1].X == L) rows.push_back(call.Points[0].Y);
  return rows;
}

TEST_F(ComposePagesTest, CutMarksLieOnTheGridEdgesAndInTheGaps) {
  struct Case {
    double row_gap_mm;
    std::vector<int> rows;
  };
  // T = 40, H = 300; two rows.
  const Case cases[] = {
      {5, {40, 40 + 350 - 25, 40 + 700 - 50}},  // even gap: bottom edge of the grid
      {0.5, {40, 40 + 305 - 2, 40 + 610 - 4}},  // odd gap of 5 dots: one dot below it
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    tpl_.SetRows(2);
    tpl_.SetCols(2);
    tpl_.SetPageRowGap(cases[i].row_gap_mm);
    tpl_.SetPrintCutLine(true);
    tpl_.SetCutLineColor(255);
    AddRecords(1);  // records run out at once: the marks are drawn all the same
    Compose();
    EXPECT_EQ(LeftMarkRows(sink_.Page(0), 40, 40), cases[i].rows);
    const auto lines = sink_.Page(0).CallsOf(SurfaceCallKind::LineTo);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].State.Pen.Color, 255);
  }
}

TEST_F(ComposePagesTest, CentreCrossesOnlyBetweenFourLabels) {
  struct Case {
    int rows, cols;
    size_t crosses;
  };
  const Case cases[] = {{2, 3, 2}, {1, 4, 0}, {3, 1, 0}};
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    tpl_.SetRows(cases[i].rows);
    tpl_.SetCols(cases[i].cols);
    tpl_.SetPrintInternalCutLine(true);
    Compose();
    EXPECT_EQ(sink_.Page(0).CallsOf(SurfaceCallKind::LineTo).size(), cases[i].crosses * 2);
  }
  tpl_.SetRows(2);
  tpl_.SetCols(2);
  Compose();
  const auto lines = sink_.Page(0).CallsOf(SurfaceCallKind::LineTo);
  ASSERT_EQ(lines.size(), 2u);
  // Centre of the gap after cell (1, 1): x = 40 + 400 + 25, y = 40 + 300 + 25; tick 40.
  EXPECT_EQ(lines[0].Points[0], (Point{465, 365 - 20}));
  EXPECT_EQ(lines[0].Points[1], (Point{465, 365 + 20}));
  EXPECT_EQ(lines[1].Points[0], (Point{465 - 20, 365}));
}

TEST_F(ComposePagesTest, NoCellForRecordsStopsBeforeAnyPage) {
  tpl_.SetLabelWidth(500);  // wider than the page
  AddRecords(2);
  EXPECT_THROW(Compose(), ENoLabelFits);
  EXPECT_EQ(sink_.PageCount(), 0);
  EXPECT_TRUE(placed_.empty());
  tpl_.SetLabelWidth(0);
  tpl_.SetPageColGap(0);  // the divisor converts to no dots
  EXPECT_THROW(Compose(), ENoLabelFits);
  EXPECT_EQ(status_.back(), "");
}

TEST_F(ComposePagesTest, NoCellWithoutRecordsGivesOneEmptyPage) {
  tpl_.SetLabelWidth(500);
  tpl_.SetPrintHeaderFooter(true);
  ComposeResult result = Compose();
  EXPECT_EQ(result.TotalPages, 1);
  EXPECT_EQ(sink_.PageCount(), 1);
  EXPECT_TRUE(placed_.empty());
  EXPECT_FALSE(sink_.Page(0).CallsOf(SurfaceCallKind::TextOut).empty());
}

TEST_F(ComposePagesTest, AnErrorWhileDrawingClosesTheDocument) {
  tpl_.SetRows(1);
  tpl_.SetCols(1);
  AddRecords(5);
  fail_at_ = 3;
  EXPECT_THROW(Compose(), std::runtime_error);
  EXPECT_FALSE(sink_.Open());
  EXPECT_EQ(sink_.PageCount(), 3);
  EXPECT_EQ(status_.back(), "");
}

}  // namespace
}  // namespace tagpress
