#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "optics/telescope_config.h"

// The sensor catalogue l_ccd.txt: fixed records of 66 bytes, read byte for byte
// (no line-end translation), so that record i always begins at byte 66 * i.
// A record: name in bytes 0-29 padded with spaces, width text in 30-35, a
// separator at 36, height text in 37-42, the rest unread. Lines of 64
// characters ended by CR LF are such records.
namespace ombrelune {

inline constexpr std::size_t SensorRecordBytes = 66;

struct SensorEntry {
  std::string name;   // UTF-8, at most 30 characters
  double width = 0;   // mm
  double height = 0;  // mm
};

// One record of SensorRecordBytes bytes (of a shorter text, the fields it
// holds). The name stops at a NUL byte, then loses its trailing spaces.
// Width and height are each read from their own six bytes alone, so a number
// never runs on into the next field.
SensorEntry ParseSensorRecord(std::string_view record);

// The names of the whole records, in file order; a last record shorter than 66
// bytes is ignored. The file is opened for reading and writing, as the program
// always has (a catalogue it may not write is treated as missing): a file that
// cannot be opened that way gives an empty list.
std::vector<std::string> LoadSensorList(const std::string& path);

// The record at `index`, or nothing when the file cannot be opened, index is
// negative (no entry selected) or the file holds no whole record there (it was
// shortened while the program ran). On nothing the caller keeps its values,
// writes them back and computes, as for a missing file.
std::optional<SensorEntry> ReadSensorEntry(const std::string& path, int index);

// Width, height and aspect as given (a width of 0 leaves an aspect that is not
// finite; only the diagonal rule reads it); the diagonal in hundredths of a
// millimetre, always one hundredth above the truncated value: 36 x 24 gives
// 43.27, 3 x 4 gives 5.01.
void ApplySensorEntry(TelescopeConfig& config, double width, double height);

}  // namespace ombrelune
