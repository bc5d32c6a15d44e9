#pragma once

#include <array>
#include <string>

#include "illumination.h"
#include "telescope_config.h"

namespace ombrelune {

// A result cell held 24 characters and its NUL; the texts are cut to that, so
// a huge or non-finite value can never overflow a row.
inline constexpr int ResultCellChars = 24;
inline constexpr int ResultCapacity = 100;

struct ResultRow {
  std::string offsetText;        // "%4.0f"
  std::string illuminationText;  // "%5.1f"
  std::string magLossText;       // "%5.2f"
};

struct ResultTable {
  std::array<ResultRow, ResultCapacity> rows;
  int rowCount = 0;
  // Left by the latest evaluation of the model, wherever it came from (the run,
  // the curve, the map, the pointer read-out); NoFieldLimit when nothing limits it.
  double fullFieldDiameter = 0;
  double fullFieldArcmin = 0;
};

bool ResultIsValid(const TelescopeConfig& config, double fullFieldDiameter);

double SecondaryOffset(double D, double F, double d2, double T);

// The largest offset sampled: half the diagonal, rounded up to a whole mm.
double SampleLimit(double sensorDiagonal);

// Samples r = 0, 1, ... up to SampleLimit (at most ResultCapacity rows; when the
// limit is larger the run stops at r = 99 and the field lines come from there),
// fills the table and returns the result list text with CR LF line ends, the
// same text for both result edits. Encoded in UTF-8.
std::string ComputeResult(const TelescopeConfig& config, ResultTable& table);

}  // namespace ombrelune
