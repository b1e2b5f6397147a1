#include "formats/rounding.h"

#include <climits>
#include <cmath>

int RoundToInt(double value) {
  // nearbyint rounds in the current mode, which is round-half-to-even unless someone changed it.
  const double rounded = std::nearbyint(value);
  // Data files can hold any number; converting one outside the int range would be undefined.
  if (std::isnan(rounded)) return 0;
  if (rounded >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (rounded <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(rounded);
}
