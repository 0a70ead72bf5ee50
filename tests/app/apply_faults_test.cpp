// Apply against a virtual mouse that fails in each of the ways a real one can: what the mouse
// keeps, how long the window waits, what the user is told, and what is saved.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <span>

#include "app/app_fixture.h"
#include "common/text_format.h"
#include "device/device_broadcast.h"

namespace vx {
namespace {

using test::AppFixture;

constexpr wchar_t kWarning[] =
    L"The mouse did not answer. Your settings are saved and will be sent with the next Apply.";
constexpr wchar_t kMissing[] = L"The system did not detect the gaming mouse!";
constexpr wchar_t kFound[] = L"The system detect the gaming mouse.";

// The mouse's own configuration block 0 as it leaves the factory: c0 c1 ... d7.
constexpr char kOwnBlock0[] = "c0c1c2c3c4c5c6c7c8c9cacbcccdcecfd0d1d2d3d4d5d6d7";
// Configuration block 1 as an apply writes it: the four stage colours, then zeros.
constexpr char kColourBlock1[] = "0102030405060708090a0b0c000000000000000000000000";
constexpr char kZeroBlock[] = "000000000000000000000000000000000000000000000000";

// One row of the table: a fault, then a click on Apply, then what is left.
struct Row {
  const char* name;
  std::function<void(AppFixture&)> fault;
  // The mouse's memory after the apply.
  const char* rate;
  const char* effect;
  const char* led0;
  const char* block0;
  const char* block1;
  const char* sensor;
  uint8_t sensor_type;
  // Time the window was blocked, by the virtual bus's clock.
  uint64_t blocked_ms;
  // What the user was told: the message box's text (caption "Warning") and the balloon of the
  // link's new check, each empty for none.
  std::wstring box;
  std::wstring balloon;
  bool ready_after;
  // The debug trace's last line about the apply.
  std::wstring traced;
};

// Before every row: a mouse with sensor type 2 (effect 01 03 02, LED set 0 01 00 00, block 0
// c0 .. d7), its sensor block refreshed by the first-time set-up, the basic page shown, and a
// record whose every sent part differs from what the mouse holds.
void Prepare(AppFixture& f) {
  f.mouse = f.bus.AddMouse(sim::ProbeMode::kScrambled, sim::DefaultMouseMemory(2));
  f.AddConfig(1);
  f.Start();
  f.Tray(kMsgLButtonUp);
  ASSERT_TRUE(f.Visible());
  ASSERT_EQ(f.dialog->link().sensor_type, 2);
  SettingsRecord& record = f.dialog->settings().current.record;
  record.report_rate_code = 8;
  record.light_mode = 3;
  record.light_sub3 = 2;
  record.light_param3 = 4;
  for (size_t i = 0; i < 12; ++i) record.dpi_colour[i] = uint8_t(i + 1);
}

void Arrive(AppFixture& f) {
  const DeviceBroadcast broadcast{kDeviceTypeInterface, f.bus.interfaces().back().path};
  f.dialog->OnDeviceChange(kDeviceArrival, &broadcast);
  f.windows.PumpSent();
}

TEST(ApplyFaults, NothingUnreadReachesTheMouseAndTheUserIsTold) {
  const std::wstring stopped = L"apply stopped at ";
  // clang-format off
  const Row rows[] = {
      {"no fault", [](AppFixture&) {},
       "08", "030502", "02640a", kOwnBlock0, kColourBlock1, "02010040", 2,
       0, L"", L"", true, L"applied"},
      {"every feature read fails", [](AppFixture& f) { f.bus.faults.no_feature_answer = true; },
       "08", "010302", "010000", kOwnBlock0, kZeroBlock, "02010040", 2,
       0, kWarning, kMissing, false, stopped + L"0x8d read effect"},
      {"input reports never arrive",
       [](AppFixture& f) { f.bus.faults.input_reports_never_arrive = true; },
       "08", "010302", "010000", kOwnBlock0, kZeroBlock, "02010040", 2,
       1000, kWarning, kFound, true, stopped + L"0x90 read configuration block 0"},
      {"garbage answers", [](AppFixture& f) { f.bus.faults.garbage_answers = true; },
       "08", "010302", "010000", kOwnBlock0, kZeroBlock, "02010040", 2,
       0, kWarning, kMissing, false, stopped + L"0x8d read effect"},
      {"read-back names another set or block",
       [](AppFixture& f) { f.bus.firmware(f.mouse).answered_target_override = 1; },
       "08", "010302", "010000", kOwnBlock0, kZeroBlock, "02010040", 2,
       0, kWarning, kFound, true, stopped + L"0x87 read LED colour set 0"},
      {"read-back answers a shorter length",
       [](AppFixture& f) { f.bus.firmware(f.mouse).answered_length_override = 8; },
       "08", "010302", "010000", kOwnBlock0, kZeroBlock, "02010040", 2,
       0, kWarning, kFound, true, stopped + L"0x90 read configuration block 0"},
      {"output reports time out",
       [](AppFixture& f) { f.bus.faults.output_reports_time_out = true; },
       "08", "010302", "010000", kOwnBlock0, kZeroBlock, "02010040", 2,
       1000, kWarning, kFound, true, stopped + L"0x10 write configuration block 0"},
      {"unplugged after the first output report",
       [](AppFixture& f) { f.bus.faults.unplug_after_output_reports = 1; },
       "08", "010302", "010000", kOwnBlock0, kZeroBlock, "02010040", 2,
       0, kWarning, kMissing, false, stopped + L"0x10 write configuration block 1"},
      // The mouse comes back reset, with sensor type 3, and stops answering after its handshake:
      // the refresh writes nothing back and the sensor type stays 2.
      {"feature reads fail from the sensor refresh on",
       [](AppFixture& f) {
         f.bus.firmware(f.mouse).memory().sensor = {3, 0x01, 0x00, 0x00};
         f.bus.faults_after_handshake = sim::BusFaultsNamed("no-answer");
         Arrive(f);
       },
       "08", "010302", "010000", kOwnBlock0, kZeroBlock, "03010000", 2,
       0, kWarning, kMissing, false, stopped + L"0x8d read effect"},
  };
  // clang-format on
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    AppFixture f;
    Prepare(f);
    const sim::MouseMemory& memory = f.bus.firmware(f.mouse).memory();
    ASSERT_EQ(HexString(memory.effect), "010302");
    ASSERT_EQ(HexString(memory.led[0]), "010000");
    ASSERT_EQ(HexString(memory.config[0]), kOwnBlock0);
    const uint8_t snapshot_rate = f.dialog->settings().snapshot.record.report_rate_code;

    row.fault(f);
    const size_t boxes = f.windows.boxes.size();
    const size_t balloons = f.windows.balloons.size();
    const size_t traced = f.windows.trace.size();
    const uint64_t blocked = f.bus.blocked_ms();
    f.windows.Click(*f.dialog, 700, 630);
    f.windows.PumpSent();

    EXPECT_EQ(HexString(std::span(&memory.rate, 1)), row.rate);
    EXPECT_EQ(HexString(memory.effect), row.effect);
    EXPECT_EQ(HexString(memory.led[0]), row.led0);
    EXPECT_EQ(HexString(memory.config[0]), row.block0);
    EXPECT_EQ(HexString(memory.config[1]), row.block1);
    EXPECT_EQ(HexString(memory.sensor), row.sensor);
    EXPECT_EQ(f.dialog->link().sensor_type, row.sensor_type);
    EXPECT_EQ(f.bus.blocked_ms() - blocked, row.blocked_ms);

    const std::vector<headless::ShownBox> shown(f.windows.boxes.begin() + boxes,
                                                f.windows.boxes.end());
    if (row.box.empty()) {
      EXPECT_TRUE(shown.empty());
    } else {
      ASSERT_EQ(shown.size(), 1u);
      EXPECT_EQ(shown[0].caption, L"Warning");
      EXPECT_EQ(shown[0].text, row.box);
    }
    const std::vector<headless::ShownBalloon> told(f.windows.balloons.begin() + balloons,
                                                   f.windows.balloons.end());
    if (row.balloon.empty()) {
      EXPECT_TRUE(told.empty());
    } else {
      ASSERT_EQ(told.size(), 1u) << "the link is checked again";
      EXPECT_EQ(told[0].text, row.balloon);
    }
    EXPECT_EQ(f.dialog->link().DeviceReady(), row.ready_after);
    const std::vector<std::wstring> lines(f.windows.trace.begin() + traced, f.windows.trace.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), row.traced), lines.end());

    // The user's choices are saved in every case; the snapshot follows only a complete apply.
    EXPECT_EQ(f.files.files[test::kConfigPath][1926], 8);
    EXPECT_EQ(f.dialog->settings().snapshot.record.report_rate_code, row.box.empty() ? 8 : snapshot_rate);
  }
}

}  // namespace
}  // namespace vx
