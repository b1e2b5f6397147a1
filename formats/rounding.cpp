#include "formats/rounding.h"

#include <cmath>

int RoundToInt(double value) {
  // nearbyint rounds in the current mode, which is round-half-to-even unless someone changed it.
  return static_cast<int>(std::nearbyint(value));
}
