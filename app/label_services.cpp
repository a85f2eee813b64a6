#include "app/label_services.h"

#include "print/label_text_context.h"
#include "render/label_renderer.h"

namespace tagpress {

LabelServices DefaultLabelServices() {
  LabelServices services;
  services.DrawLabel = [](TBarcode& barcode, const TBarcodeFile& tpl, Surface& surface,
                          const TtgpDrawRec& rec,
                          bool show_origin) { DrawLabel(barcode, tpl, surface, rec, show_origin); };
  services.Expander = std::make_unique<LabelTextContext>();
  return services;
}

}  // namespace tagpress
