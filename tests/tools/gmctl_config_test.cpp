#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <regex>
#include <sstream>

#include "settings/config_file.h"
#include "settings/settings_store.h"
#include "sim/mouse_memory.h"
#include "support/gmctl_run.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vx::gmctl {
namespace {

namespace fs = std::filesystem;

using test::Gmctl;
using test::GmctlRun;

class GmctlConfigTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("gmctl-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) {
    const fs::path path = dir_ / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path.string();
  }

  // A config.bin holding the factory key assignment, 500 Hz and two DPI stages on.
  std::string DefaultsConfig() {
    SettingsRecord record{};
    ApplyKeySetDefaults(record, KeySetId::kA);
    ApplyKeySetDefaults(record, KeySetId::kB);
    record.report_rate_code = 2;
    record.dpi_index = {1, 4, 7, 10};
    record.dpi_enabled = {1, 1, 0, 0};
    std::vector<uint8_t> bytes{1};
    const auto body = RecordToBytes(record);
    bytes.insert(bytes.end(), body.begin(), body.end());
    return WriteFile("config.bin", bytes);
  }

  fs::path dir_;
};

TEST_F(GmctlConfigTest, MatricesOfTheFactoryAssignment) {
  const GmctlRun run = Gmctl({"matrices", DefaultsConfig()});
  EXPECT_EQ(run.code, 0) << run.err;
  const std::string matrix1 =
      "00f00001 00f10001 00f20001 01040007 00070800 00030007 0322f00a 00030008 "
      "00f40001 00f30001 00000000 00000000 00000000 00000000 00f70001 00f80001";
  const std::string zeros =
      "00000000 00000000 00000000 00000000 00000000 00000000 00000000 00000000 "
      "00000000 00000000 00000000 00000000 00000000 00000000 00000000 00000000";
  EXPECT_EQ(run.out, "matrix 1: " + matrix1 + "\nmatrix 2: " + zeros + "\nmatrix 3: " + matrix1 +
                         "\nmatrix 4: " + zeros + "\n");
}

TEST_F(GmctlConfigTest, ShowPrintsTheFieldsByName) {
  const GmctlRun run = Gmctl({"show", DefaultsConfig()});
  EXPECT_EQ(run.code, 0) << run.err;
  for (const char* line : {"FirstRunFlag 1\n", "\nReportRateCode 2\n", "\nDpiIndex 1 4 7 10\n",
                           "\nDpiEnabled 1 1 0 0\n", "\nCurrentKeySet 0\n"}) {
    EXPECT_NE(run.out.find(line), std::string::npos) << line;
  }
  EXPECT_NE(run.out.find("\nKeySetA.Button9 KeyType 12 MediaIndex 0"), std::string::npos);
  EXPECT_NE(run.out.find(" ComboModifiers 8 ComboUsage1 7 ComboUsage2 0"), std::string::npos);
  EXPECT_NE(run.out.find("\nKeySetB.Button8 KeyType 6 "), std::string::npos);
  EXPECT_NE(run.out.find(" KeyParam6 4\n"), std::string::npos);
}

TEST_F(GmctlConfigTest, ApplyProgramsTheVirtualMouseAndSavesItsState) {
  const std::string state = (dir_ / "mouse.txt").string();
  const GmctlRun run = Gmctl({"apply", "--virtual", DefaultsConfig(), "--mouse-state", state});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_NE(run.out.find("\nnotify 14 0\n"), std::string::npos);
  EXPECT_TRUE(std::regex_search(run.out, std::regex("\nready 1\napply took [0-9]+ ms, "
                                                    "pauses asked 251 ms\n$")))
      << run.out.substr(run.out.size() - 200);
  std::ifstream file(state);
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const auto memory = sim::ParseMouseMemory(text, sim::MouseMemory{});
  ASSERT_TRUE(memory.memory) << memory.error;
  EXPECT_EQ(memory.memory->rate, 2);
  EXPECT_EQ(memory.memory->dpi,
            (std::array<uint8_t, 9>{4, 0x02, 0x05, 0x88, 0xA7, 0x80, 0x80, 0x80, 0x80}));
  EXPECT_EQ(memory.memory->matrix[0][16], 0x00);
  EXPECT_EQ(memory.memory->matrix[0][17], 0x08);
  EXPECT_EQ(memory.memory->sensor[3] & 0x40, 0x40) << "the sensor block was refreshed first";
}

TEST_F(GmctlConfigTest, ApplyUsesTheSensorTypeOfTheVirtualMouse) {
  const std::string state = (dir_ / "mouse.txt").string();
  const GmctlRun run =
      Gmctl({"apply", "--virtual", DefaultsConfig(), "--sensor-type", "4", "--mouse-state", state});
  EXPECT_EQ(run.code, 0) << run.err;
  std::ifstream file(state);
  std::string first, dpi;
  std::getline(file, first);
  while (dpi.rfind("dpi ", 0) != 0 && std::getline(file, dpi)) {
  }
  EXPECT_EQ(dpi, "dpi 04 00 00 80 80 80 80 80 80");
}

