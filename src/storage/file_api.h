#pragma once

#include <sys/types.h>

// The few POSIX file calls whose failures the storage code must survive,
// behind one small interface so that tests can make any of them fail (EMFILE,
// EIO, ENOSPC...) without relying on permissions, which root ignores. Each
// method behaves as the POSIX call of the same name: -1 and errno on failure.
namespace ombrelune {

class FileApi {
 public:
  virtual ~FileApi() = default;
  virtual int Open(const char* path, int flags, mode_t mode);
  virtual ssize_t PRead(int fd, void* buffer, size_t size, off_t offset);
  virtual ssize_t PWrite(int fd, const void* buffer, size_t size, off_t offset);
  virtual int FSync(int fd);
  virtual int FChmod(int fd, mode_t mode);
  virtual int Close(int fd);
  virtual int Rename(const char* from, const char* to);
  virtual int Unlink(const char* path);
};

// The real calls.
FileApi& PosixFileApi();

// Reads up to `size` bytes at `offset`, retrying short reads and EINTR; stops
// at end of file. Returns the bytes read, or -1 when a read failed.
ssize_t ReadFully(FileApi& files, int fd, void* buffer, size_t size, off_t offset);

// Writes all `size` bytes at `offset`, retrying short writes and EINTR.
// Returns false when a write failed.
bool WriteFully(FileApi& files, int fd, const void* buffer, size_t size, off_t offset);

}  // namespace ombrelune
