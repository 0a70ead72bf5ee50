// Whatever the mouse answers, in feature reports and input reports of any length, reaches only
// the place its command reads into; a read that fails changes nothing, and an apply sends nothing
// after the command that failed.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <tuple>

#include "device/device_commands.h"
#include "device/full_apply.h"
#include "device/handshake.h"
#include "device/record_check.h"
#include "device/transport.h"
#include "fuzz/fuzz_support.h"
#include "settings/factory_settings.h"

namespace vx::fuzz {
namespace {

class QuietHost : public LinkHost {
 public:
  void Notify(uint32_t, uint32_t) override {}
  void HideMainWindow() override {}
};

auto Fields(const DeviceImage& image) {
  return std::tie(image.sensor_block, image.effect_block, image.led_colour_blocks,
                  image.config_blocks, image.dpi_stage_count, image.dpi_stage_table,
                  image.key_matrices, image.macro_slots);
}

// Runs a read command and checks that it changed no part of the image but its own.
template <typename Part>
void CheckReadStaysInPart(DeviceImage& image, Part DeviceImage::*part,
                          const std::function<bool()>& read) {
  DeviceImage expected = image;
  read();
  expected.*part = image.*part;
  Require(Fields(expected) == Fields(image), "a read changes only the part it reads");
}

// For the operations made of one read: when it fails, the image is as it was.
void CheckFailedReadChangesNothing(DeviceImage& image, const std::function<bool()>& read) {
  const DeviceImage before = image;
  if (!read()) Require(Fields(before) == Fields(image), "a failed read changes nothing");
}

// A refresh whose read failed writes nothing back and keeps the sensor type it had.
void CheckFailedRefreshKeepsSensor(DeviceCommands& commands, DeviceImage& image, LinkState& link) {
  const DeviceImage before = image;
  const uint8_t sensor_type = link.sensor_type;
  if (commands.RefreshSensorBlock() || !commands.failed_command()) return;
  if (((*commands.failed_command())[0] & kReadFlag) == 0) return;
  Require(Fields(before) == Fields(image) && link.sensor_type == sensor_type,
          "a refresh whose read failed keeps the sensor block and type");
}

// The settings to apply: either the script's first bytes of a record with zeros after them,
// which the device-data check mostly refuses, or the factory key sets with the script's bytes
// from the macros on and a report rate the mouse knows, which reach the wire.
SettingsRecord ScriptedRecord(FuzzedDataProvider& script) {
  const bool raw = script.ConsumeBool();
  std::array<uint8_t, kSettingsRecordSize> bytes =
      raw ? std::array<uint8_t, kSettingsRecordSize>{} : RecordToBytes(FactoryRecord());
  const size_t from = raw ? 0 : offsetof(SettingsRecord, macro_data);
  const std::vector<uint8_t> given =
      script.ConsumeBytes<uint8_t>(script.ConsumeIntegralInRange<size_t>(0, bytes.size() - from));
  std::copy(given.begin(), given.end(), bytes.begin() + static_cast<std::ptrdiff_t>(from));
  SettingsRecord record = RecordFromBytes(bytes);
  if (!raw) record.report_rate_code = uint8_t{1} << script.ConsumeIntegralInRange(0, 3);
  return record;
}

// An apply that stops has sent the failed command last, and saves the choices either way; a
// record the mouse must not get is neither sent nor saved.
void CheckApplyStopsAtFailure(DeviceCommands& commands, DeviceImage& image, LinkState& link,
                              ScriptedHidPort& port, FuzzedDataProvider& script) {
  const SettingsRecord record = ScriptedRecord(script);
  NoPause pause;
  FullApply apply(commands, image, link, pause);
  bool saved = false;
  const auto sent_before = port.last_feature_sent;
  const ApplyResult result = apply.ApplyAllSettings(record, [&] { saved = true; });
  if (DeviceDataFault(record)) {
    Require(result.refused && !saved && port.last_feature_sent == sent_before,
            "a record the mouse must not get is neither sent nor saved");
    return;
  }
  Require(saved, "an apply saves the choices whether or not the mouse took them");
  if (result.complete()) return;
  auto request = FramePlainReport(*result.failed_command);
  if (link.scramble_on) {
    ScrambleReport(std::span<uint8_t, 8>(request.data() + 1, 8), link.key_block);
  }
  const size_t compared = std::min(request.size(), port.last_feature_sent.size());
  Require(std::equal(request.begin(), request.begin() + compared, port.last_feature_sent.begin()),
          "nothing is sent after the command that failed");
}

void CheckTransferStaysInBuffer(Transport& transport, FuzzedDataProvider& script) {
  CommandHeader header{};
  for (uint8_t& byte : header) byte = script.ConsumeIntegral<uint8_t>();
  GuardedBuffer<64> buffer(script.ConsumeIntegralInRange<size_t>(0, 300));
  transport.TransferBlock(header, buffer.inside());
  Require(buffer.GuardsIntact(), "a transfer writes only into the caller's buffer");
}

}  // namespace
}  // namespace vx::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vx;
  using namespace vx::fuzz;
  FuzzedDataProvider script(data, size);
  ReportLengths lengths;
  lengths.feature = script.ConsumeIntegralInRange<uint16_t>(0, 80);
  lengths.input = script.ConsumeIntegralInRange<uint16_t>(0, 80);
  lengths.output = script.ConsumeIntegralInRange<uint16_t>(0, 80);
  ScriptedHidPort port(script, lengths);
  LinkState link;
  link.feature_handle = 1;
  link.feature_report_length = lengths.feature;
  link.input_report_length = lengths.input;
  link.output_report_length = lengths.output;
  NoPause pause;
  QuietHost host;
  QuietDiagnostics diagnostics;
  Transport transport(port, link, pause, diagnostics);

  Handshake(transport, link, host);
  Require(link.DeviceReady() == (link.scramble_on == 1), "only a scrambled answer is accepted");
  link.key_block = MakeKeyBlock(kScrambleKey);
  link.scramble_on = script.ConsumeBool();

  DeviceImage image;
  DeviceCommands commands(transport, image, link, pause, diagnostics);
  CheckReadStaysInPart(image, &DeviceImage::sensor_block,
                       [&] { return commands.ReadSensorBlock(); });
  CheckReadStaysInPart(image, &DeviceImage::effect_block, [&] { return commands.ReadEffect(); });
  CheckReadStaysInPart(image, &DeviceImage::led_colour_blocks,
                       [&] { return commands.ReadLedColourBlocks(); });
  CheckReadStaysInPart(image, &DeviceImage::config_blocks,
                       [&] { return commands.ReadConfigBlocks(); });
  CheckReadStaysInPart(image, &DeviceImage::macro_slots, [&] { return commands.ReadMacroSlots(); });
  CheckFailedReadChangesNothing(image, [&] { return commands.ReadSensorBlock(); });
  CheckFailedReadChangesNothing(image, [&] { return commands.ReadEffect(); });
  CheckFailedRefreshKeepsSensor(commands, image, link);
  CheckApplyStopsAtFailure(commands, image, link, port, script);
  while (script.remaining_bytes() > 0) CheckTransferStaysInBuffer(transport, script);
  return 0;
}
