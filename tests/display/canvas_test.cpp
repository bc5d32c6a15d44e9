#include "display/canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace ombrelune {
namespace {

using Pixels = std::vector<PixelPos>;

const ClipRect kWide{-1000, -1000, 1000, 1000};

Pixels BlackPixels(const Canvas& canvas) {
  Pixels black;
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      if (canvas.Pixel(x, y) == Black) black.push_back({x, y});
    }
  }
  return black;
}

TEST(Canvas, BufferIsRowMajorOpaqueRgb) {
  Canvas canvas(3, 2, White);
  canvas.SetPixel(2, 1, MakeRgb(0x12, 0x34, 0x56));
  ASSERT_EQ(canvas.Width(), 3);
  ASSERT_EQ(canvas.Height(), 2);
  EXPECT_EQ(canvas.Data()[0], 0xFFFFFFFFu);
  EXPECT_EQ(canvas.Data()[1 * 3 + 2], 0xFF123456u);
  canvas.Fill(MakeGrey(127));
  EXPECT_EQ(canvas.Data()[5], 0xFF7F7F7Fu);
}

TEST(Canvas, NegativeOrZeroSizeIsEmpty) {
  for (auto [w, h] : {std::pair{-5, 10}, {10, -5}, {0, 7}, {7, 0}}) {
    Canvas canvas(w, h, White);
    EXPECT_EQ(canvas.Width(), 0);
    EXPECT_EQ(canvas.Height(), 0);
    canvas.SetPixel(0, 0, Black);
    canvas.MoveTo(-3, -3);
    canvas.LineTo(3, 3);
  }
}

TEST(Canvas, PixelsOutsideTheImageAreIgnored) {
  Canvas canvas(4, 3, White);
  for (std::int64_t x :
       {std::int64_t{-1}, std::int64_t{4}, std::int64_t{INT64_MIN}, std::int64_t{INT64_MAX}}) {
    canvas.SetPixel(x, 1, Black);
    canvas.SetPixel(1, x, Black);
  }
  EXPECT_TRUE(BlackPixels(canvas).empty());
  EXPECT_EQ(canvas.Pixel(-1, 0), Black);  // outside reads as black
}

// Lines of M = 4, m = 2 from (10, 10) into every octant: pixel 1 and pixel 3 sit
// exactly halfway between two rows (or columns), so the octant's bias decides.
// Offsets are floor((4i + 3 + bias) / 8): [0 0 1 1] without bias, [0 1 1 2] with.
struct OctantCase {
  const char* name;
  int dx;
  int dy;
  Pixels expected;
};

TEST(LinePixels, EachOctantFollowsTheRule) {
  const std::vector<OctantCase> cases = {
      {"octant 1 (dx 4, dy 2)", 4, 2, {{10, 10}, {11, 10}, {12, 11}, {13, 11}}},
      {"octant 2 (dx 2, dy 4)", 2, 4, {{10, 10}, {10, 11}, {11, 12}, {11, 13}}},
      {"octant 3 (dx -2, dy 4), bias", -2, 4, {{10, 10}, {9, 11}, {9, 12}, {8, 13}}},
      {"octant 4 (dx -4, dy 2)", -4, 2, {{10, 10}, {9, 10}, {8, 11}, {7, 11}}},
      {"octant 5 (dx -4, dy -2), bias", -4, -2, {{10, 10}, {9, 9}, {8, 9}, {7, 8}}},
      {"octant 6 (dx -2, dy -4), bias", -2, -4, {{10, 10}, {9, 9}, {9, 8}, {8, 7}}},
      {"octant 7 (dx 2, dy -4)", 2, -4, {{10, 10}, {10, 9}, {11, 8}, {11, 7}}},
      {"octant 8 (dx 4, dy -2), bias", 4, -2, {{10, 10}, {11, 9}, {12, 9}, {13, 8}}},
      // No tie: floor((6i + 6) / 14) and floor((6i + 7) / 14).
      {"octant 1 (dx 7, dy 3)",
       7,
       3,
       {{10, 10}, {11, 10}, {12, 11}, {13, 11}, {14, 12}, {15, 12}, {16, 13}}},
      {"octant 6 (dx -3, dy -7)",
       -3,
       -7,
       {{10, 10}, {10, 9}, {9, 8}, {9, 7}, {8, 6}, {8, 5}, {7, 4}}},
      // |dx| == |dy| takes y as the major axis; every step moves both ways.
      {"diagonal (dx -3, dy 3)", -3, 3, {{10, 10}, {9, 11}, {8, 12}}},
      {"horizontal leftwards", -3, 0, {{10, 10}, {9, 10}, {8, 10}}},
      {"vertical upwards", 0, -2, {{10, 10}, {10, 9}}},
      {"single step", 1, 0, {{10, 10}}},
      {"zero length draws nothing", 0, 0, {}},
  };
  for (const OctantCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(LinePixels(10, 10, 10 + c.dx, 10 + c.dy, kWide), c.expected);
  }
}

