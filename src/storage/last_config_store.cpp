#include "last_config_store.h"

#include <fcntl.h>

#include <cerrno>
#include <cstring>

namespace ombrelune {
namespace {

constexpr int kOpenExisting = O_RDWR | O_CLOEXEC;
constexpr int kCreateNew = O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC;
constexpr mode_t kNewFileMode = 0666;  // narrowed by the umask, as any new file

void ReadRecord(LastConfigStore& store) {
  unsigned char buffer[LastConfigRecordBytes];
  const ssize_t n = ReadFully(*store.files, store.fd, buffer, sizeof buffer, 0);
  if (n > 0) std::memcpy(store.record.bytes.data(), buffer, static_cast<size_t>(n));
}

}  // namespace

LastConfigStore::~LastConfigStore() {
  if (fd >= 0) files->Close(fd);
}

void OpenLastConfig(LastConfigStore& store, const std::string& path) {
  SetLoadAtStart(store.record, false);
  store.fd = store.files->Open(path.c_str(), kOpenExisting, 0);
  if (store.fd < 0 && errno == ENOENT && !WriteDefaultRecord(store, path) && errno == EEXIST) {
    // Someone created it between our two opens: it exists now, so read it.
    store.fd = store.files->Open(path.c_str(), kOpenExisting, 0);
  }
  store.usable = store.fd >= 0;
  if (store.usable) ReadRecord(store);
}

bool WriteDefaultRecord(LastConfigStore& store, const std::string& path) {
  const int fd = store.files->Open(path.c_str(), kCreateNew, kNewFileMode);
  if (fd < 0) return false;
  store.fd = fd;
  store.record = DefaultLastConfigRecord();
  // A failed write leaves a short file; the read that follows takes what is
  // there and the record keeps the defaults for the rest, and the exit writes
  // the whole record again.
  WriteFully(*store.files, fd, store.record.bytes.data(), LastConfigRecordBytes, 0);
  return true;
}

void ToggleLoadAtStart(LastConfigStore& store) {
  SetLoadAtStart(store.record, !LoadAtStart(store.record));
}

bool StoreLastConfig(LastConfigStore& store, const TelescopeConfig& config,
                     std::string_view correctorName, std::string_view sensorName) {
  if (!store.usable || store.fd < 0) return false;
  EncodeLastConfig(store.record, config, correctorName, sensorName);
  bool ok = WriteFully(*store.files, store.fd, store.record.bytes.data(), LastConfigRecordBytes, 0);
  ok = store.files->FSync(store.fd) == 0 && ok;
  ok = store.files->Close(store.fd) == 0 && ok;
  store.fd = -1;
  store.usable = false;  // written and closed: nothing more goes to this file
  return ok;
}

}  // namespace ombrelune
