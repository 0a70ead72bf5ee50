#include "device/full_apply.h"

#include <gtest/gtest.h>

#include "common/text_format.h"
#include "settings/settings_store.h"
#include "support/link_fixture.h"

namespace vx {
namespace {

using test::LinkFixture;

TEST(ApplyLighting, SetsWhatTheModeNamesAndKeepsTheRestAsRead) {
  struct Case {
    uint8_t mode, sub2, sub3, param;
    std::array<uint8_t, 3> effect, led0;
  };
  const Case cases[] = {
      {1, 0, 0, 4, {1, 5, 2}, {1, 7, 7}},
      {1, 0, 0, 255, {1, 0, 2}, {1, 7, 7}},  // the sent value wraps
      {2, 1, 0, 0, {2, 1, 2}, {1, 7, 7}},
      {2, 2, 0, 9, {2, 10, 3}, {2, 2, 3}},
      {2, 0, 0, 3, {2, 4, 9}, {7, 7, 7}},
      {3, 0, 2, 2, {3, 3, 9}, {2, 100, 10}},
      {3, 0, 3, 6, {3, 7, 9}, {3, 5, 5}},
      {3, 0, 1, 1, {3, 2, 9}, {7, 7, 7}},
      {0, 1, 2, 5, {9, 9, 9}, {7, 7, 7}},
      {4, 1, 2, 5, {9, 9, 9}, {7, 7, 7}},
  };
  for (const Case& c : cases) {
    SettingsRecord record{};
    record.light_mode = c.mode;
    record.light_sub2 = c.sub2;
    record.light_sub3 = c.sub3;
    record.light_param1 = record.light_param2 = record.light_param3 = c.param;
    DeviceImage image;
    image.effect_block = {9, 9, 9};
    image.led_colour_blocks = {{{7, 7, 7}, {8, 8, 8}}};
    ApplyLighting(record, image);
    EXPECT_EQ(image.effect_block, c.effect) << int(c.mode) << "/" << int(c.sub2) << int(c.sub3);
    EXPECT_EQ(image.led_colour_blocks[0], c.led0) << int(c.mode);
    EXPECT_EQ(image.led_colour_blocks[1], (std::array<uint8_t, 3>{8, 8, 8}));
  }
}

TEST(BuildDpiStageTable, SetsBit7OnDisabledStagesAndSwitchesStagesFiveToEightOff) {
  struct Case {
    uint8_t sensor_type;
    std::array<uint8_t, 4> index, enabled;
    const char* table;
  };
  const Case cases[] = {
      {0, {1, 4, 7, 10}, {1, 0, 1, 1}, "0285082780808080"},
      {2, {1, 3, 5, 7}, {1, 1, 1, 1}, "0408262a80808080"},
      {4, {1, 4, 7, 10}, {1, 0, 1, 0}, "0080008080808080"},
      {1, {8, 0, 0, 0}, {1, 1, 1, 1}, "0201010180808080"},
  };
  for (const Case& c : cases) {
    SettingsRecord record{};
    record.dpi_index = c.index;
    record.dpi_enabled = c.enabled;
    DeviceImage image;
    image.dpi_stage_table.fill(0x55);
    BuildDpiStageTable(record, c.sensor_type, image);
    EXPECT_EQ(HexString(image.dpi_stage_table), c.table) << int(c.sensor_type);
    EXPECT_EQ(image.dpi_stage_count, 4);
  }
}

TEST(ApplyDpiColours, FillsBlockOneWithTheStageColoursAndZeros) {
  SettingsRecord record{};
  for (size_t i = 0; i < 12; ++i) record.dpi_colour[i] = uint8_t(0x10 + i);
  DeviceImage image;
  image.config_blocks[0].fill(0xAA);
  image.config_blocks[1].fill(0xBB);
  ApplyDpiColours(record, image);
  EXPECT_EQ(HexString(image.config_blocks[1]), "101112131415161718191a1b000000000000000000000000");
  EXPECT_EQ(image.config_blocks[0][0], 0xAA);
}

// A record whose every part shows in the mouse: rate, DPI, colours, lighting, macros, keys.
SettingsRecord SampleRecord() {
  SettingsRecord record{};
  ApplyKeySetDefaults(record, KeySetId::kA);
  ApplyKeySetDefaults(record, KeySetId::kB);
  record.report_rate_code = 2;
  record.dpi_index = {1, 4, 7, 10};
  record.dpi_enabled = {1, 0, 1, 1};
  for (size_t i = 0; i < 12; ++i) record.dpi_colour[i] = uint8_t(i + 1);
  record.light_mode = 3;
  record.light_sub3 = 2;
  record.light_param3 = 4;
  for (size_t i = 0; i < record.macro_data.size(); ++i) {
    record.macro_data[i] = uint8_t(i / kMacroBytes + 1 + (i % kMacroBytes) * 2);
  }
  return record;
}

class FullApplyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mouse_ = f_.bus.AddMouse(sim::ProbeMode::kScrambled, sim::DefaultMouseMemory(0));
    ASSERT_TRUE(f_.device.OpenDevice());
    f_.device.Handshake();
    f_.device.commands().RefreshSensorBlock();
    f_.trace.Clear();
  }

