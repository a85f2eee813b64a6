#pragma once
// The random numbers of the script function Random. One generator, seeded
// once per run, serves every call: seeding from the clock at each call would
// give every label printed within one clock tick the same number.

#include <cstdint>

namespace tagpress {

// A real in [0, 1).
double RandomReal();

// An integer in [0, n) for n > 0, in (n, 0] for n < 0, and 0 for n = 0.
int32_t RandomBelow(int32_t n);

}  // namespace tagpress
