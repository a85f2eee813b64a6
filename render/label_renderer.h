#pragma once
// The label renderer: one label of the template, drawn at a given origin and
// resolution. The design preview, every cell of a printed page and every
// exported image use it, so all three show one geometry.

#include <string>

#include "barcode/barcode.h"
#include "platform/surface.h"
#include "render/draw_rec.h"
#include "template/barcode_file.h"

namespace tagpress {

// The digits as shown and encoded. Blanks and control characters around the
// digits are dropped first. Code 39 gets its check character; EAN-8, EAN-13,
// UPC-A and UPC-E take the first 7, 12, 11 or 6 characters (completed with
// zeros on the right) and their check digit (for UPC-E the one of its UPC-A
// expansion). Other symbologies keep the digits.
std::string PrepareDigits(int type, const std::string& digits);

// Draws one label of `tpl` onto `surface`; failures are drawn onto the label.
// Configures and draws `barcode`; leaves the surface's pen, brush, font and
// extra spacing changed.
void DrawLabel(TBarcode& barcode, const TBarcodeFile& tpl, Surface& surface, const TtgpDrawRec& rec,
               bool show_origin);

}  // namespace tagpress