TEST(LinePixels, ALineAndItsReverseLightTheSamePixels) {
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> coordinate(-40, 40);
  for (int n = 0; n < 2000; ++n) {
    const int x0 = coordinate(random), y0 = coordinate(random);
    const int x1 = coordinate(random), y1 = coordinate(random);
    if (x0 == x1 && y0 == y1) continue;
    Pixels forward = LinePixels(x0, y0, x1, y1, kWide);
    forward.push_back({x1, y1});
    Pixels backward = LinePixels(x1, y1, x0, y0, kWide);
    backward.push_back({x0, y0});
    auto order = [](PixelPos a, PixelPos b) { return a.x != b.x ? a.x < b.x : a.y < b.y; };
    std::sort(forward.begin(), forward.end(), order);
    std::sort(backward.begin(), backward.end(), order);
    ASSERT_EQ(forward, backward) << "(" << x0 << "," << y0 << ") to (" << x1 << "," << y1 << ")";
  }
}

TEST(LinePixels, ClippingKeepsExactlyThePixelsInside) {
  std::mt19937 random(777);
  std::uniform_int_distribution<int> coordinate(-60, 60);
  const ClipRect clip{-7, 3, 11, 19};
  for (int n = 0; n < 2000; ++n) {
    const int x0 = coordinate(random), y0 = coordinate(random);
    const int x1 = coordinate(random), y1 = coordinate(random);
    Pixels inside;
    for (PixelPos p : LinePixels(x0, y0, x1, y1, kWide)) {
      if (p.x >= clip.left && p.x < clip.right && p.y >= clip.top && p.y < clip.bottom) {
        inside.push_back(p);
      }
    }
    ASSERT_EQ(LinePixels(x0, y0, x1, y1, clip), inside)
        << "(" << x0 << "," << y0 << ") to (" << x1 << "," << y1 << ")";
  }
}

TEST(Canvas, PenExcludesTheEndPointAndSetsPolylineCornersOnce) {
  Canvas canvas(6, 6, White);
  canvas.MoveTo(0, 0);
  canvas.LineTo(3, 0);
  canvas.LineTo(3, 3);
  EXPECT_EQ(BlackPixels(canvas), (Pixels{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2}}));

  // The corner belongs to the second segment only.
  const Pixels first = LinePixels(0, 0, 3, 0, kWide);
  const Pixels second = LinePixels(3, 0, 3, 3, kWide);
  EXPECT_EQ(std::count(first.begin(), first.end(), PixelPos{3, 0}), 0);
  EXPECT_EQ(std::count(second.begin(), second.end(), PixelPos{3, 0}), 1);
}

TEST(Canvas, HugeCoordinatesAreClippedWithoutOverflowOrLongWalks) {
  struct HugeCase {
    const char* name;
    std::int64_t x0, y0, x1, y1;
    Pixels expected;
  };
  const std::int64_t big = std::int64_t{1} << 31;
  const std::int64_t limit = PenCoordinateLimit;
  const std::vector<HugeCase> cases = {
      // dx = 2^32, dy = 1: the one step down comes after the middle, at
      // i = 2^31 + 1, which is x = 1.
      {"int range, shallow", -big, 0, big, 1, {{0, 0}, {1, 1}, {2, 1}, {3, 1}, {4, 1}}},
      // dx = 2^32, dy = 2^32 - 2: 2*m*i is about 2^64, past 64 bits. Pixel x = k
      // has y = floor(k - (2^32 + 4k + 1) / 2^33) = k - 1.
      {"int range, steep product", -big, -big, big, big - 2, {{1, 0}, {2, 1}, {3, 2}, {4, 3}}},
      {"beyond the pen limit, diagonal",
       INT64_MIN,
       INT64_MIN,
       INT64_MAX,
       INT64_MAX,
       {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}},
      {"pen limit, horizontal through row 2",
       -limit,
       2,
       limit,
       2,
       {{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}}},
      {"far away, missing the image", limit, limit, limit - 5, -limit, {}},
  };
  for (const HugeCase& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas(5, 5, White);
    canvas.MoveTo(c.x0, c.y0);
    canvas.LineTo(c.x1, c.y1);
    EXPECT_EQ(BlackPixels(canvas), c.expected);
  }
}

}  // namespace
}  // namespace ombrelune