TEST_F(GmctlConfigTest, AnApplyThatStopsNamesTheFailedCommandAndStillSavesTheMouse) {
  struct Case {
    const char* fault;
    const char* failed;
    const char* effect;  // as the mouse keeps it
  };
  const Case cases[] = {
      {"no-answer", "0x8d read effect", "effect 01 03 02"},
      {"garbage", "0x8d read effect", "effect 01 03 02"},
      {"no-input-reports", "0x90 read configuration block 0", "effect 01 03 02"},
      {"output-timeout", "0x10 write configuration block 0", "effect 01 03 02"},
      {"unplug-after=1", "0x10 write configuration block 1", "effect 01 03 02"},
      {"unplug-after=20", "0x13 write macro slot 5", "effect 01 03 02"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fault);
    const std::string state = (dir_ / "mouse.txt").string();
    fs::remove(state);
    const GmctlRun run =
        Gmctl({"apply", "--virtual", DefaultsConfig(), "--fault", c.fault, "--mouse-state", state});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, std::string("gmctl: the apply stopped: ") + c.failed +
                           " failed, nothing more was sent\n");
    EXPECT_NE(run.out.find("\nready 1\napply took "), std::string::npos) << "the trace is printed";
    std::ifstream file(state);
    const std::string text((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    const auto memory = sim::ParseMouseMemory(text, sim::MouseMemory{});
    ASSERT_TRUE(memory.memory) << memory.error;
    const sim::MouseMemory factory = sim::DefaultMouseMemory();
    EXPECT_EQ(memory.memory->config[0], factory.config[0]) << "the mouse keeps its own block";
    EXPECT_EQ(memory.memory->led, factory.led);
    EXPECT_NE(text.find(std::string("\n") + c.effect + "\n"), std::string::npos);
  }
}

// A record of zeros (report rate code 0) is what a damaged file gives, never what the pages make.
TEST_F(GmctlConfigTest, ARecordTheMouseMustNotGetIsNotSent) {
  const std::string state = (dir_ / "mouse.txt").string();
  const GmctlRun run = Gmctl({"apply", "--virtual",
                              WriteFile("zeros.bin", std::vector<uint8_t>(kConfigFileSize, 0)),
                              "--mouse-state", state});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.err,
            "gmctl: the settings hold report rate code 0, which the mouse must not get; nothing "
            "was sent\n");
  EXPECT_EQ(run.out.find("write "), std::string::npos) << "no output report went out";
  std::ifstream file(state);
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text.rfind("rate 01\n", 0), 0u) << "the mouse keeps its own rate";
}

TEST_F(GmctlConfigTest, FaultsStartAfterTheHandshake) {
  const GmctlRun run = Gmctl({"apply", "--virtual", DefaultsConfig(), "--fault", "no-answer"});
  EXPECT_NE(run.out.find("\nnotify 14 0\n"), std::string::npos) << "the handshake went through";
  // The sensor refresh meets the fault first: its read fails and nothing is written back.
  EXPECT_EQ(run.out.find("plain=0003"), std::string::npos);
}

TEST_F(GmctlConfigTest, BadInputNamesTheProblemAndWritesNothing) {
  const std::string state = (dir_ / "mouse.txt").string();
  const std::string short_file = WriteFile("short.bin", std::vector<uint8_t>(1985));
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"show", (dir_ / "missing.bin").string()}, "no such file"},
      {{"matrices", short_file}, "1985 bytes, but a config.bin has 1986"},
      {{"apply", "--virtual", short_file, "--mouse-state", state}, "1985 bytes"},
      {{"show", dir_.string()}, "cannot be read"},
  };
  for (const auto& [args, problem] : cases) {
    const GmctlRun run = Gmctl(args);
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find(problem), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
  }
  EXPECT_FALSE(fs::exists(state));
  EXPECT_EQ(Gmctl({"apply", "--virtual"}).code, 2);
  EXPECT_EQ(Gmctl({"apply", "--virtual", "x.bin", "--sensor-type", "256"}).code, 2);
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"apply", "--virtual", "x.bin", "--fault", "unplugged"},
           {"apply", "--virtual", "x.bin", "--fault"},
           {"apply", "x.bin", "--fault", "garbage"}}) {
    const GmctlRun run = Gmctl(args);
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
}

TEST_F(GmctlConfigTest, AConfigIsReadOnlyAfterItsKindAndSizeAreChecked) {
  const std::string big = WriteFile("big.bin", {});
  fs::resize_file(big, uint64_t{1} << 32);  // sparse: the size alone tells
  const GmctlRun run = Gmctl({"show", big});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.err, "gmctl: " + big + ": 4294967296 bytes, but a config.bin has 1986\n");
  const std::string long_file = WriteFile("long.bin", std::vector<uint8_t>(1987));
  EXPECT_EQ(Gmctl({"matrices", long_file}).err,
            "gmctl: " + long_file + ": 1987 bytes, but a config.bin has 1986\n");
}

#ifndef _WIN32
// A pipe would keep gmctl waiting for a writer, /dev/zero would fill its memory.
TEST_F(GmctlConfigTest, APipeOrADeviceIsRefusedUnread) {
  const std::string fifo = (dir_ / "config.bin").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  for (const std::string& path : {fifo, std::string("/dev/zero"), std::string("/dev/null")}) {
    for (const char* command : {"show", "matrices"}) {
      auto running = std::async(std::launch::async, [&] { return Gmctl({command, path}); });
      if (running.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        const int writer = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);  // lets a waiting open go
        close(writer);
        ADD_FAILURE() << command << " " << path << " hangs";
      }
      const GmctlRun run = running.get();
      EXPECT_EQ(run.code, 1);
      EXPECT_TRUE(run.out.empty());
      EXPECT_EQ(run.err, "gmctl: " + path + ": cannot be read\n");
    }
  }
  const std::string state = (dir_ / "mouse.txt").string();
  EXPECT_EQ(Gmctl({"apply", "--virtual", "/dev/zero", "--mouse-state", state}).code, 1);
  EXPECT_FALSE(fs::exists(state));
}
#endif

}  // namespace
}  // namespace vx::gmctl
