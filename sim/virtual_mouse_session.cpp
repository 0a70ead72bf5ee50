#include "sim/virtual_mouse_session.h"

#include "common/text_format.h"

namespace vx::sim {

VirtualMouseSession::VirtualMouseSession(FilePort& files, std::optional<std::wstring> state_file)
    : files_(files), state_file_(std::move(state_file)) {
  mouse_ = bus_.AddMouse(ProbeMode::kScrambled, InitialMemory());
  if (state_file_ && load_error_.empty()) bus_.firmware(mouse_).on_change = [this] { Save(); };
}

MouseMemory VirtualMouseSession::InitialMemory() {
  const MouseMemory defaults = DefaultMouseMemory();
  if (!state_file_) return defaults;
  const FileRead read = files_.Read(*state_file_, kMaxProfileFileBytes);
  if (read.outcome == FileRead::Outcome::kMissing) return defaults;
  if (read.outcome != FileRead::Outcome::kRead) {
    load_error_ = "the state file cannot be read";
    return defaults;
  }
  const MemoryParseResult parsed =
      ParseMouseMemory(std::string(read.bytes.begin(), read.bytes.end()), defaults);
  load_error_ = parsed.error;
  return parsed.memory.value_or(defaults);
}

bool VirtualMouseSession::InjectFault(std::wstring_view kind) {
  const std::optional<BusFaults> faults = BusFaultsNamed(ToUtf8(kind));
  if (!faults) return false;
  bus_.faults_after_handshake = faults;
  return true;
}

void VirtualMouseSession::Save() {
  const std::string text = MouseMemoryToText(bus_.firmware(mouse_).memory());
  files_.ReplaceAll(*state_file_, std::span<const uint8_t>(
                                      reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace vx::sim
