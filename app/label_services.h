#pragma once
// The label renderer and the expression context as the main window uses
// them. The program takes the real ones (DefaultLabelServices); tests may
// hand in their own.

#include <functional>
#include <memory>

#include "barcode/barcode.h"
#include "platform/surface.h"
#include "print/label_text_expander.h"
#include "render/draw_rec.h"
#include "template/barcode_file.h"

namespace tagpress {

using DrawLabelFunction =
    std::function<void(TBarcode&, const TBarcodeFile&, Surface&, const TtgpDrawRec&, bool show_origin)>;

struct LabelServices {
  DrawLabelFunction DrawLabel;
  std::unique_ptr<LabelTextExpander> Expander;
};

LabelServices DefaultLabelServices();

}  // namespace tagpress
