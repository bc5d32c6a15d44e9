#include "file_api.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace ombrelune {

int FileApi::Open(const char* path, int flags, mode_t mode) {
  return ::open(path, flags, mode);
}

ssize_t FileApi::PRead(int fd, void* buffer, size_t size, off_t offset) {
  return ::pread(fd, buffer, size, offset);
}

ssize_t FileApi::PWrite(int fd, const void* buffer, size_t size, off_t offset) {
  return ::pwrite(fd, buffer, size, offset);
}

int FileApi::FSync(int fd) {
  return ::fsync(fd);
}
int FileApi::FChmod(int fd, mode_t mode) {
  return ::fchmod(fd, mode);
}
int FileApi::Close(int fd) {
  return ::close(fd);
}
int FileApi::Rename(const char* from, const char* to) {
  return std::rename(from, to);
}
int FileApi::Unlink(const char* path) {
  return ::unlink(path);
}

FileApi& PosixFileApi() {
  static FileApi files;
  return files;
}

ssize_t ReadFully(FileApi& files, int fd, void* buffer, size_t size, off_t offset) {
  size_t done = 0;
  while (done < size) {
    const ssize_t n = files.PRead(fd, static_cast<char*>(buffer) + done, size - done,
                                  offset + static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  return static_cast<ssize_t>(done);
}

bool WriteFully(FileApi& files, int fd, const void* buffer, size_t size, off_t offset) {
  size_t done = 0;
  while (done < size) {
    const ssize_t n = files.PWrite(fd, static_cast<const char*>(buffer) + done, size - done,
                                   offset + static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace ombrelune
