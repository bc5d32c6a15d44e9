#include <benchmark/benchmark.h>

#include <cmath>

#include "display/pointer_readout.h"
#include "display/result_display.h"
#include "optics/illumination.h"

namespace ombrelune {
namespace {

// Secondary, focuser, corrector and filter on, with the obstruction: towards
// the corners of the map every aperture cuts into the beam, so each pixel
// costs the most the model can cost.
TelescopeConfig AllApertures() {
  TelescopeConfig c = StartupDefaults();
  c.focuserEnabled = c.correctorEnabled = c.filterEnabled = 1;
  c.obstructionEnabled = 1;
  return c;
}

void Map(benchmark::State& state, int width, int height) {
  const TelescopeConfig config = AllApertures();
  Canvas canvas(width, height);
  double fullField = 0;
  for (auto _ : state) {
    DrawIlluminationMap(canvas, config, fullField);
    benchmark::DoNotOptimize(canvas.Data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK_CAPTURE(Map, 392x362, 392, 362)
    ->Name("DrawIlluminationMap/392x362")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Map, 784x724, 784, 724)
    ->Name("DrawIlluminationMap/784x724")
    ->Unit(benchmark::kMillisecond);

// One evaluation per pixel, the cost the map would have without sharing the
// mirrored pixels: the yardstick for the figures above.
void MapOneEvaluationPerPixel(benchmark::State& state, int width, int height) {
  const TelescopeConfig config = AllApertures();
  Canvas canvas(width, height);
  double fullField = 0;
  const double D = config.sensorDiagonal;
  for (auto _ : state) {
    Rgb* pixels = canvas.Data();
    for (int i = 0; i < width; ++i) {
      const double u = (i - width * 0.5) / width;
      for (int j = 0; j < height; ++j) {
        const double v = (j - height * 0.5) / height;
        const double r = std::sqrt((v * D) * (v * D) + (u * D) * (u * D));
        pixels[j * width + i] = MakeGrey(MapGreyLevel(IlluminationAt(config, r, fullField)));
      }
    }
    benchmark::DoNotOptimize(canvas.Data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK_CAPTURE(MapOneEvaluationPerPixel, 392x362, 392, 362)
    ->Name("MapOneEvaluationPerPixel/392x362")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MapOneEvaluationPerPixel, 784x724, 784, 724)
    ->Name("MapOneEvaluationPerPixel/784x724")
    ->Unit(benchmark::kMillisecond);

// The whole curve repaint of a 44 mm diagonal: fill, axes, ticks, 111 points.
void Curve(benchmark::State& state) {
  const TelescopeConfig config = AllApertures();
  Canvas canvas(392, 362);
  double fullField = 0;
  for (auto _ : state) {
    canvas.Fill(White);
    DrawIlluminationCurve(canvas, config, fullField);
    benchmark::DoNotOptimize(canvas.Data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(Curve)->Name("DrawIlluminationCurve")->Unit(benchmark::kMicrosecond);

void Readout(benchmark::State& state) {
  const TelescopeConfig config = AllApertures();
  const FrameRect frame{350, 420, 742, 782};
  double fullField = 0;
  ReadoutTexts texts;
  for (auto _ : state) {
    texts = PointerReadout(DisplayMode::Map, 400, 450, frame, config, fullField, texts);
    benchmark::DoNotOptimize(texts);
  }
}
BENCHMARK(Readout)->Name("PointerReadout/map");

}  // namespace
}  // namespace ombrelune
