#pragma once

#include <cmath>

// Angles are degrees, 0 along +x and growing towards screen-down; they become radians by this
// factor, the one the game, its data and its tools share.
inline constexpr double kRadiansPerDegree = 0.017453292;

inline double SinDeg(double degrees) {
  return std::sin(degrees * kRadiansPerDegree);
}
inline double CosDeg(double degrees) {
  return std::cos(degrees * kRadiansPerDegree);
}
