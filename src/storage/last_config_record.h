#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "optics/telescope_config.h"

// The 360-byte record of ombrelune.cfg. Its layout is that of files already on
// users' disks: little-endian IEEE doubles, one byte per flag, Windows-1252
// names ended by a NUL, padding between fields. The record is kept as raw bytes
// and every field is read and written at its own offset, never by copying a C++
// struct, so padding and the bytes after a name's NUL stay exactly as read.
namespace ombrelune {

inline constexpr std::size_t LastConfigRecordBytes = 360;

struct LastConfigRecord {
  std::array<unsigned char, LastConfigRecordBytes> bytes{};  // zeros until read
};

// What a record holds, decoded for the window.
struct StoredConfig {
  TelescopeConfig config;     // sensorAspect = height / width, as applying a record sets it
  std::string correctorName;  // UTF-8
  std::string sensorName;     // UTF-8
  bool loadAtStart = false;
};

// Flags go through NormalizeFlag (2 stays 2, 255 becomes 0). A name ends at its
// NUL or, in a damaged record, at the end of its field: nothing is ever read
// beyond a field. Doubles are taken as stored, whatever their value.
StoredConfig DecodeLastConfig(const LastConfigRecord& record);

// Writes every double and flag of `config` at its offset (a flag as one byte)
// and the two names, encoded and cut to 49 characters, each followed by a NUL.
// loadAtStart, the padding and the bytes after the NULs keep what they held.
void EncodeLastConfig(LastConfigRecord& record, const TelescopeConfig& config,
                      std::string_view correctorName, std::string_view sensorName);

bool LoadAtStart(const LastConfigRecord& record);
void SetLoadAtStart(LastConfigRecord& record, bool load);

// The record a first start writes: zeros, then the values of a typical 400 mm
// f/4.5 Newtonian with the built-in corrector, names "Televue Paracorr" and
// "24x36", loadAtStart 0. It is never applied (loadAtStart is 0); it only gives
// the file its size until the first exit overwrites it.
LastConfigRecord DefaultLastConfigRecord();

}  // namespace ombrelune
