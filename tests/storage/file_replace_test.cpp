#include "storage/file_replace.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "test_files.h"

namespace ombrelune {
namespace {

std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder)) {
    names.push_back(e.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

mode_t Mode(const std::string& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return st.st_mode & 07777;
}

class ReplaceFile : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::string path = dir.File("config.txt");
};

TEST_F(ReplaceFile, NewFileGetsTheUsualPermissions) {
  const mode_t mask = ::umask(022);
  ::umask(mask);
  EXPECT_TRUE(WriteFileReplacing(path, "new\r\n"));
  EXPECT_EQ(test::ReadBytes(path), "new\r\n");
  EXPECT_EQ(Mode(path), 0666 & ~mask);
  EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"config.txt"});
}

TEST_F(ReplaceFile, ExistingFileKeepsItsPermissions) {
  test::WriteBytes(path, "a much longer old content");
  ::chmod(path.c_str(), 0640);
  EXPECT_TRUE(WriteFileReplacing(path, "short"));
  EXPECT_EQ(test::ReadBytes(path), "short");
  EXPECT_EQ(Mode(path), 0640u);
}

TEST_F(ReplaceFile, SymbolicLinkReplacesTheFileItPointsTo) {
  ::mkdir(dir.File("real").c_str(), 0755);
  test::WriteBytes(dir.File("real/config.txt"), "old");
  ASSERT_EQ(::symlink("real/config.txt", path.c_str()), 0);
  EXPECT_TRUE(WriteFileReplacing(path, "new"));
  EXPECT_TRUE(std::filesystem::is_symlink(path));
  EXPECT_EQ(test::ReadBytes(dir.File("real/config.txt")), "new");
  EXPECT_EQ(Entries(dir.File("real")), std::vector<std::string>{"config.txt"});

  ASSERT_EQ(::symlink("real/later.txt", dir.File("dangling").c_str()), 0);
  EXPECT_TRUE(WriteFileReplacing(dir.File("dangling"), "created"));
  EXPECT_EQ(test::ReadBytes(dir.File("real/later.txt")), "created");
}

TEST_F(ReplaceFile, FailureLeavesTheOldFileIntact) {
  const struct {
    const char* what;
    std::string target;
    int test::FaultyFiles::*fault;
    int error;
  } cases[] = {
      {"a folder in the file's place", dir.File("folder"), nullptr, 0},
      {"a vanished folder", dir.File("gone/config.txt"), nullptr, 0},
      {"cannot create the temporary file", path, &test::FaultyFiles::openError, EMFILE},
      {"disk full while writing", path, &test::FaultyFiles::writeError, ENOSPC},
      {"sync fails", path, &test::FaultyFiles::syncError, EIO},
      {"close fails", path, &test::FaultyFiles::closeError, EIO},
      {"rename fails", path, &test::FaultyFiles::renameError, EXDEV},
  };
  ::mkdir(dir.File("folder").c_str(), 0755);
  test::WriteBytes(dir.File("folder/inside"), "kept");
  test::WriteBytes(path, "old content");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    test::FaultyFiles files;
    if (c.fault != nullptr) files.*c.fault = c.error;
    EXPECT_FALSE(WriteFileReplacing(c.target, "new content", files));
    EXPECT_EQ(test::ReadBytes(path), "old content");
    EXPECT_EQ(Entries(dir.path()), (std::vector<std::string>{"config.txt", "folder"}))
        << "no temporary file left";
  }
  EXPECT_EQ(test::ReadBytes(dir.File("folder/inside")), "kept");
}

}  // namespace
}  // namespace ombrelune
