#include "render/font_spec.h"

namespace tagpress {

FontSpec FontSpecOf(const TFont& font) {
  FontSpec spec;
  spec.Name = font.Name;
  spec.Size = font.Size();
  spec.Bold = font.Bold;
  spec.Italic = font.Italic;
  spec.Underline = font.Underline;
  spec.StrikeOut = font.StrikeOut;
  // System colours (negative values) stand for the window text colour.
  spec.Color = font.Color < 0 ? kColorBlack : font.Color;
  return spec;
}

}  // namespace tagpress
