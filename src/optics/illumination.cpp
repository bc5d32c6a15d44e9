#include "illumination.h"

#include <cmath>

namespace ombrelune {

double BeamFraction(double k, double h) {
  const double c = (h * h + 1 - k * k) / (2 * h);
  if (!(c >= -1)) return 1;  // beam wholly inside the aperture, or c undefined
  if (c > 1) return 0;       // beam misses the aperture, or the aperture lies inside it
  const double c2 = (h * h + k * k - 1) / (2 * h * k);
  return (std::acos(c) - h * std::sqrt(1 - c * c) + k * k * std::acos(c2)) * 0.3183098861837907;
}

namespace {

struct Aperture {
  double term;
  double field;
};

// One aperture of diameter d at distance L before the focal plane, seen from
// offset r. divisor is the corrector's magnification (clamped), 1 for the others.
inline Aperture EvaluateAperture(double D, double F, double d, double L, double r, double divisor) {
  const double a = d * F;
  const double b = D * L;
  const double k = a / b;
  double h;
  if (r == 0) {
    // At the very centre the beam offset would be 0 and c undefined: a tiny
    // offset stands in for it, and the corrector's division is not applied.
    h = (F - L) * 0.0001 / b;
  } else {
    h = (F - L) * (2 * r) / b / divisor;
  }
  return {BeamFraction(k, h), (a - b) / (F - L)};
}

}  // namespace

Illumination EvaluateIllumination(const TelescopeConfig& c, double r, double& fullFieldDiameter) {
  const double D = c.primaryDiameter;
  const double F = c.primaryFocalLength;
  double best;
  if (c.secondaryEnabled != 0) {
    const Aperture s = EvaluateAperture(D, F, c.secondaryDiameter, c.secondaryToFocus, r, 1);
    best = s.term;
    fullFieldDiameter = s.field;
  } else {
    best = 1;
    fullFieldDiameter = NoFieldLimit;
  }
  // An aperture lowers the field only where it vignettes more than every one
  // evaluated before it; a NaN term or field takes the branch (counts as less).
  auto consider = [&](Aperture a) {
    if (!(a.term >= best)) {
      best = a.term;
      if (!(a.field >= fullFieldDiameter)) fullFieldDiameter = a.field;
    }
  };
  if (c.focuserEnabled != 0) {
    const double L =
        c.correctorEnabled != 0 ? c.focuserToFocus - c.correctorShift : c.focuserToFocus;
    consider(EvaluateAperture(D, F, c.focuserDiameter, L, r, 1));
  }
  if (c.correctorEnabled != 0) {
    const double G = c.correctorMagnification > 0.0001 ? c.correctorMagnification : 0.0001;
    Aperture a =
        EvaluateAperture(D, F, c.correctorDiameter, c.correctorToFocus - c.correctorShift, r, G);
    a.field = c.correctorMagnification * a.field;
    consider(a);
  }
  if (c.filterEnabled != 0) {
    consider(EvaluateAperture(D, F, c.filterDiameter, c.filterToFocus, r, 1));
  }
  double o = 1;
  if (c.secondaryEnabled != 0 && c.obstructionEnabled != 0) {
    o = 1 - (c.secondaryDiameter * c.secondaryDiameter) / (D * D);
    if (!(o >= 0)) o = 0;
  }
  return {best, o};
}

double IlluminationAt(const TelescopeConfig& c, double r, double& fullFieldDiameter) {
  const Illumination i = EvaluateIllumination(c, r, fullFieldDiameter);
  return i.best * i.obstruction;
}

double MagnitudeLoss(double x) {
  if (x == 1) return 0;
  if (x == 0) return 99;
  const double m = -2.5 * std::log(x) / std::log(10.0);
  return m >= 0 ? m : 0;  // x above 1, below 0 or not a number
}

}  // namespace ombrelune