  void Apply(const SettingsRecord& record) {
    FullApply(f_.device.commands(), f_.image, f_.link, f_.pause).ApplyAllSettings(record, [this] {
      trace_lines_at_save_ = f_.trace.Lines().size();
    });
  }

  // The command byte of every feature report sent, from the frames as the mouse decoded them.
  std::string Commands() {
    std::string commands;
    for (const std::string& line : f_.LinesStartingWith("set-feature")) {
      commands += line.substr(line.find("plain=") + 8, 2) + " ";
    }
    return commands;
  }

  sim::MouseMemory& Memory() { return f_.bus.firmware(mouse_).memory(); }

  LinkFixture f_;
  int mouse_ = 0;
  size_t trace_lines_at_save_ = 0;
};

TEST_F(FullApplyTest, SendsEveryCommandInOrderWithItsPauses) {
  Apply(SampleRecord());
  std::string expected = "01 8d 87 87 90 90 10 10 07 07 0d 11 ";
  for (int i = 0; i < 12; ++i) expected += "13 ";
  for (int i = 0; i < 12; ++i) expected += "93 ";
  expected += "12 12 12 12 ";
  EXPECT_EQ(Commands(), expected);
  // 2 (rate) + 4 (LED reads) + 4 (block reads) + 2 x (3 + 2) (block writes) + 4 (LED writes)
  // + 3 (DPI table) + 12 x (4 x 3 + 2) (macro writes) + 12 x 2 (read-backs) + 4 x (2 x 3 + 2).
  EXPECT_EQ(f_.trace.PausedMilliseconds(), 251u);
  EXPECT_EQ(trace_lines_at_save_, f_.trace.Lines().size()) << "saved after the last command";
}

TEST_F(FullApplyTest, LeavesTheRecordInTheMouse) {
  const sim::MouseMemory before = Memory();
  const SettingsRecord record = SampleRecord();
  Apply(record);
  const sim::MouseMemory& after = Memory();
  EXPECT_EQ(after.rate, 2);
  EXPECT_EQ(HexString(after.dpi), "040285082780808080");
  EXPECT_EQ(HexString(after.config[1]), "0102030405060708090a0b0c000000000000000000000000");
  EXPECT_EQ(after.config[0], before.config[0]) << "block 0 goes back as read";
  EXPECT_EQ(HexString(after.effect), "030502");
  EXPECT_EQ(HexString(after.led[0]), "02640a");
  EXPECT_EQ(after.led[1], before.led[1]);
  for (size_t slot = 0; slot < kMacroCount; ++slot) {
    EXPECT_TRUE(std::equal(after.macro[slot].begin(), after.macro[slot].end(),
                           record.macro_data.begin() + slot * kMacroBytes));
  }
  // Slot 4: combo left Windows + D; slot 5: DPI Loop; slot 3: Shift DPI; 14 and 15 fixed.
  EXPECT_EQ(SpacedHexString(std::span(after.matrix[0]).subspan(12, 12)),
            "07 00 04 01 00 08 07 00 07 00 03 00");
  EXPECT_EQ(SpacedHexString(std::span(after.matrix[0]).subspan(56, 8)), "01 00 f7 00 01 00 f8 00");
  EXPECT_EQ(after.matrix[2], after.matrix[0]) << "key set B holds the same defaults";
  EXPECT_EQ(after.matrix[1], (std::array<uint8_t, 64>{}));
  EXPECT_EQ(after.matrix[3], (std::array<uint8_t, 64>{}));
}

