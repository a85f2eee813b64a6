#include "script/library/random_numbers.h"

#include <chrono>
#include <cmath>
#include <mutex>
#include <random>

namespace tagpress {

namespace {

// Scripts on a worker thread may draw at the same time as the window's.
struct SharedGenerator {
  std::mutex mutex;
  std::mt19937_64 engine;

  SharedGenerator() {
    std::random_device device;
    std::seed_seq seed{device(), device(),
                       static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count())};
    engine.seed(seed);
  }
};

SharedGenerator& Generator() {
  static SharedGenerator generator;
  return generator;
}

}  // namespace

double RandomReal() {
  SharedGenerator& generator = Generator();
  std::lock_guard lock(generator.mutex);
  const double drawn = std::uniform_real_distribution<double>(0.0, 1.0)(generator.engine);
  return drawn < 1.0 ? drawn : std::nextafter(1.0, 0.0);  // the distribution may round up to 1
}

int32_t RandomBelow(int32_t n) {
  if (n == 0) return 0;
  SharedGenerator& generator = Generator();
  std::lock_guard lock(generator.mutex);
  const int64_t magnitude = n < 0 ? -static_cast<int64_t>(n) : n;
  const int64_t drawn = std::uniform_int_distribution<int64_t>(0, magnitude - 1)(generator.engine);
  return static_cast<int32_t>(n < 0 ? -drawn : drawn);
}

}  // namespace tagpress
