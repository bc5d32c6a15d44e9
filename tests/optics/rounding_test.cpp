#include "optics/rounding.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace ombrelune {
namespace {

TEST(Rounding, RoundHalfTowardZeroSendsExactHalvesTowardZero) {
  struct Case {
    double x, expected;
  } cases[] = {{2.5, 2}, {-2.5, -2}, {2.51, 3}, {-2.6, -3}, {30.138, 30},
               {0.5, 0}, {-0.5, 0},  {0.49, 0}, {7, 7},     {-7, -7}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    EXPECT_EQ(RoundHalfTowardZero(c.x), c.expected);
  }
}

TEST(Rounding, TruncAndFracKeepTheSignOfX) {
  EXPECT_EQ(TruncTowardZero(-1.5), -1);
  EXPECT_EQ(TruncTowardZero(1.5), 1);
  EXPECT_EQ(FracPart(-1.5), -0.5);
  EXPECT_EQ(FracPart(2.25), 0.25);
}

TEST(Rounding, TruncToIntIsDefinedForEveryDouble) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double x;
    int expected;
  } cases[] = {{-1.9, -1},      {1.9, 1},         {std::nan(""), 0}, {inf, INT_MAX},
               {-inf, INT_MIN}, {1e300, INT_MAX}, {-1e300, INT_MIN}, {2147483647.5, INT_MAX}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    EXPECT_EQ(TruncToInt(c.x), c.expected);
  }
}

}  // namespace
}  // namespace ombrelune
