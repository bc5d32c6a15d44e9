#include <benchmark/benchmark.h>

#include "optics/illumination.h"
#include "optics/result_table.h"

namespace ombrelune {
namespace {

TelescopeConfig AllApertures() {
  TelescopeConfig c = StartupDefaults();
  c.focuserEnabled = c.correctorEnabled = c.filterEnabled = 1;
  c.obstructionEnabled = 1;
  return c;
}

// At 22 mm every aperture of this train cuts into the beam; at 2 mm none does.
void IlluminationAtOffset(benchmark::State& state, double r) {
  const TelescopeConfig config = AllApertures();
  double field = 0;
  double offset = r;
  for (auto _ : state) {
    benchmark::DoNotOptimize(offset);
    benchmark::DoNotOptimize(IlluminationAt(config, offset, field));
  }
}
BENCHMARK_CAPTURE(IlluminationAtOffset, all_clip, 22.0)->Name("IlluminationAt/all_clip");
BENCHMARK_CAPTURE(IlluminationAtOffset, none_clip, 2.0)->Name("IlluminationAt/none_clip");

void ComputeResultDefaults(benchmark::State& state) {
  const TelescopeConfig config = StartupDefaults();
  ResultTable table;
  for (auto _ : state) benchmark::DoNotOptimize(ComputeResult(config, table));
}
BENCHMARK(ComputeResultDefaults)->Name("ComputeResult/defaults")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ombrelune
