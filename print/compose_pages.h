#pragma once
// The page composer: lays the label records out in rows and columns on the
// pages of a page sink, with centre crosses, cut marks, headers and footers.

#include <functional>
#include <string>

#include "data/record_list.h"
#include "platform/clock.h"
#include "platform/errors.h"
#include "print/label_text_expander.h"
#include "print/page_sink.h"
#include "render/draw_rec.h"
#include "template/barcode_file.h"

namespace tagpress {

// No label cell fits the page, or a label size converts to no dots at all.
class ENoLabelFits : public ETagpressError {
 public:
  ENoLabelFits();
};

// The values of the third work page that decide where printing starts.
struct ComposeStart {
  int PageNo = 1;  // the number printed for the first page; below 1 counts as 1
  int Row = 1;     // start cell on the first page; out of range counts as 1
  int Col = 1;
};

struct ComposeJob {
  const TBarcodeFile* Template = nullptr;
  const TLabelRecordList* Records = nullptr;
  PageSink* Sink = nullptr;
  LabelTextExpander* Expander = nullptr;
  // Draws one label (the label renderer with the caller's barcode object).
  std::function<void(Surface&, const TtgpDrawRec&)> DrawLabel;
  // Progress text; an empty text when the run ends.
  std::function<void(const std::string&)> SetStatusText;
  // Header and footer dates and times.
  std::function<LocalDateTime()> Clock = Now;
  std::string Title;  // the document title
};

struct ComposeResult {
  int CurrentPageNo = 0;  // one past the number of the last page
  int TotalPages = 0;
  int Rows = 0;
  int Cols = 0;
  int PageCount = 0;  // pages in the sink
};

// The label grid of a page: rows and columns (automatic when the template
// says 0), before any start-cell correction.
struct LabelGrid {
  int Rows = 0;
  int Cols = 0;
};
LabelGrid ComputeLabelGrid(const TBarcodeFile& tpl, int dpi_x, int dpi_y, int page_width, int page_height);

// Composes all pages. The document is begun only when the grid can be
// formed; ENoLabelFits is thrown before that otherwise. An error while
// drawing ends the document with the pages drawn so far and propagates.
ComposeResult ComposePages(const ComposeJob& job, const ComposeStart& start);

}  // namespace tagpress
