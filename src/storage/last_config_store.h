#pragma once

#include <string>
#include <string_view>

#include "file_api.h"
#include "last_config_record.h"
#include "optics/telescope_config.h"

// ombrelune.cfg, held open from start-up to exit. One instance for the run.
//
// What the store guarantees: the file is written once, at exit, with a single
// 360-byte pwrite at offset 0 followed by fsync. 360 bytes at offset 0 lie in
// one page of one block, which Linux filesystems do not tear in practice, so a
// crash leaves either the old record or the new one. A temporary file and a
// rename would give more, but this file stays open for the whole run and its
// layout is fixed, so the record is rewritten in place.
namespace ombrelune {

struct LastConfigStore {
  explicit LastConfigStore(FileApi& fileApi = PosixFileApi()) : files(&fileApi) {}
  ~LastConfigStore();  // closes the file if it is still open; never writes
  LastConfigStore(const LastConfigStore&) = delete;
  LastConfigStore& operator=(const LastConfigStore&) = delete;

  LastConfigRecord record;  // as last read or written; zeros before
  int fd = -1;              // open from OpenLastConfig to StoreLastConfig
  // False when the file could neither be opened nor created: the start then
  // uses the built-in defaults and the exit writes nothing.
  bool usable = false;
  FileApi* files;
};

// Start-up: loadAtStart := 0; opens `path` for reading and writing without
// creating it; when it does not exist, WriteDefaultRecord; then reads up to 360
// bytes at offset 0 into the record (a short file leaves the rest of the record
// as it was). Any other failure to open (a directory in its place, EMFILE, EIO,
// a missing folder...) makes the store unusable; an existing file is never
// emptied or replaced because an open failed.
void OpenLastConfig(LastConfigStore& store, const std::string& path);

// Creates `path` (never an existing file: O_EXCL) and writes the default record
// to it; the store keeps it open. Returns false, leaving the store as it was,
// when the file cannot be created.
bool WriteDefaultRecord(LastConfigStore& store, const std::string& path);

// Flips the loadAtStart flag in memory; it reaches the file at exit.
void ToggleLoadAtStart(LastConfigStore& store);

// Exit: encodes the held configuration and the two combo texts into the record,
// writes the 360 bytes at offset 0, fsyncs and closes. Returns false, writing
// nothing, on an unusable store, and false when a write, fsync or close failed
// (the window ignores it: there is no one left to tell at exit).
bool StoreLastConfig(LastConfigStore& store, const TelescopeConfig& config,
                     std::string_view correctorName, std::string_view sensorName);

}  // namespace ombrelune
