#pragma once

#include <cstdint>
#include <string>

namespace vx {

// A macro's event list as the editor shows it and record.ini keeps it: key or button events,
// "A   Dn" and "A   Up", with delay items such as "50 ms" between them.
enum class ItemKind { kDown, kUp, kDelay };

struct MacroItem {
  ItemKind kind = ItemKind::kDelay;
  std::wstring key;     // events: the key-name table's name
  int32_t delay_ms = 0;  // delays: the leading number, 0 when there is none
};

MacroItem ParseMacroItem(const std::wstring& text);
std::wstring DownItem(const std::wstring& key);
std::wstring UpItem(const std::wstring& key);
std::wstring DelayItem(int32_t milliseconds);
// Only items that say "ms" open the delay dialog.
bool IsDelayText(const std::wstring& text);

inline constexpr int32_t kRecordedDelayMs = 50;

// The delay dialog's answer as the line it becomes: 20..10000 ms, the text as typed in between.
std::wstring DelayItemFromDialog(int32_t value, const std::wstring& typed);

}  // namespace vx
