#include "render/surface_font.h"

namespace tagpress {

SurfaceFont SurfaceFontOf(const TFont& font) {
  SurfaceFont surface_font;
  surface_font.Name = font.Name;
  surface_font.Size = font.Size();
  surface_font.Bold = font.Bold;
  surface_font.Italic = font.Italic;
  surface_font.Underline = font.Underline;
  surface_font.StrikeOut = font.StrikeOut;
  // System colours (negative values) stand for the window text colour.
  surface_font.Color = font.Color < 0 ? kColorBlack : font.Color;
  return surface_font;
}

}  // namespace tagpress
