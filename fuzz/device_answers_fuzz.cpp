// Whatever the mouse answers, in feature reports and input reports of any length, reaches only
// the place its command reads into.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <tuple>

#include "device/device_commands.h"
#include "device/handshake.h"
#include "device/transport.h"
#include "fuzz/fuzz_support.h"

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
                          const std::function<void()>& read) {
  DeviceImage expected = image;
  read();
  expected.*part = image.*part;
  Require(Fields(expected) == Fields(image), "a read changes only the part it reads");
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
  Transport transport(port, link, pause);

  Handshake(transport, link, host);
  Require(link.DeviceReady() == (link.scramble_on == 1), "only a scrambled answer is accepted");
  link.key_block = MakeKeyBlock(kScrambleKey);
  link.scramble_on = script.ConsumeBool();

  DeviceImage image;
  DeviceCommands commands(transport, image, link, pause, diagnostics);
  CheckReadStaysInPart(image, &DeviceImage::sensor_block, [&] { commands.ReadSensorBlock(); });
  CheckReadStaysInPart(image, &DeviceImage::effect_block, [&] { commands.ReadEffect(); });
  CheckReadStaysInPart(image, &DeviceImage::led_colour_blocks,
                       [&] { commands.ReadLedColourBlocks(); });
  CheckReadStaysInPart(image, &DeviceImage::config_blocks, [&] { commands.ReadConfigBlocks(); });
  CheckReadStaysInPart(image, &DeviceImage::macro_slots, [&] { commands.ReadMacroSlots(); });
  CheckReadStaysInPart(image, &DeviceImage::sensor_block, [&] { commands.RefreshSensorBlock(); });
  while (script.remaining_bytes() > 0) CheckTransferStaysInBuffer(transport, script);
  return 0;
}