TEST_F(FullApplyTest, StopsAtTheFirstCommandThatFailsSendsNothingMoreAndStillSaves) {
  f_.bus.faults.input_reports_never_arrive = true;
  bool saved = false;
  const ApplyResult result = FullApply(f_.device.commands(), f_.image, f_.link, f_.pause)
                                 .ApplyAllSettings(SampleRecord(), [&] { saved = true; });
  EXPECT_FALSE(result.complete());
  ASSERT_TRUE(result.failed_command);
  EXPECT_EQ(DescribeCommand(*result.failed_command), "0x90 read configuration block 0");
  EXPECT_EQ(Commands(), "01 8d 87 87 90 ");
  EXPECT_EQ(f_.LinesStartingWith("timeout").size(), 1u) << "one time-out at most";
  EXPECT_TRUE(saved);
}

// A record the pages could not have made is a fault to report, never bytes for the mouse.
TEST_F(FullApplyTest, ARecordThatFailsTheDeviceDataCheckIsNeitherSentNorSaved) {
  SettingsRecord record = SampleRecord();
  record.report_rate_code = 0;
  f_.trace.Clear();
  bool saved = false;
  const ApplyResult result =
      FullApply(f_.device.commands(), f_.image, f_.link, f_.pause).ApplyAllSettings(record, [&] {
        saved = true;
      });
  EXPECT_FALSE(result.complete());
  EXPECT_EQ(result.refused, "report rate code 0");
  EXPECT_TRUE(f_.trace.Lines().empty()) << "nothing reached the wire";
  EXPECT_FALSE(saved);
}

TEST_F(FullApplyTest, ACompleteApplyNamesNoCommand) {
  const ApplyResult result = FullApply(f_.device.commands(), f_.image, f_.link, f_.pause)
                                 .ApplyAllSettings(SampleRecord(), {});
  EXPECT_TRUE(result.complete());
  EXPECT_FALSE(result.failed_command);
}

TEST_F(FullApplyTest, AReadBackOfAnotherLengthStopsTheApplyAndLeavesTheImage) {
  std::array<uint8_t, 24> kept;
  kept.fill(0x5A);
  for (const uint8_t length : {uint8_t{8}, uint8_t{255}}) {
    SCOPED_TRACE(int(length));
    f_.bus.firmware(mouse_).answered_length_override = length;
    f_.image.config_blocks[0] = kept;
    f_.trace.Clear();
    const ApplyResult result = FullApply(f_.device.commands(), f_.image, f_.link, f_.pause)
                                   .ApplyAllSettings(SampleRecord(), {});
    ASSERT_TRUE(result.failed_command);
    EXPECT_EQ(DescribeCommand(*result.failed_command), "0x90 read configuration block 0");
    EXPECT_EQ(f_.image.config_blocks[0], kept);
    EXPECT_EQ(Commands(), "01 8d 87 87 90 ");
    // Every report the answer announced left the mouse, so none waits for the next transfer.
    EXPECT_FALSE(f_.bus.firmware(mouse_).TakeInputReport().has_value());
  }
}

TEST_F(FullApplyTest, AReadBackNamingAnotherSetOrBlockStopsTheApply) {
  const std::pair<uint8_t, const char*> cases[] = {
      {1, "0x87 read LED colour set 0"},
      {5, "0x87 read LED colour set 0"},
      {0, "0x87 read LED colour set 1"},
  };
  for (const auto& [named, failed] : cases) {
    SCOPED_TRACE(int(named));
    f_.bus.firmware(mouse_).answered_target_override = named;
    const ApplyResult result = FullApply(f_.device.commands(), f_.image, f_.link, f_.pause)
                                   .ApplyAllSettings(SampleRecord(), {});
    ASSERT_TRUE(result.failed_command);
    EXPECT_EQ(DescribeCommand(*result.failed_command), failed);
  }
  EXPECT_EQ(Memory().led, sim::DefaultMouseMemory(0).led);
}

