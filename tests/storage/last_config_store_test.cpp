#include "storage/last_config_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <string>

#include "test_files.h"

namespace ombrelune {
namespace {

std::string RecordBytes(const LastConfigRecord& record) {
  return std::string(record.bytes.begin(), record.bytes.end());
}

TelescopeConfig SomeConfig() {
  TelescopeConfig config = StartupDefaults();
  config.primaryDiameter = 254;
  config.focuserEnabled = 1;
  return config;
}

class LastConfigFile : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::string path = dir.File("ombrelune.cfg");
  test::FaultyFiles files;
};

TEST_F(LastConfigFile, FirstStartCreatesTheDefaultRecord) {
  LastConfigStore store(files);
  OpenLastConfig(store, path);
  EXPECT_TRUE(store.usable);
  EXPECT_EQ(test::ReadBytes(path), RecordBytes(DefaultLastConfigRecord()));
  EXPECT_FALSE(DecodeLastConfig(store.record).loadAtStart);
  EXPECT_EQ(DecodeLastConfig(store.record).config.focuserToFocus, 133);
}

TEST_F(LastConfigFile, ExitWritesTheRecordOnceAndTheNextStartReadsIt) {
  {
    LastConfigStore store(files);
    OpenLastConfig(store, path);
    ToggleLoadAtStart(store);
    files.writes.clear();
    EXPECT_TRUE(StoreLastConfig(store, SomeConfig(), "Baader MPCC", "IMX571 %"));
    ASSERT_EQ(files.writes.size(), 1u);
    EXPECT_EQ(files.writes[0].size, LastConfigRecordBytes);
    EXPECT_EQ(files.writes[0].offset, 0);
    EXPECT_GE(files.syncs, 1);
    EXPECT_FALSE(StoreLastConfig(store, SomeConfig(), "", "")) << "closed after the store";
  }
  LastConfigStore next(files);
  OpenLastConfig(next, path);
  const StoredConfig s = DecodeLastConfig(next.record);
  EXPECT_TRUE(s.loadAtStart);
  EXPECT_EQ(s.config.primaryDiameter, 254);
  EXPECT_EQ(s.config.focuserEnabled, 1);
  EXPECT_EQ(s.config.focuserToFocus, 101);
  EXPECT_EQ(s.correctorName, "Baader MPCC");
  EXPECT_EQ(s.sensorName, "IMX571 %");
}

TEST_F(LastConfigFile, ToggleTwiceGivesTheFormerValue) {
  LastConfigStore store(files);
  OpenLastConfig(store, path);
  ToggleLoadAtStart(store);
  EXPECT_TRUE(LoadAtStart(store.record));
  ToggleLoadAtStart(store);
  EXPECT_FALSE(LoadAtStart(store.record));
}

TEST_F(LastConfigFile, ShortFileKeepsTheRestOfTheRecord) {
  const std::string head = RecordBytes(DefaultLastConfigRecord()).substr(0, 80);
  test::WriteBytes(path, "\x01" + head.substr(1));
  LastConfigStore store(files);
  OpenLastConfig(store, path);
  ASSERT_TRUE(store.usable);
  const StoredConfig s = DecodeLastConfig(store.record);
  EXPECT_TRUE(s.loadAtStart);
  EXPECT_EQ(s.config.focuserToFocus, 133);   // bytes 64-71, inside the 80 read
  EXPECT_EQ(s.config.correctorDiameter, 0);  // byte 176, beyond: the record's zeros
  EXPECT_EQ(s.correctorName, "Televue");     // cut by the file end, ended by the zeros
  EXPECT_TRUE(StoreLastConfig(store, SomeConfig(), "c", "s"));
  EXPECT_EQ(test::ReadBytes(path).size(), LastConfigRecordBytes);
}

TEST_F(LastConfigFile, EmptyFileStartsWithTheDefaultsAndIsWrittenWholeAtExit) {
  test::WriteBytes(path, "");
  LastConfigStore store(files);
  OpenLastConfig(store, path);
  ASSERT_TRUE(store.usable);
  EXPECT_FALSE(LoadAtStart(store.record));
  EXPECT_TRUE(StoreLastConfig(store, SomeConfig(), "c", "s"));
  EXPECT_EQ(test::ReadBytes(path).size(), LastConfigRecordBytes);
}

TEST_F(LastConfigFile, UnusableWhenItCanNeitherBeOpenedNorCreated) {
  const std::string existing = RecordBytes(DefaultLastConfigRecord());
  const struct {
    const char* what;
    std::string path;
    int openError;  // injected on every open, 0 for none
  } cases[] = {
      {"a folder in the file's place", dir.File("folder.cfg"), 0},
      {"a missing folder", dir.File("gone/ombrelune.cfg"), 0},
      {"too many open files", path, EMFILE},
      {"input/output error", path, EIO},
  };
  ::mkdir(dir.File("folder.cfg").c_str(), 0755);
  test::WriteBytes(path, existing);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    files.openError = c.openError;
    LastConfigStore store(files);
    SetLoadAtStart(store.record, true);
    OpenLastConfig(store, c.path);
    EXPECT_FALSE(store.usable);
    EXPECT_FALSE(LoadAtStart(store.record)) << "the start uses the built-in defaults";
    EXPECT_FALSE(StoreLastConfig(store, SomeConfig(), "c", "s"));
  }
  EXPECT_EQ(test::ReadBytes(path), existing) << "an existing file is never emptied";
  EXPECT_FALSE(test::Exists(dir.File("gone")));
}

TEST_F(LastConfigFile, FailedWriteIsReported) {
  LastConfigStore store(files);
  OpenLastConfig(store, path);
  files.writeError = ENOSPC;
  EXPECT_FALSE(StoreLastConfig(store, SomeConfig(), "c", "s"));
  EXPECT_EQ(store.fd, -1) << "closed all the same";
}

}  // namespace
}  // namespace ombrelune
