#include "rounding.h"

#include <climits>
#include <cmath>

namespace ombrelune {

double TruncTowardZero(double x) {
  return x > 0 ? std::floor(x) : std::ceil(x);
}

double FracPart(double x) {
  return x - TruncTowardZero(x);
}

double RoundHalfTowardZero(double x) {
  const double f = FracPart(x);
  if (std::fabs(f) > 0.5) return x > 0 ? std::ceil(x) : std::floor(x);
  return x > 0 ? std::floor(x) : std::ceil(x);
}

int TruncToInt(double v) {
  // Written so that NaN fails both range tests and lands on 0.
  if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (v <= static_cast<double>(INT_MIN)) return INT_MIN;
  if (v == v) return static_cast<int>(v);
  return 0;
}

}  // namespace ombrelune
