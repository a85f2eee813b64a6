#include "render/dots.h"

#include "platform/rounding.h"

namespace tagpress {

int DotsFromMm(int dpi, double mm) { return RoundToDots(dpi / 25.4 * mm); }

}  // namespace tagpress
