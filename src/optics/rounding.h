#pragma once

namespace ombrelune {

// Floor for x > 0, ceiling otherwise.
double TruncTowardZero(double x);
// x - TruncTowardZero(x), with the sign of x.
double FracPart(double x);
// Nearest whole number; exact halves go toward zero (2.5 -> 2, -2.5 -> -2).
double RoundHalfTowardZero(double x);

// trunc(v) as an int without undefined behaviour: NaN gives 0 and values beyond
// the int range saturate. Every double-to-int conversion of the program goes here.
int TruncToInt(double v);

}  // namespace ombrelune
