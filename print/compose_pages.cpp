#include "print/compose_pages.h"

#include <cstdio>

#include "platform/text_codec.h"
#include "print/page_macros.h"
#include "render/dots.h"

namespace tagpress {

ENoLabelFits::ENoLabelFits() : ETagpressError(GBK("标签尺寸超出页面的可打印区域，页面上放不下任何标签。")) {}

namespace {

// Lengths of the grid in dots.
struct GridMetrics {
  int DpiX;
  int L, T, W, H, CG, RG, Tick, PenW;
  int Rows, Cols;
  int GridW() const { return (W + CG) * Cols - CG; }
  int GridH() const { return (H + RG) * Rows - RG; }
};

std::string ProgressText(int label, int page, int total) {
  static const std::string& pattern = GBK("正在输出第 %d 个标签到第 %d 页，共 %d 页...");
  char buffer[256];
  std::snprintf(buffer, sizeof buffer, pattern.c_str(), label, page, total);
  return buffer;
}

void SetCutPen(Surface& canvas, const GridMetrics& m, TColor color) {
  canvas.SetPenWidth(m.PenW);
  canvas.SetPenMode(PenMode::Copy);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetPenColor(color);
}

void Line(Surface& canvas, int x1, int y1, int x2, int y2) {
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

void DrawCutMarks(Surface& canvas, const GridMetrics& m) {
  for (int i = 0; i <= m.Rows; ++i) {
    int y = i * (m.H + m.RG) + m.T;
    if (i > 0) y -= m.RG / 2;
    if (i == m.Rows) y -= m.RG / 2;
    Line(canvas, m.L - m.Tick, y, m.L, y);
    Line(canvas, m.L + m.GridW(), y, m.L + m.GridW() + m.Tick, y);
  }
  for (int j = 0; j <= m.Cols; ++j) {
    int x = j * (m.W + m.CG) + m.L;
    if (j > 0) x -= m.CG / 2;
    if (j == m.Cols) x -= m.CG / 2;
    Line(canvas, x, m.T - m.Tick, x, m.T);
    Line(canvas, x, m.T + m.GridH(), x, m.T + m.GridH() + m.Tick);
  }
}

void DrawHeadersAndFooters(Surface& canvas, const GridMetrics& m, const TBarcodeFile& tpl, int page_no,
                           int total_pages, const LocalDateTime& now, int page_width, int page_height) {
  canvas.SetBrushStyle(BrushStyle::Solid);
  canvas.SetBrushColor(kColorWhite);
  canvas.SetFontResolution(m.DpiX);
  SurfaceFont font;
  font.Name = GBK("宋体");
  font.Size = 9;
  font.Color = kColorBlack;
  canvas.SetFont(font);
  enum Column { Left, Center, Right };
  struct Text {
    std::string text;
    Column column;
    bool header;
  };
  Text texts[] = {{tpl.PageLeftHeader(), Left, true},   {tpl.PageCenterHeader(), Center, true},
                  {tpl.PageRightHeader(), Right, true}, {tpl.PageLeftFooter(), Left, false},
                  {tpl.PageCenterFooter(), Center, false}, {tpl.PageRightFooter(), Right, false}};
  for (Text& t : texts) {
    ExpandPageMacros(t.text, page_no, total_pages, now);
    if (t.text.empty()) continue;
    const int tw = canvas.TextWidth(t.text);
    const int th = canvas.TextHeight(t.text);
    int x = m.L;
    if (t.column == Center) x = m.L + (page_width - tw) / 2;
    if (t.column == Right) x = m.L + page_width - tw - m.CG;
    const int y = t.header ? m.T - th : page_height - th;
    canvas.TextOut(x, y, t.text);
  }
}

}  // namespace

LabelGrid ComputeLabelGrid(const TBarcodeFile& tpl, int dpi_x, int dpi_y, int page_width, int page_height) {
  LabelGrid grid{tpl.Rows(), tpl.Cols()};
  if (grid.Cols == 0) {
    const int divisor = DotsFromMm(dpi_x, tpl.LabelWidth() + tpl.PageColGap());
    if (divisor == 0) throw ENoLabelFits();
    grid.Cols = (page_width + DotsFromMm(dpi_x, tpl.PageColGap() - tpl.PageLeftGap())) / divisor;
  }
  if (grid.Rows == 0) {
    const int divisor = DotsFromMm(dpi_y, tpl.LabelHeight() + tpl.PageRowGap());
    if (divisor == 0) throw ENoLabelFits();
    grid.Rows = (page_height + DotsFromMm(dpi_y, tpl.PageRowGap() - tpl.PageTopGap())) / divisor;
  }
  // A negative count (a label larger than the page with a large gap) fits nothing either.
  if (grid.Rows < 0) grid.Rows = 0;
  if (grid.Cols < 0) grid.Cols = 0;
  return grid;
}

ComposeResult ComposePages(const ComposeJob& job, const ComposeStart& start) {
  const TBarcodeFile& tpl = *job.Template;
  PageSink& sink = *job.Sink;
  const auto status = [&](const std::string& text) {
    if (job.SetStatusText) job.SetStatusText(text);
  };
  status(GBK("准备预览条码标签..."));

  ComposeResult result;
  result.CurrentPageNo = start.PageNo < 1 ? 1 : start.PageNo;
  int start_row = start.Row;
  int start_col = start.Col;
  const int dpi_x = sink.DpiX();
  const int dpi_y = sink.DpiY();
  const int page_width = sink.PageWidth();
  const int page_height = sink.PageHeight();

  LabelGrid grid;
  try {
    grid = ComputeLabelGrid(tpl, dpi_x, dpi_y, page_width, page_height);
  } catch (...) {
    status("");
    throw;
  }
  result.Rows = grid.Rows;
  result.Cols = grid.Cols;
  if (start_row < 1 || start_row > grid.Rows) start_row = 1;
  if (start_col < 1 || start_col > grid.Cols) start_col = 1;

  const int record_count = job.Records->RecordCount();
  const int cells_per_page = grid.Rows * grid.Cols;
  TtgpDrawRec rec;
  if (record_count == 0) {
    result.TotalPages = 1;
    rec.Digits = tpl.BarTextStart();
    rec.UpText = job.Expander->ExpandExpressions(tpl.UpText());
    rec.DownText = job.Expander->ExpandExpressions(tpl.DownText());
  } else {
    if (cells_per_page == 0) {
      status("");
      throw ENoLabelFits();
    }
    // Counted in 64 bits: a start cell far down a huge grid must not wrap.
    const long long n = record_count + static_cast<long long>(start_row - 1) * grid.Cols + (start_col - 1);
    result.TotalPages = static_cast<int>(n / cells_per_page + (n % cells_per_page > 0 ? 1 : 0));
  }
  rec.DpiX = dpi_x;
  rec.DpiY = dpi_y;

  const GridMetrics m{dpi_x,
                      DotsFromMm(dpi_x, tpl.PageLeftGap()), DotsFromMm(dpi_y, tpl.PageTopGap()),
                      DotsFromMm(dpi_x, tpl.LabelWidth()),  DotsFromMm(dpi_y, tpl.LabelHeight()),
                      DotsFromMm(dpi_x, tpl.PageColGap()),  DotsFromMm(dpi_y, tpl.PageRowGap()),
                      DotsFromMm(dpi_x, 4),                 DotsFromMm(dpi_x, tpl.CutLineSize()),
                      grid.Rows,                            grid.Cols};
  const bool internal_cut_lines = tpl.PrintInternalCutLine();
  const bool cut_lines = tpl.PrintCutLine();
  const bool header_footer = tpl.PrintHeaderFooter();
  const TColor cut_color = tpl.CutLineColor();

  sink.SetTitle(job.Title);
  sink.BeginDocument();
  try {
    TLabelRecord record;
    int k = 1;
    for (int p = 1; p <= result.TotalPages; ++p) {
      Surface& canvas = sink.Canvas();
      bool records_left = true;
      for (int r = start_row; r <= grid.Rows && records_left; ++r) {
        for (int c = start_col; c <= grid.Cols; ++c) {
          status(ProgressText(k, result.CurrentPageNo, result.TotalPages));
          rec.Left = (c - 1) * (m.CG + m.W) + m.L;
          rec.Top = (r - 1) * (m.RG + m.H) + m.T;
          if (record_count > 0) {
            if (k > record_count) {
              records_left = false;
              break;
            }
            job.Records->GetRecord(k, record);
            rec.Digits = record.Digits;
            job.Expander->SetBarcodeDigits(record.Digits);
            rec.UpText = job.Expander->ExpandExpressions(record.UpText);
            rec.DownText = job.Expander->ExpandExpressions(record.DownText);
          }
          job.DrawLabel(canvas, rec);
          ++k;
          SetCutPen(canvas, m, cut_color);
          if (r < grid.Rows && c < grid.Cols && internal_cut_lines) {
            const int x = rec.Left + m.W + m.CG / 2;
            const int y = rec.Top + m.H + m.RG / 2;
            Line(canvas, x, y - m.Tick / 2, x, y + m.Tick / 2);
            Line(canvas, x - m.Tick / 2, y, x + m.Tick / 2, y);
          }
        }
        start_col = 1;
      }
      start_row = 1;
      start_col = 1;
      if (cut_lines) {
        SetCutPen(canvas, m, cut_color);
        DrawCutMarks(canvas, m);
      }
      if (header_footer) {
        DrawHeadersAndFooters(canvas, m, tpl, result.CurrentPageNo, result.TotalPages, job.Clock(), page_width,
                              page_height);
      }
      ++result.CurrentPageNo;
      if (p < result.TotalPages) sink.NewPage();
    }
  } catch (...) {
    sink.EndDocument();
    status("");
    throw;
  }
  sink.EndDocument();
  status("");
  result.PageCount = sink.PageCount();
  return result;
}

}  // namespace tagpress