TEST_F(FullApplyTest, AMacroReadBackNamingAnotherSlotFailsAndLeavesTheSlots) {
  const SettingsRecord record = SampleRecord();
  for (size_t slot = 0; slot < kMacroCount; ++slot) {
    std::copy_n(record.macro_data.begin() + slot * kMacroBytes, kMacroBytes,
                f_.image.macro_slots[slot].begin());
  }
  ASSERT_TRUE(f_.device.commands().WriteMacroSlots());
  f_.bus.firmware(mouse_).answered_target_override = 5;
  const DeviceImage before = f_.image;
  EXPECT_FALSE(f_.device.commands().ReadMacroSlots());
  ASSERT_TRUE(f_.device.commands().failed_command());
  EXPECT_EQ(DescribeCommand(*f_.device.commands().failed_command()), "0x93 read macro slot 1");
  EXPECT_EQ(f_.image.macro_slots, before.macro_slots);
  EXPECT_EQ(f_.LinesStartingWith("set-feature").size(), 12u + 1u) << "no read after slot 1";
}

// A mouse may answer a macro slot with its used part only: the rest of the slot stays as written
// and the apply goes on. An answer longer than the slot still stops it.
TEST_F(FullApplyTest, AMacroReadBackShorterThanTheSlotFillsItsFrontOnly) {
  SettingsRecord record = SampleRecord();
  std::fill_n(record.macro_data.begin(), kMacroBytes, 0x33);
  f_.bus.firmware(mouse_).macro_answer_length = 100;
  FullApply apply(f_.device.commands(), f_.image, f_.link, f_.pause);
  EXPECT_TRUE(apply.ApplyAllSettings(record, {}).complete());
  std::array<uint8_t, kMacroBytes> written;
  written.fill(0x33);
  EXPECT_EQ(f_.image.macro_slots[0], written) << "the bytes past the answer are not zeroed";

  f_.bus.firmware(mouse_).macro_answer_length = 129;
  const ApplyResult longer = apply.ApplyAllSettings(record, {});
  ASSERT_TRUE(longer.failed_command);
  EXPECT_EQ(DescribeCommand(*longer.failed_command), "0x93 read macro slot 1");
}

TEST_F(FullApplyTest, ASensorRefreshWithoutAnAnswerKeepsTheSensorTypeAndWritesNothing) {
  Memory().sensor = {2, 0x01, 0x00, 0x00};
  ASSERT_TRUE(f_.device.commands().RefreshSensorBlock());
  ASSERT_EQ(f_.link.sensor_type, 2);
  Memory().sensor = {3, 0x01, 0x00, 0x00};
  for (const bool garbage : {false, true}) {
    f_.bus.faults = {};
    (garbage ? f_.bus.faults.garbage_answers : f_.bus.faults.no_feature_answer) = true;
    f_.trace.Clear();
    std::optional<uint8_t> heard;
    EXPECT_FALSE(f_.device.commands().RefreshSensorBlock([&](uint8_t type) { heard = type; }));
    EXPECT_EQ(f_.link.sensor_type, 2) << "the previous sensor type stays";
    EXPECT_EQ(heard, 2);
    EXPECT_EQ(Commands(), "83 ") << "no write-back";
    EXPECT_EQ(Memory().sensor, (std::array<uint8_t, 4>{3, 0x01, 0x00, 0x00}));
    EXPECT_EQ(DescribeCommand(*f_.device.commands().failed_command()), "0x83 read sensor block");
  }
}

TEST(DescribeCommand, NamesTheCommandAndItsTarget) {
  EXPECT_EQ(DescribeCommand({0x8D}), "0x8d read effect");
  EXPECT_EQ(DescribeCommand({0x13, 4, 128}), "0x13 write macro slot 4");
  EXPECT_EQ(DescribeCommand({0x12, 3, 64}), "0x12 write key matrix 3");
  EXPECT_EQ(DescribeCommand({0x07, 1, 2, 3, 4}), "0x07 write LED colour set 1");
  EXPECT_EQ(DescribeCommand({0x11, 4, 8}), "0x11 write DPI stage table");
  EXPECT_EQ(DescribeCommand({0x42}), "0x42");
}

}  // namespace
}  // namespace vx
