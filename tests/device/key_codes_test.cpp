#include "device/key_codes.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "device/key_name_tables.h"

namespace vx {
namespace {

constexpr size_t kButton = 4;
constexpr uint8_t kNoise = 0x77;

using Matrix = std::array<KeyCode, kKeyMatrixSlots>;

// A field read from the wrong array or button shows in the code.
SettingsRecord NoisyRecord() {
  std::array<uint8_t, kSettingsRecordSize> bytes;
  bytes.fill(kNoise);
  return RecordFromBytes(bytes);
}

TEST(KeyCode, IsLittleEndianOnTheWire) {
  EXPECT_EQ(MakeKeyCode(0x0A, 0xF0, 0x22, 0x03), 0x0322F00Au);
  EXPECT_EQ(KeyCodeBytes(0x01040007), (std::array<uint8_t, 4>{0x07, 0x00, 0x04, 0x01}));
}

TEST(EncodeKeyCode, GivesEachKeyTypeItsBytes) {
  using K = KeySet;
  struct Case {
    KeyCode code;
    uint8_t key_type, key_param6;
    std::vector<std::pair<ButtonBytes K::*, uint8_t>> fields;
  };
  const Case cases[] = {
      {0x00F00001, 0, kNoise, {}},
      {0x00F10001, 1, kNoise, {}},
      {0x00F20001, 2, kNoise, {}},
      {0x00F40001, 3, kNoise, {}},
      {0x00F30001, 4, kNoise, {}},
      {0x0322F00A, 5, kNoise, {}},
      {0x00010007, 6, 1, {}},
      {0x00020007, 6, 2, {}},
      {0x00030007, 6, 3, {}},
      {0x01040007, 6, 4, {}},  // "Shift DPI", the only one with b3 = 1
      {0x00030008, 7, kNoise, {}},
      {0x022A0003, 8, kNoise, {{&K::windows_usage_low, 0x2A}, {&K::windows_usage_high, 2}}},
      {0x01940003, 8, kNoise, {{&K::windows_usage_low, 0x94}, {&K::windows_usage_high, 1}}},
      {0x00EA0003, 9, kNoise, {{&K::media_usage, 0xEA}}},
      {0x0020F60A, 10, kNoise, {{&K::fire_usage, 0xF6}, {&K::fire_speed, 32}, {&K::fire_times, 0}}},
      {0x001D0000, 11, kNoise, {{&K::single_usage, 0x1D}}},
      {0x4C042200,
       12,
       kNoise,
       {{&K::combo_modifiers, 0x22}, {&K::combo_usage1, 0x04}, {&K::combo_usage2, 0x4C}}},
      // Macro number 0 is sent as 1.
      {0x00010009, 13, kNoise, {{&K::macro_index, 0}, {&K::macro_repeat, 0}}},
      {0x000C0209, 13, kNoise, {{&K::macro_index, 11}, {&K::macro_repeat, 2}}},
      {0x00020008, 14, kNoise, {}},
      {0x00000000, 15, kNoise, {}},
      {0x00000000, 16, kNoise, {}},
      {0x00000000, 255, kNoise, {}},
  };
  for (const Case& c : cases) {
    SettingsRecord record = NoisyRecord();
    KeySet& keys = record.key_set_a;
    keys.key_type[kButton] = c.key_type;
    record.key_param6_a[kButton] = c.key_param6;
    for (const auto& [field, value] : c.fields) (keys.*field)[kButton] = value;
    EXPECT_EQ(EncodeKeyCode(keys, record.key_param6_a, kButton), c.code)
        << "KeyType " << int(c.key_type) << std::hex << " code " << c.code;
  }
}

TEST(EncodeKeyCode, UnknownNamesAndEmptyComboPartsFallBackToSingleKeyBytes) {
  SettingsRecord record = NoisyRecord();
  KeySet& keys = record.key_set_a;
  keys.key_type[kButton] = 11;
  keys.single_usage[kButton] = KeyNameToUsage(L"\u00D6");
  EXPECT_EQ(EncodeKeyCode(keys, record.key_param6_a, kButton), 0x00000000u);

  keys.key_type[kButton] = 12;
  keys.combo_modifiers[kButton] = ModifierNameToBits(L"");
  keys.combo_usage1[kButton] = KeyNameToUsage(L"F5");
  keys.combo_usage2[kButton] = KeyNameToUsage(L"");
  EXPECT_EQ(EncodeKeyCode(keys, record.key_param6_a, kButton), 0x003E0000u);
}

TEST(ComboKeyModifiers, ModifierNameToBitsMatchesTheNamesExactly) {
  const std::pair<std::wstring_view, uint8_t> cases[] = {
      {L"Left Ctrl", 0x01}, {L"Left Shift", 0x02}, {L"Left Alt", 0x04},
      {L"Left Win", 0x08},  {L"Right Ctrl", 0x10}, {L"Right Shift", 0x20},
      {L"Right Alt", 0x40}, {L"Right Win", 0x80},  {L"", 0},
      {L"left ctrl", 0},    {L"Left Ctrl ", 0},    {L"Ctrl", 0},
      {L"Left Windows", 0}, {L"L-CTRL", 0},
  };
  for (const auto& [name, bits] : cases) {
    EXPECT_EQ(ModifierNameToBits(name), bits) << std::string(name.begin(), name.end());
  }
}

void SetDefaultKeySetA(SettingsRecord& record) {
  record.key_set_a.key_type = {0, 1, 2, 3, 4, 6, 5, 6, 12, 7, 15, 15};
  record.key_param6_a[5] = 3;
  record.key_param6_a[7] = 4;
  record.key_set_a.combo_modifiers[8] = 0x08;
  record.key_set_a.combo_usage1[8] = 0x07;
}

// Every button a different function; DPI sub-functions differ from A's where either set reads
// them, and buttons 10 and 11 carry codes that must not be sent.
void SetOtherKeySetB(SettingsRecord& record) {
  KeySet& b = record.key_set_b;
  b.key_type = {15, 0, 11, 13, 9, 8, 10, 14, 6, 1, 0, 0};
  b.single_usage[2] = 0x2C;
  b.macro_index[3] = 4;
  b.macro_repeat[3] = 1;
  b.media_usage[4] = 0xCD;
  b.windows_usage_low[5] = 0x83;
  b.windows_usage_high[5] = 1;
  b.fire_usage[6] = 0xE1;
  b.fire_speed[6] = 5;
  b.fire_times[6] = 0;
  record.key_param6_b[5] = 1;
  record.key_param6_b[7] = 1;
  record.key_param6_b[8] = 1;
  record.key_param6_a[8] = 4;
}

TEST(BuildKeyMatrices, PlacesKeySetAInMatrix1AndKeySetBInMatrix3) {
  SettingsRecord record{};
  SetDefaultKeySetA(record);
  SetOtherKeySetB(record);
  DeviceImage image;
  for (Matrix& matrix : image.key_matrices) matrix.fill(0xDEADBEEF);

  BuildKeyMatrices(record, image);

  const Matrix matrix1 = {0x00F00001, 0x00F10001, 0x00F20001, 0x01040007, 0x00070800, 0x00030007,
                          0x0322F00A, 0x00030008, 0x00F40001, 0x00F30001, 0,          0,
                          0,          0,          0x00F70001, 0x00F80001};
  const Matrix matrix3 = {0x00000000, 0x00F00001, 0x002C0000, 0x00020008, 0x00010007, 0x01830003,
                          0x0005E10A, 0x00F10001, 0x00050109, 0x00CD0003, 0,          0,
                          0,          0,          0x00F70001, 0x00F80001};
  EXPECT_EQ(image.key_matrices[0], matrix1);
  EXPECT_EQ(image.key_matrices[1], Matrix{});
  EXPECT_EQ(image.key_matrices[2], matrix3);
  EXPECT_EQ(image.key_matrices[3], Matrix{});
}

TEST(BuildKeyMatrices, SendsTheDefaultCombosAndDpiFunctionsAsTheirBytes) {
  SettingsRecord record{};
  SetDefaultKeySetA(record);
  DeviceImage image;
  BuildKeyMatrices(record, image);
  const Matrix& matrix1 = image.key_matrices[0];
  EXPECT_EQ(KeyCodeBytes(matrix1[4]), (std::array<uint8_t, 4>{0x00, 0x08, 0x07, 0x00}));
  EXPECT_EQ(KeyCodeBytes(matrix1[5]), (std::array<uint8_t, 4>{0x07, 0x00, 0x03, 0x00}));
  EXPECT_EQ(KeyCodeBytes(matrix1[3]), (std::array<uint8_t, 4>{0x07, 0x00, 0x04, 0x01}));
}

}  // namespace
}  // namespace vx
