#include "app/label_services.h"

namespace tagpress {

namespace {

// Stands in for the expression context until the script executor is wired:
// texts are shown as written.
class PlainTextExpander : public LabelTextExpander {
 public:
  void SetBarcodeDigits(const std::string&) override {}
  std::string ExpandExpressions(const std::string& text) override { return text; }
};

// Stands in for the label renderer until it is wired: the label's frame.
void DrawLabelFrame(TBarcode&, const TBarcodeFile& tpl, Surface& surface, const TtgpDrawRec& rec, bool) {
  surface.SetPenWidth(1);
  surface.SetPenColor(kColorGray);
  surface.SetPenStyle(PenStyle::Dot);
  const int right = rec.Left + static_cast<int>(tpl.LabelWidth() * rec.DpiX / 25.4);
  const int bottom = rec.Top + static_cast<int>(tpl.LabelHeight() * rec.DpiY / 25.4);
  surface.MoveTo(rec.Left, rec.Top);
  surface.LineTo(right, rec.Top);
  surface.LineTo(right, bottom);
  surface.LineTo(rec.Left, bottom);
  surface.LineTo(rec.Left, rec.Top);
}

}  // namespace

LabelServices DefaultLabelServices() {
  LabelServices services;
  services.DrawLabel = DrawLabelFrame;
  services.Expander = std::make_unique<PlainTextExpander>();
  return services;
}

}  // namespace tagpress
