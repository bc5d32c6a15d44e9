#include "test_files.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace ombrelune::test {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "ombrelune-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed";
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void WriteBytes(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) ADD_FAILURE() << "cannot write " << path;
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::exists(std::filesystem::symlink_status(path, ignored));
}

FilePtr FileWith(std::string_view bytes) {
  FilePtr file(std::tmpfile(), &std::fclose);
  if (!file) {
    ADD_FAILURE() << "tmpfile failed";
    return file;
  }
  std::fwrite(bytes.data(), 1, bytes.size(), file.get());
  std::rewind(file.get());
  return file;
}

std::string Crlf(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

int FaultyFiles::Open(const char* path, int flags, mode_t mode) {
  if (openError != 0) return errno = openError, -1;
  return FileApi::Open(path, flags, mode);
}

ssize_t FaultyFiles::PWrite(int fd, const void* buffer, size_t size, off_t offset) {
  writes.push_back({size, offset});
  if (writeError != 0) return errno = writeError, -1;
  return FileApi::PWrite(fd, buffer, size, offset);
}

int FaultyFiles::FSync(int fd) {
  ++syncs;
  if (syncError != 0) return errno = syncError, -1;
  return FileApi::FSync(fd);
}

int FaultyFiles::Close(int fd) {
  const int result = FileApi::Close(fd);  // the descriptor is gone either way
  if (closeError != 0) return errno = closeError, -1;
  return result;
}

int FaultyFiles::Rename(const char* from, const char* to) {
  if (renameError != 0) return errno = renameError, -1;
  return FileApi::Rename(from, to);
}

}  // namespace ombrelune::test
