#pragma once
// The largest images an export makes. A label of 5000 mm at 600 dpi would
// need a bitmap of 118110 × 118110 pixels; runs beyond these limits are
// refused before anything is drawn.

namespace tagpress {

constexpr int kMaxExportDpi = 100000;
constexpr int kMaxExportImageSide = 32767;             // the painter's coordinate range
constexpr long long kMaxExportImagePixels = 64000000;  // 256 MB at 32 bits per pixel

}  // namespace tagpress
