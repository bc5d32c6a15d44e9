#include "result_table.h"

#include "number_text.h"
#include "rounding.h"

namespace ombrelune {

bool ResultIsValid(const TelescopeConfig& c, double fullFieldDiameter) {
  if (!(fullFieldDiameter > 0)) return false;
  const double F = c.primaryFocalLength;
  if (c.secondaryEnabled != 0 && c.secondaryToFocus >= F) return false;
  if (c.focuserEnabled != 0 && c.focuserToFocus >= F) return false;
  if (c.correctorEnabled != 0 && c.correctorToFocus >= F) return false;
  if (c.filterEnabled != 0 && c.filterToFocus >= F) return false;
  return true;
}

double SecondaryOffset(double D, double F, double d2, double T) {
  const double a = d2 - T / (F / D);
  const double s = (D * D) / (F * 16);
  const double Fp = F - s;
  const double n = Fp * a + (D - a) * T;
  return -0.5 * (n / ((D - a) + 2 * Fp) - n / (2 * Fp - (D - a)));
}

double SampleLimit(double sensorDiagonal) {
  const double half = sensorDiagonal * 0.5;
  const double whole = TruncTowardZero(half);
  return whole == half ? half : whole + 1;
}

namespace {

std::string Cell(double value, int precision, int width) {
  std::string text = FormatFixed(value, precision, width);
  if (text.size() > static_cast<size_t>(ResultCellChars)) text.resize(ResultCellChars);
  return text;
}

void AppendLine(std::string& list, std::string_view line) {
  list += line;
  list += "\r\n";
}

}  // namespace

std::string ComputeResult(const TelescopeConfig& c, ResultTable& table) {
  const double rMax = SampleLimit(c.sensorDiagonal);
  table.rows.fill(ResultRow{});
  table.rowCount = 0;
  // The table holds 100 rows: a larger, infinite or undefined limit stops the
  // sampling at r = 99 (a NaN limit samples nothing), so the loop always ends.
  for (double r = 0; r <= rMax && table.rowCount < ResultCapacity; r += 1) {
    const Illumination i = EvaluateIllumination(c, r, table.fullFieldDiameter);
    const double p = i.best * (100 * i.obstruction);
    ResultRow& row = table.rows[table.rowCount];
    row.offsetText = Cell(r, 0, 4);
    row.illuminationText = Cell(p, 1, 5);
    row.magLossText = Cell(MagnitudeLoss(p * 0.01), 2, 5);
    ++table.rowCount;
  }

  std::string list;
  list.reserve(128 + 32 * table.rowCount);
  if (!ResultIsValid(c, table.fullFieldDiameter)) {
    AppendLine(list, "");
    AppendLine(list, "Champ pleine lumiere < 0");
    return list;
  }
  if (c.correctorEnabled != 0) {
    AppendLine(
        list,
        "Focale: " + FormatFixed(c.correctorMagnification * c.primaryFocalLength, 1, 5) + " mm");
    AppendLine(list, "");
  }
  if (table.fullFieldDiameter != NoFieldLimit) {
    AppendLine(list, "Champ pleine lumiere");
    AppendLine(list, FormatFixed(table.fullFieldDiameter, 1, 5) + " mm");
    table.fullFieldArcmin = table.fullFieldDiameter * 57.3 / c.primaryFocalLength * 60;
    AppendLine(list, FormatFixed(table.fullFieldArcmin, 1, 5) + " '");
  }
  if (c.secondaryEnabled != 0) {
    AppendLine(list, "");
    const double offset = SecondaryOffset(c.primaryDiameter, c.primaryFocalLength,
                                          c.secondaryDiameter, c.secondaryToFocus);
    AppendLine(list,
               "D\xC3\xA9"
               "calage secondaire: " +
                   FormatFixed(offset, 2, 5) + " mm");
    AppendLine(list, "Obstruction: " +
                         FormatFixed(c.secondaryDiameter * 100 / c.primaryDiameter, 1, 4) + " %");
  }
  AppendLine(list, "");
  AppendLine(list, "Offset\tIllumination\tPerte mag");
  AppendLine(list, " (mm)\t     (%)");
  for (int i = 0; i < table.rowCount; ++i) {
    const ResultRow& row = table.rows[i];
    AppendLine(list, row.offsetText + "\t   " + row.illuminationText + "\t\t   " + row.magLossText);
  }
  return list;
}

}  // namespace ombrelune
