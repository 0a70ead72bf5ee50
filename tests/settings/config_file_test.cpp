#include "settings/config_file.h"

#include <gtest/gtest.h>

#include "settings/data_paths.h"
#include "support/link_fixture.h"
#include "support/memory_files.h"

namespace vx {
namespace {

constexpr wchar_t kPath[] = L"C:\\Games\\Mouse\\config.bin";

struct ConfigFixture {
  test::MemoryFiles files;
  test::RecordingMessages messages;
  test::RecordingDiagnostics diagnostics;
  ConfigFile config{files, messages, diagnostics};
  SettingsStore store;
};

TEST(DeriveDataPaths, ReplacesEveryOccurrenceOfTheProgramName) {
  const DataPaths paths = DeriveDataPaths(L"C:\\Vantorelliax GM.exe\\bin\\Vantorelliax GM.exe");
  EXPECT_EQ(paths.config_bin, L"C:\\config.bin\\bin\\config.bin");
  EXPECT_EQ(paths.record_ini, L"C:\\record.ini\\bin\\record.ini");
  EXPECT_EQ(paths.str_ini, L"C:\\str.ini\\bin\\str.ini");
  // Case-sensitive: another name leaves the program's own path.
  EXPECT_EQ(DeriveDataPaths(L"C:\\x\\vantorelliax gm.exe").config_bin,
            L"C:\\x\\vantorelliax gm.exe");
}

TEST(ConfigFile, MissingOrUnreadableFileIsReportedAndLeavesTheRecordZero) {
  for (const bool exists : {false, true}) {
    ConfigFixture f;
    if (exists) f.files.files[kPath] = std::vector<uint8_t>(kConfigFileSize, 7);
    f.files.read_fails = exists;
    f.config.Load(kPath, f.store);
    EXPECT_EQ(f.messages.shown, std::vector<std::wstring>{L"Config file is not exist."});
    EXPECT_EQ(f.store.current, SettingsRecord{});
    EXPECT_EQ(f.store.first_run_flag, 0);
  }
}

TEST(ConfigFile, AFileOfAnyOtherSizeIsIgnoredSilently) {
  for (const size_t size : {size_t{0}, size_t{1985}, size_t{1987}, size_t{4096}}) {
    ConfigFixture f;
    f.files.files[kPath] = std::vector<uint8_t>(size, 0x11);
    f.config.Load(kPath, f.store);
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(f.store.current, SettingsRecord{}) << size;
  }
}

// A folder, a pipe or a device of that name is no config.bin: it is never read (a pipe would
// keep the program waiting, a device fill its memory) and is told as a file that is not there.
TEST(ConfigFile, AnythingButARegularFileIsReportedUnread) {
  ConfigFixture f;
  f.files.not_files.insert(kPath);
  f.config.Load(kPath, f.store);
  EXPECT_EQ(f.messages.shown, std::vector<std::wstring>{L"Config file is not exist."});
  EXPECT_EQ(f.store.current, SettingsRecord{});
}

TEST(ConfigFile, AFileLargerThanAConfigIsIgnoredWithoutBeingRead) {
  ConfigFixture f;
  f.files.files[kPath] = std::vector<uint8_t>(kConfigFileSize + 1, 0x11);
  f.config.Load(kPath, f.store);
  EXPECT_EQ(f.files.last_read_limit, kConfigFileSize);
  EXPECT_TRUE(f.messages.shown.empty());
  EXPECT_EQ(f.store.current, SettingsRecord{});
}

TEST(ConfigFile, LoadsTheFlagAndTheRecord) {
  ConfigFixture f;
  std::vector<uint8_t> bytes(kConfigFileSize, 0);
  bytes[0] = 1;
  bytes[1926] = 4;        // ReportRateCode
  bytes[1 + 0x787] = 10;  // DpiIndex of stage 1
  f.files.files[kPath] = bytes;
  f.config.Load(kPath, f.store);
  EXPECT_EQ(f.store.first_run_flag, 1);
  EXPECT_EQ(f.store.current.report_rate_code, 4);
  EXPECT_EQ(f.store.current.dpi_index[0], 10);
  EXPECT_EQ(f.diagnostics.lines,
            std::vector<std::string>{"Prpgram First Run Flag:1\nRead Size is: 1985"});
}

TEST(ConfigFile, SaveRewritesTheFileWithFlagOne) {
  ConfigFixture f;
  f.files.files[kPath] = std::vector<uint8_t>(kConfigFileSize, 0);
  f.config.Load(kPath, f.store);
  f.store.current.report_rate_code = 8;
  f.config.Save(kPath, f.store);
  const auto& saved = f.files.files[kPath];
  ASSERT_EQ(saved.size(), 1986u);
  EXPECT_EQ(saved[0], 1);
  EXPECT_EQ(saved[1926], 8);
  SettingsStore reloaded;
  f.config.Load(kPath, reloaded);
  EXPECT_EQ(reloaded.current, f.store.current);
}

TEST(ConfigFile, SaveNeverCreatesAMissingFile) {
  ConfigFixture f;
  f.config.Save(kPath, f.store);
  EXPECT_TRUE(f.files.files.empty());
  EXPECT_EQ(f.messages.shown, std::vector<std::wstring>{L"Config file is not exist."});
}

TEST(ConfigFile, AFailedSaveKeepsTheOldFileWholeAndShowsTheErrorCode) {
  ConfigFixture f;
  const std::vector<uint8_t> old(kConfigFileSize, 0x33);
  f.files.files[kPath] = old;
  f.files.replace_error = 112;  // disk full
  f.store.current.light_mode = 2;
  f.config.Save(kPath, f.store);
  EXPECT_EQ(f.files.files[kPath], old);
  EXPECT_EQ(f.messages.shown, std::vector<std::wstring>{L"NULL ==fp |Error Code is: 112 \n"});
}

}  // namespace
}  // namespace vx
