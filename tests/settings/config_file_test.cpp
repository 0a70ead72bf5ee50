#include "settings/config_file.h"

#include <gtest/gtest.h>

#include "settings/data_paths.h"
#include "settings/factory_settings.h"
#include "support/link_fixture.h"
#include "support/memory_files.h"
#include "support/told_saves.h"

namespace vx {
namespace {

constexpr wchar_t kPath[] = L"C:\\Games\\Mouse\\config.bin";
constexpr wchar_t kAside[] = L"C:\\Games\\Mouse\\config.bin.bad";

struct ConfigFixture {
  test::MemoryFiles files;
  test::RecordingMessages messages;
  test::ToldSaves told;
  test::RecordingDiagnostics diagnostics;
  ConfigFile config{files, messages, told.saves, diagnostics};
  SettingsStore store;

  ConfigLoad Load(bool acceptable = true) {
    return config.Load(kPath, store, [acceptable](const SettingsRecord&) { return acceptable; });
  }
};

std::vector<uint8_t> ConfigBytes(uint8_t flag, uint8_t report_rate_code) {
  std::vector<uint8_t> bytes(kConfigFileSize, 0);
  bytes[0] = flag;
  bytes[1926] = report_rate_code;  // ReportRateCode
  return bytes;
}

TEST(DeriveDataPaths, ReplacesEveryOccurrenceOfTheProgramName) {
  const DataPaths paths = DeriveDataPaths(L"C:\\Vantorelliax GM.exe\\bin\\Vantorelliax GM.exe");
  EXPECT_EQ(paths.config_bin, L"C:\\config.bin\\bin\\config.bin");
  EXPECT_EQ(paths.record_ini, L"C:\\record.ini\\bin\\record.ini");
  EXPECT_EQ(paths.str_ini, L"C:\\str.ini\\bin\\str.ini");
  // Case-sensitive: another name leaves the program's own path.
  EXPECT_EQ(DeriveDataPaths(L"C:\\x\\vantorelliax gm.exe").config_bin,
            L"C:\\x\\vantorelliax gm.exe");
}

TEST(ConfigFile, AMissingFileIsReportedAndGivesTheFactorySettings) {
  ConfigFixture f;
  f.store.current.record.report_rate_code = 8;
  EXPECT_EQ(f.Load().outcome, ConfigLoad::Outcome::kMissing);
  EXPECT_EQ(f.messages.shown, std::vector<std::wstring>{L"Config file is not exist."});
  EXPECT_EQ(f.store.current.record, FactoryRecord());
  EXPECT_EQ(f.store.first_run_flag, 0);
  EXPECT_TRUE(f.files.files.empty());
}

// Whatever is wrong with the file, the page and the mouse get the factory settings (never a
// record of zeros, whose right button clicks left), and the file is kept aside, bytes and all.
TEST(ConfigFile, ADamagedFileIsKeptAsideAndGivesTheFactorySettings) {
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    bool not_a_file = false;
    bool unreadable = false;
    bool refused = false;
  };
  const std::vector<Case> cases = {
      {"empty", {}},
      {"cut to 1000 bytes", std::vector<uint8_t>(1000, 0x11)},
      {"one byte short", std::vector<uint8_t>(1985, 0x11)},
      {"one byte long", std::vector<uint8_t>(1987, 0x11)},
      {"far too large", std::vector<uint8_t>(4096, 0x11)},
      {"a folder", {}, true},
      {"unreadable", ConfigBytes(1, 4), false, true},
      {"refused by the check", ConfigBytes(1, 0), false, false, true},
  };
  for (const Case& c : cases) {
    ConfigFixture f;
    if (c.not_a_file) {
      f.files.not_files.insert(kPath);
    } else {
      f.files.files[kPath] = c.bytes;
    }
    f.files.read_fails = c.unreadable;
    const ConfigLoad load = f.Load(!c.refused);
    EXPECT_EQ(load.outcome, ConfigLoad::Outcome::kDamaged) << c.name;
    EXPECT_EQ(load.kept_as, kAside) << c.name;
    EXPECT_EQ(f.store.current.record, FactoryRecord()) << c.name;
    EXPECT_EQ(f.store.first_run_flag, 0) << c.name;
    EXPECT_FALSE(f.files.Exists(kPath)) << c.name;
    if (c.not_a_file) {
      EXPECT_EQ(f.files.not_files.count(kAside), 1u) << c.name;
    } else {
      EXPECT_EQ(f.files.files[kAside], c.bytes) << c.name;
    }
    EXPECT_TRUE(f.messages.shown.empty()) << c.name;
  }
}

TEST(ConfigFile, AnEarlierDamagedCopyKeepsItsName) {
  ConfigFixture f;
  f.files.files[kAside] = {1, 2, 3};
  f.files.files[kPath] = {4, 5};
  EXPECT_EQ(f.Load().kept_as, std::wstring(kAside) + L"2");
  EXPECT_EQ(f.files.files[kAside], (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_EQ(f.files.files[std::wstring(kAside) + L"2"], (std::vector<uint8_t>{4, 5}));
}

// A damaged file that cannot be moved aside is never replaced without a copy: every save of the
// run fails and says so.
TEST(ConfigFile, ADamagedFileThatCannotBeMovedIsNeverOverwritten) {
  ConfigFixture f;
  f.files.files[kPath] = {4, 5};
  f.files.rename_error = 5;
  EXPECT_EQ(f.Load().kept_as, L"");
  f.config.Save(kPath, f.store);
  EXPECT_EQ(f.files.files[kPath], (std::vector<uint8_t>{4, 5}));
  EXPECT_EQ(f.told.messages.shown,
            std::vector<std::wstring>{L"NULL ==fp |Error Code is: 5 \n" + std::wstring(kPath) +
                                      L" was not saved: error 5\n"});
}

TEST(ConfigFile, LoadsTheFlagAndTheRecord) {
  ConfigFixture f;
  std::vector<uint8_t> bytes = ConfigBytes(1, 4);
  bytes[1 + 0x787] = 10;  // DpiIndex of stage 1
  f.files.files[kPath] = bytes;
  EXPECT_EQ(f.Load().outcome, ConfigLoad::Outcome::kLoaded);
  EXPECT_EQ(f.store.first_run_flag, 1);
  EXPECT_EQ(f.store.current.record.report_rate_code, 4);
  EXPECT_EQ(f.store.current.record.dpi_index[0], 10);
  EXPECT_EQ(f.diagnostics.lines,
            std::vector<std::string>{"Prpgram First Run Flag:1\nRead Size is: 1985"});
}

TEST(ConfigFile, SaveRewritesTheFileWithFlagOne) {
  ConfigFixture f;
  f.files.files[kPath] = ConfigBytes(0, 1);
  f.Load();
  f.store.current.record.report_rate_code = 8;
  f.config.Save(kPath, f.store);
  const auto& saved = f.files.files[kPath];
  ASSERT_EQ(saved.size(), 1986u);
  EXPECT_EQ(saved[0], 1);
  EXPECT_EQ(saved[1926], 8);
  SettingsStore reloaded;
  f.config.Load(kPath, reloaded, [](const SettingsRecord&) { return true; });
  EXPECT_EQ(reloaded.current.record, f.store.current.record);
}

TEST(ConfigFile, SaveCreatesAMissingFile) {
  ConfigFixture f;
  f.Load();
  f.config.Save(kPath, f.store);
  ASSERT_EQ(f.files.files[kPath].size(), kConfigFileSize);
  EXPECT_EQ(f.files.files[kPath][1926], FactoryRecord().report_rate_code);
  EXPECT_TRUE(f.told.messages.shown.empty());
}

TEST(ConfigFile, AFailedSaveKeepsTheOldFileWholeAndNamesTheFile) {
  ConfigFixture f;
  const std::vector<uint8_t> old(kConfigFileSize, 0x33);
  f.files.files[kPath] = old;
  f.files.replace_error = 112;  // disk full
  f.store.current.record.light_mode = 2;
  f.config.Save(kPath, f.store);
  EXPECT_EQ(f.files.files[kPath], old);
  EXPECT_EQ(f.told.messages.shown,
            std::vector<std::wstring>{L"NULL ==fp |Error Code is: 112 \n" + std::wstring(kPath) +
                                      L" was not saved: error 112\n"});
}

}  // namespace
}  // namespace vx
