#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "settings/profile.h"
#include "settings/settings_record.h"

namespace vx {

// A slot: the repeat count in bytes 0..1 (big-endian), then 126 bytes of events.
inline constexpr size_t kMacroEventBytes = kMacroBytes - 2;

// The long event form keeps the delay's hundreds in one byte.
inline constexpr int32_t kLongestMacroDelayMs = 25599;

using MacroSlot = std::span<uint8_t, kMacroBytes>;

uint16_t RepeatCount(std::span<const uint8_t, kMacroBytes> slot);
void SetRepeatCount(MacroSlot slot, uint16_t count);

// How many event bytes the items take: 2 per event whose delay is at most 1270 ms, else 4.
size_t MacroEventBytes(const std::vector<std::wstring>& items);

// The items into the slot's events, from byte 2 of the cleared event area whatever the first
// item is; the repeat count stays. Events that would not fit are left out (false).
bool CompileMacro(const std::vector<std::wstring>& items, MacroSlot slot);

// Every macro into its slot, in order, with its repeat count (1 for a slot that had none); a
// macro without items clears its whole slot, and the slots after the last macro are cleared, so
// no deleted macro stays playable.
void CompileMacros(const std::vector<Macro>& macros, SettingsRecord& settings);

}  // namespace vx
