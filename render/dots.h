#pragma once

namespace tagpress {

// Millimetres to dots at `dpi` dots per inch: dpi ÷ 25.4 × mm, rounded to the
// nearest integer with halves to even. Sums and differences of lengths are
// formed in millimetres and converted once.
int DotsFromMm(int dpi, double mm);

}  // namespace tagpress
