#include "tools/gmctl/record_print.h"

#include <string>
#include <utility>

#include "common/text_format.h"

namespace vx::gmctl {

namespace {

template <typename Bytes>
std::string Decimal(const Bytes& bytes) {
  std::string text;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i != 0) text += ' ';
    text += std::to_string(bytes[i]);
  }
  return text;
}

void PrintButton(std::ostream& out, const char* set_name, const KeySet& keys,
                 const ButtonBytes& key_param6, size_t button) {
  const std::pair<const char*, const ButtonBytes*> arrays[] = {
      {"KeyType", &keys.key_type},
      {"MediaIndex", &keys.media_index},
      {"MediaUsage", &keys.media_usage},
      {"WindowsIndex", &keys.windows_index},
      {"WindowsUsageLow", &keys.windows_usage_low},
      {"WindowsUsageHigh", &keys.windows_usage_high},
      {"FireIndex", &keys.fire_index},
      {"FireUsage", &keys.fire_usage},
      {"FireSpeed", &keys.fire_speed},
      {"FireTimes", &keys.fire_times},
      {"SingleUsage", &keys.single_usage},
      {"ComboModifiers", &keys.combo_modifiers},
      {"ComboUsage1", &keys.combo_usage1},
      {"ComboUsage2", &keys.combo_usage2},
      {"MacroIndex", &keys.macro_index},
      {"MacroRepeat", &keys.macro_repeat},
      {"KeyParam6", &key_param6},
  };
  out << set_name << ".Button" << button + 1;
  for (const auto& [name, values] : arrays) out << " " << name << " " << int((*values)[button]);
  out << "\n";
}

}  // namespace

void PrintRecordFields(std::ostream& out, const SettingsRecord& r) {
  for (size_t button = 0; button < kButtonCount; ++button) {
    PrintButton(out, "KeySetA", r.key_set_a, r.key_param6_a, button);
  }
  for (size_t button = 0; button < kButtonCount; ++button) {
    PrintButton(out, "KeySetB", r.key_set_b, r.key_param6_b, button);
  }
  SettingsRecord copy = r;
  for (size_t macro = 1; macro <= kMacroCount; ++macro) {
    out << "Macro" << macro << " " << SpacedHexString(MacroOf(copy, macro)) << "\n";
  }
  const std::pair<const char*, uint8_t> bytes[] = {
      {"LightMode", r.light_mode},
      {"LightParam1", r.light_param1},
      {"LightParam2", r.light_param2},
      {"LightParam3", r.light_param3},
      {"LightSub1", r.light_sub1},
      {"LightSub2", r.light_sub2},
      {"LightSub3", r.light_sub3},
      {"PointerPrecision", r.pointer_precision},
      {"ScrollOneScreen", r.scroll_one_screen},
      {"MouseSpeedStep", r.mouse_speed_step},
      {"WheelScrollLines", r.wheel_scroll_lines},
      {"DoubleClickStep", r.double_click_step},
      {"CurrentKeySet", r.current_key_set},
  };
  out << "ReportRateCode " << int(r.report_rate_code) << "\n";
  out << "DpiIndex " << Decimal(r.dpi_index) << "\n";
  out << "DpiEnabled " << Decimal(r.dpi_enabled) << "\n";
  out << "DpiColour " << Decimal(r.dpi_colour) << "\n";
  for (const auto& [name, value] : bytes) out << name << " " << int(value) << "\n";
}

}  // namespace vx::gmctl
