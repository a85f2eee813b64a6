#pragma once

#include "platform/surface.h"
#include "template/font.h"

namespace tagpress {

// The surface font of a template font object: face, point size, style, colour.
SurfaceFont SurfaceFontOf(const TFont& font);

}  // namespace tagpress
