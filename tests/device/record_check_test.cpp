#include "device/record_check.h"

#include <gtest/gtest.h>

#include <functional>

#include "device/key_codes.h"
#include "settings/factory_settings.h"

namespace vx {
namespace {

// One button of a factory record changed into what the row says.
struct Row {
  const char* fault;  // nullptr: the record may be sent
  std::function<void(SettingsRecord&)> change;
};

void Button(SettingsRecord& r, size_t button, uint8_t type) {
  r.key_set_b.key_type[button] = type;
}

TEST(DeviceDataFault, RefusesWhatThePagesCannotProduceAndOnlyThat) {
  const std::vector<Row> rows = {
      {nullptr, [](SettingsRecord&) {}},
      {nullptr, [](SettingsRecord& r) { r.report_rate_code = 8; }},
      {"report rate code 0", [](SettingsRecord& r) { r.report_rate_code = 0; }},
      {"report rate code 3", [](SettingsRecord& r) { r.report_rate_code = 3; }},
      {"report rate code 16", [](SettingsRecord& r) { r.report_rate_code = 16; }},
      {"key set A button 1: key type 16", [](SettingsRecord& r) { r.key_set_a.key_type[0] = 16; }},
      {"key set B button 10: key type 255", [](SettingsRecord& r) { Button(r, 9, 255); }},
      // Buttons 11 and 12 never reach the mouse.
      {nullptr, [](SettingsRecord& r) { Button(r, 10, 200); }},
      {"key set B button 3: DPI function 0",
       [](SettingsRecord& r) {
         Button(r, 2, kKeyDpiSwitch);
         r.key_param6_b[2] = 0;
       }},
      {"key set B button 3: DPI function 5",
       [](SettingsRecord& r) {
         Button(r, 2, kKeyDpiSwitch);
         r.key_param6_b[2] = 5;
       }},
      {nullptr,
       [](SettingsRecord& r) {
         Button(r, 2, kKeyDpiSwitch);
         r.key_param6_b[2] = 2;
       }},
      // Windows functions: 0x0183 is the first list entry, 0x0223 a browser one.
      {nullptr,
       [](SettingsRecord& r) {
         Button(r, 1, kKeyWindows);
         r.key_set_b.windows_usage_low[1] = 0x83;
         r.key_set_b.windows_usage_high[1] = 0x01;
       }},
      {"key set B button 2: Windows function 0283",
       [](SettingsRecord& r) {
         Button(r, 1, kKeyWindows);
         r.key_set_b.windows_usage_low[1] = 0x83;
         r.key_set_b.windows_usage_high[1] = 0x02;
       }},
      {nullptr,
       [](SettingsRecord& r) {
         Button(r, 1, kKeyMultimedia);
         r.key_set_b.media_usage[1] = 0xE9;
       }},
      {"key set B button 2: media usage 00",
       [](SettingsRecord& r) { Button(r, 1, kKeyMultimedia); }},
      {nullptr,
       [](SettingsRecord& r) {
         Button(r, 1, kKeyFireKey);
         r.key_set_b.fire_usage[1] = 0xF6;
       }},
      {"key set B button 2: fire key 00", [](SettingsRecord& r) { Button(r, 1, kKeyFireKey); }},
      // A single key of no usage is what the dialog gives when nothing was pressed.
      {nullptr, [](SettingsRecord& r) { Button(r, 1, kKeySingleKey); }},
      {nullptr,
       [](SettingsRecord& r) {
         Button(r, 1, kKeySingleKey);
         r.key_set_b.single_usage[1] = 0x65;
       }},
      {"key set B button 2: key usage 66",
       [](SettingsRecord& r) {
         Button(r, 1, kKeySingleKey);
         r.key_set_b.single_usage[1] = 0x66;
       }},
      {"key set B button 2: key usage e8",
       [](SettingsRecord& r) {
         Button(r, 1, kKeyComboKey);
         r.key_set_b.combo_usage2[1] = 0xE8;
       }},
      {nullptr,
       [](SettingsRecord& r) {
         Button(r, 1, kKeyComboKey);
         r.key_set_b.combo_usage1[1] = 0xE7;
       }},
      {nullptr,
       [](SettingsRecord& r) {
         Button(r, 1, kKeyMacroKey);
         r.key_set_b.macro_index[1] = 11;
         r.key_set_b.macro_repeat[1] = 2;
       }},
      {"key set B button 2: macro 13 repeat mode 1",
       [](SettingsRecord& r) {
         Button(r, 1, kKeyMacroKey);
         r.key_set_b.macro_index[1] = 12;
       }},
      {"key set B button 2: macro 1 repeat mode 4",
       [](SettingsRecord& r) {
         Button(r, 1, kKeyMacroKey);
         r.key_set_b.macro_repeat[1] = 3;
       }},
  };
  for (size_t i = 0; i < rows.size(); ++i) {
    SettingsRecord record = FactoryRecord();
    rows[i].change(record);
    const std::optional<std::string> fault = DeviceDataFault(record);
    if (rows[i].fault == nullptr) {
      EXPECT_FALSE(fault) << "row " << i << ": " << *fault;
    } else {
      EXPECT_EQ(fault, rows[i].fault) << "row " << i;
    }
  }
}

}  // namespace
}  // namespace vx
