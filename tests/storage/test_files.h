#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "storage/file_api.h"

// Small helpers for the storage tests: a private folder per test (tests run in
// parallel, each in its own process) and whole-file reads and writes.
namespace ombrelune::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string File(std::string_view name) const { return path_ + "/" + std::string(name); }

 private:
  std::string path_;
};

void WriteBytes(const std::string& path, std::string_view bytes);
std::string ReadBytes(const std::string& path);  // empty when missing
bool Exists(const std::string& path);

// An anonymous file holding `bytes`, positioned at its start.
using FilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;
FilePtr FileWith(std::string_view bytes);

// `text` with every LF preceded by a CR, as a Windows text file holds it.
// Non-ASCII bytes are written by hand in the tests ("\xE9"), never encoded here.
std::string Crlf(std::string_view text);

// The real file calls, except those told to fail with a given errno; records
// the writes so tests can check how a file was written.
class FaultyFiles : public FileApi {
 public:
  int openError = 0;  // every Open fails with it when not 0
  int writeError = 0;
  int syncError = 0;
  int closeError = 0;
  int renameError = 0;
  struct Write {
    size_t size;
    off_t offset;
  };
  std::vector<Write> writes;
  int syncs = 0;

  int Open(const char* path, int flags, mode_t mode) override;
  ssize_t PWrite(int fd, const void* buffer, size_t size, off_t offset) override;
  int FSync(int fd) override;
  int Close(int fd) override;
  int Rename(const char* from, const char* to) override;
};

}  // namespace ombrelune::test
