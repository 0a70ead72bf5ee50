#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

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

// The mouse-event list's entries, the same in every language.
extern const std::array<const wchar_t*, 9> kMouseEvents;

// The editor's item list and its selected line (-1: none).
struct ItemList {
  std::vector<std::wstring> items;
  int selection = -1;
};

// A mouse event inserted at the selected line as the editor inserts it: a click as a down and
// an up item, each with a "50 ms" delay, after a selected delay or between a selected event and
// its own delay. False when nothing could be inserted (a list with lines but none selected).
bool InsertMouseEvent(ItemList& list, const std::wstring& event);

}  // namespace vx
