#pragma once

#include "telescope_config.h"

// The geometric vignetting model. Every "x < y" below is written !(x >= y): a
// comparison in which a value is not a number counts as "less than", on either
// side, so a NaN term or field value takes the branch and replaces the bound.
namespace ombrelune {

inline constexpr double NoFieldLimit = 9999;

// Fraction of a beam of radius 1 passing an aperture of radius k whose centre
// is h beam radii from the beam's centre.
double BeamFraction(double k, double h);

struct Illumination {
  double best;         // smallest term of the apertures that are on
  double obstruction;  // o, 1 when the obstruction is not counted
};

// Evaluates the model at offset r (mm); rewrites fullFieldDiameter as every
// evaluation must. No allocation, no I/O.
Illumination EvaluateIllumination(const TelescopeConfig& config, double r,
                                  double& fullFieldDiameter);

// best * o.
double IlluminationAt(const TelescopeConfig& config, double r, double& fullFieldDiameter);

// Loss in magnitudes for an illumination fraction; 99 for no light, 0 for a
// fraction above 1, below 0 or not a number.
double MagnitudeLoss(double x);

}  // namespace ombrelune
