#pragma once

#include <array>
#include <string>
#include <vector>

#include "settings/macro_items.h"

namespace vx {

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
