#include "file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <random>

namespace ombrelune {
namespace {

constexpr int kMaxLinkHops = 40;  // as the kernel's own limit
constexpr int kMaxTempTries = 100;

std::string DirectoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The file a write to `path` would reach: the links at the end of the path are
// followed, even to a target that does not exist yet (as opening it would).
std::string ResolveTarget(std::string path) {
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    std::string link(PATH_MAX, '\0');
    const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
    if (n < 0 || static_cast<std::size_t>(n) >= link.size()) return path;
    link.resize(static_cast<std::size_t>(n));
    path = link.front() == '/' ? link : DirectoryOf(path) + "/" + link;
  }
  return path;  // a loop of links: the rename will fail, which is what we want
}

// A short, unpredictable name in the target's folder, so that the rename stays
// within one filesystem and a long file name cannot make the name too long.
int CreateTemp(FileApi& files, const std::string& directory, mode_t mode, std::string& tempPath) {
  std::random_device seed;
  std::mt19937_64 random(seed());
  for (int attempt = 0; attempt < kMaxTempTries; ++attempt) {
    tempPath = directory + "/.ombrelune-" + std::to_string(random() % 1000000000000ULL) + ".tmp";
    const int fd = files.Open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool FillAndSync(FileApi& files, int fd, std::string_view bytes, const struct stat* old) {
  if (old != nullptr && files.FChmod(fd, old->st_mode & 07777) != 0) return false;
  return WriteFully(files, fd, bytes.data(), bytes.size(), 0) && files.FSync(fd) == 0;
}

// Makes the rename itself durable; a failure here loses nothing already written.
void SyncDirectory(const std::string& directory) {
  const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool WriteFileReplacing(const std::string& path, std::string_view bytes, FileApi& files) {
  const std::string target = ResolveTarget(path);
  const std::string directory = DirectoryOf(target);
  struct stat old {};
  const bool hadTarget = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);

  std::string tempPath;
  const int fd = CreateTemp(files, directory, 0666, tempPath);
  if (fd < 0) return false;
  bool ok = FillAndSync(files, fd, bytes, hadTarget ? &old : nullptr);
  ok = files.Close(fd) == 0 && ok;
  ok = ok && files.Rename(tempPath.c_str(), target.c_str()) == 0;
  if (!ok) {
    files.Unlink(tempPath.c_str());
    return false;
  }
  SyncDirectory(directory);
  return true;
}

}  // namespace ombrelune
