#include "device/macro_slots.h"

#include <algorithm>

#include "device/key_codes.h"
#include "device/key_name_tables.h"
#include "settings/macro_items.h"

namespace vx {

namespace {

constexpr int32_t kLongestShortDelay = 1270;
constexpr uint8_t kUpBit = 0x80;
constexpr uint8_t kLongDelayMark = 3;

// An event entry: the item's kind and key, and the delay that follows it.
std::vector<uint8_t> EventEntry(const MacroItem& event, int32_t delay) {
  const int32_t w = std::clamp(delay, 0, kLongestMacroDelayMs);
  const uint8_t up = event.kind == ItemKind::kUp ? kUpBit : 0;
  const uint8_t code = KeyNameToUsage(event.key);
  if (w <= kLongestShortDelay) return {static_cast<uint8_t>(w / 10 | up), code};
  return {static_cast<uint8_t>(w % 100 | up), code, static_cast<uint8_t>(w / 100), kLongDelayMark};
}

// The entries of every event of the list, each with the delay of the item after it (0 when
// there is none).
std::vector<std::vector<uint8_t>> EventEntries(const std::vector<std::wstring>& items) {
  std::vector<std::vector<uint8_t>> entries;
  for (size_t j = 0; j < items.size(); ++j) {
    const MacroItem item = ParseMacroItem(items[j]);
    if (item.kind == ItemKind::kDelay) continue;
    const int32_t delay = j + 1 < items.size() ? ParseMacroItem(items[j + 1]).delay_ms : 0;
    entries.push_back(EventEntry(item, delay));
  }
  return entries;
}

MacroSlot SlotOf(SettingsRecord& record, size_t index) {
  return MacroOf(record, index + 1);
}

}  // namespace

uint16_t RepeatCount(std::span<const uint8_t, kMacroBytes> slot) {
  return static_cast<uint16_t>(slot[0] << 8 | slot[1]);
}

void SetRepeatCount(MacroSlot slot, uint16_t count) {
  slot[0] = static_cast<uint8_t>(count >> 8);
  slot[1] = static_cast<uint8_t>(count);
}

size_t MacroEventBytes(const std::vector<std::wstring>& items) {
  size_t bytes = 0;
  for (const auto& entry : EventEntries(items)) bytes += entry.size();
  return bytes;
}

bool CompileMacro(const std::vector<std::wstring>& items, MacroSlot slot) {
  std::fill(slot.begin() + 2, slot.end(), 0);
  auto at = slot.begin() + 2;
  for (const auto& entry : EventEntries(items)) {
    if (static_cast<size_t>(slot.end() - at) < entry.size()) return false;
    at = std::copy(entry.begin(), entry.end(), at);
  }
  return true;
}

void CompileMacros(const std::vector<Macro>& macros, SettingsRecord& settings) {
  for (size_t index = 0; index < kMacroCount; ++index) {
    const MacroSlot slot = SlotOf(settings, index);
    if (index >= macros.size() || macros[index].items.empty()) {
      std::fill(slot.begin(), slot.end(), 0);
      continue;
    }
    // A macro new to its slot plays once until its count is set; 0 is no count the mouse knows.
    if (RepeatCount(slot) == 0) SetRepeatCount(slot, 1);
    CompileMacro(macros[index].items, slot);
  }
}

}  // namespace vx
