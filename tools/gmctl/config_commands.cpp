#include <fstream>
#include <string>

#include "common/text_format.h"
#include "device/device_image.h"
#include "device/key_codes.h"
#include "settings/factory_settings.h"
#include "tools/gmctl/commands.h"
#include "tools/gmctl/config_input.h"

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

void PrintRecord(std::ostream& out, const SettingsStore& store) {
  const SettingsRecord& r = store.current.record;
  out << "FirstRunFlag " << int(store.first_run_flag) << "\n";
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

}  // namespace

int RunShow(Args args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) return UsageError(err, "expected show CONFIG");
  const auto store = ReadConfigArgument(args[0], err);
  if (!store) return kExitBadInput;
  PrintRecord(out, *store);
  return kExitOk;
}

int RunMatrices(Args args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) return UsageError(err, "expected matrices CONFIG");
  const auto store = ReadConfigArgument(args[0], err);
  if (!store) return kExitBadInput;
  DeviceImage image;
  BuildKeyMatrices(store->current.record, image);
  for (size_t matrix = 0; matrix < image.key_matrices.size(); ++matrix) {
    out << "matrix " << matrix + 1 << ":";
    for (uint32_t code : image.key_matrices[matrix]) out << Format(" %08x", unsigned(code));
    out << "\n";
  }
  return kExitOk;
}

int RunFactoryConfig(Args args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) return UsageError(err, "expected factory-config FILE");
  const auto bytes = FactoryConfigFile();
  std::ofstream file(args[0], std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  if (!file) {
    err << "gmctl: " << args[0] << ": cannot be written\n";
    return kExitBadInput;
  }
  out << "wrote " << bytes.size() << " bytes\n";
  return kExitOk;
}

}  // namespace vx::gmctl
