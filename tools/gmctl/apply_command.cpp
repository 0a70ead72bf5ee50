#include <chrono>
#include <fstream>
#include <memory>
#include <optional>

#include "device/device_link.h"
#include "device/full_apply.h"
#include "platform/system_pause.h"
#include "sim/virtual_hid_bus.h"
#include "tools/gmctl/apply_link.h"
#include "tools/gmctl/commands.h"
#include "tools/gmctl/config_input.h"
#include "tools/gmctl/console_link.h"
#include "tools/gmctl/system_hid_source.h"

namespace vx::gmctl {

namespace {

struct ApplyOptions {
  bool virtual_mouse = false;
  bool real_time = false;
  std::string config;
  std::string mouse_state;
  uint8_t sensor_type = 0;
  std::optional<sim::BusFaults> faults;
};

bool ParseApplyOptions(Args args, ApplyOptions& options, std::ostream& err) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool has_value = i + 1 < args.size();
    if (arg == "--virtual") {
      options.virtual_mouse = true;
    } else if (arg == "--real-time") {
      options.real_time = true;
    } else if (arg == "--mouse-state" && has_value) {
      options.mouse_state = args[++i];
    } else if (arg == "--sensor-type" && has_value) {
      const std::string& value = args[++i];
      if (value.empty() || value.size() > 3 ||
          value.find_first_not_of("0123456789") != std::string::npos || std::stoi(value) > 255) {
        UsageError(err, "apply: --sensor-type takes 0..255, not '" + value + "'");
        return false;
      }
      options.sensor_type = static_cast<uint8_t>(std::stoi(value));
    } else if (arg == "--fault" && has_value) {
      const std::string& kind = args[++i];
      options.faults = sim::BusFaultsNamed(kind);
      if (!options.faults) {
        UsageError(err,
                   "apply: --fault takes no-answer, garbage, no-input-reports, "
                   "output-timeout or unplug-after=N, not '" +
                       kind + "'");
        return false;
      }
    } else if (arg.rfind("--", 0) != 0 && options.config.empty()) {
      options.config = arg;
    } else {
      UsageError(err, "apply: unexpected argument '" + arg + "'");
      return false;
    }
  }
  if (options.config.empty()) {
    UsageError(err, "apply: expected a CONFIG or PROFILE file");
    return false;
  }
  if (options.faults && !options.virtual_mouse) {
    UsageError(err, "apply: --fault needs --virtual");
    return false;
  }
  return true;
}

// Records every pause in the trace and, in real time, also waits it out.
class ApplyPause : public PausePort {
 public:
  ApplyPause(sim::WireTrace& trace, PausePort* real) : trace_(trace), real_(real) {}
  void Pause(uint32_t milliseconds) override {
    trace_.Pause(milliseconds);
    if (real_) real_->Pause(milliseconds);
  }
  void BeginPacing() override {
    if (real_) real_->BeginPacing();
  }
  void EndPacing() override {
    if (real_) real_->EndPacing();
  }

 private:
  sim::WireTrace& trace_;
  PausePort* real_;
};

}  // namespace

ApplyEnd ApplyThroughLink(HidPort& hid, PausePort& pause, sim::WireTrace& trace,
                          const SettingsRecord& record, std::ostream& out, std::ostream& err) {
  ConsoleLink console(hid, pause, trace, err);
  if (!console.Connect()) {
    console.PrintTrace(out);
    return ApplyEnd::kNotReady;
  }
  DeviceLink& device = console.device();
  // A refresh that fails keeps the sensor type as it was; the apply finds the fault itself.
  device.commands().RefreshSensorBlock();
  const uint64_t paused_before = trace.PausedMilliseconds();
  const auto start = std::chrono::steady_clock::now();
  const ApplyResult result = FullApply(device.commands(), console.image(), console.link(), pause)
                                 .ApplyAllSettings(record, {});
  const auto took = std::chrono::steady_clock::now() - start;
  const uint64_t asked_ms = trace.PausedMilliseconds() - paused_before;
  console.PrintTrace(out);
  const double took_ms = std::chrono::duration<double, std::milli>(took).count();
  out << "apply took " << static_cast<long long>(took_ms + 0.5) << " ms, pauses asked " << asked_ms
      << " ms\n";
  if (result.complete()) return ApplyEnd::kComplete;
  if (result.refused) {
    err << "gmctl: the settings hold " << *result.refused << ", which the mouse must not get; "
        << "nothing was sent\n";
    return ApplyEnd::kStopped;
  }
  err << "gmctl: the apply stopped: " << DescribeCommand(*result.failed_command)
      << " failed, nothing more was sent\n";
  return ApplyEnd::kStopped;
}

int RunApply(Args args, std::ostream& out, std::ostream& err) {
  ApplyOptions options;
  if (!ParseApplyOptions(args, options, err)) return kExitUsage;
  const std::optional<SettingsRecord> record = ReadRecordArgument(options.config, err);
  if (!record) return kExitBadInput;
  std::unique_ptr<PausePort> real_pause;
  if (options.real_time || !options.virtual_mouse) real_pause = CreateSystemPause();
  sim::WireTrace trace;
  ApplyPause pause(trace, real_pause.get());
  if (!options.virtual_mouse) {
    std::unique_ptr<HidPort> hid = OpenSystemHid();
    if (!hid) return UsageError(err, "this platform has no system HID; use --virtual");
    const ApplyEnd end = ApplyThroughLink(*hid, pause, trace, *record, out, err);
    return end == ApplyEnd::kComplete ? kExitOk : kExitBadInput;
  }
  sim::VirtualHidBus bus(trace);
  bus.faults_after_handshake = options.faults;
  const int mouse =
      bus.AddMouse(sim::ProbeMode::kScrambled, sim::DefaultMouseMemory(options.sensor_type));
  const ApplyEnd end = ApplyThroughLink(bus, pause, trace, *record, out, err);
  if (end == ApplyEnd::kNotReady) return kExitBadInput;
  // The mouse's memory is written after an apply that stopped too: it shows what the mouse kept.
  if (!options.mouse_state.empty()) {
    std::ofstream state(options.mouse_state, std::ios::binary);
    state << sim::MouseMemoryToText(bus.firmware(mouse).memory());
    if (!state) {
      err << "gmctl: " << options.mouse_state << ": cannot be written\n";
      return kExitBadInput;
    }
  }
  return end == ApplyEnd::kComplete ? kExitOk : kExitBadInput;
}

}  // namespace vx::gmctl
