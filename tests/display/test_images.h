#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

#include "display/canvas.h"

namespace ombrelune::testing {

// Reads a plain PBM (P1: 1 is black) or PGM (P2: grey levels up to 255) written
// by make_expected_images.py into a canvas.
inline Canvas ReadPlainImage(const std::string& name) {
  std::ifstream file(std::string(OMBRELUNE_TEST_DATA) + "/display/" + name);
  EXPECT_TRUE(file) << name;
  std::string magic;
  int width = 0;
  int height = 0;
  file >> magic >> width >> height;
  int maxValue = 1;
  if (magic == "P2") file >> maxValue;
  EXPECT_TRUE(magic == "P1" || (magic == "P2" && maxValue == 255)) << name;
  Canvas image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      int value = 0;
      file >> value;
      image.SetPixel(x, y, magic == "P1" ? (value ? Black : White) : MakeGrey(value));
    }
  }
  EXPECT_TRUE(file) << name << " ends early";
  return image;
}

// Equal size and pixels; a failure names the first few pixels that differ.
inline ::testing::AssertionResult SameImage(const Canvas& actual, const Canvas& expected) {
  if (actual.Width() != expected.Width() || actual.Height() != expected.Height()) {
    return ::testing::AssertionFailure()
           << "size " << actual.Width() << "x" << actual.Height() << ", expected "
           << expected.Width() << "x" << expected.Height();
  }
  std::ostringstream diff;
  int count = 0;
  for (int y = 0; y < actual.Height(); ++y) {
    for (int x = 0; x < actual.Width(); ++x) {
      if (actual.Pixel(x, y) != expected.Pixel(x, y)) {
        if (++count <= 10) {
          diff << " (" << x << "," << y << ") " << std::hex << actual.Pixel(x, y) << " not "
               << expected.Pixel(x, y) << std::dec << ";";
        }
      }
    }
  }
  if (count == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << count << " pixels differ:" << diff.str();
}

}  // namespace ombrelune::testing
