#include "macro/macro_item_list.h"

namespace vx {

namespace {

constexpr wchar_t kClick[] = L" Click";

std::wstring WithoutClick(const std::wstring& event) {
  return event.substr(0, event.find(kClick));
}

}  // namespace

const std::array<const wchar_t*, 9> kMouseEvents = {
    L"L-Button Click", L"R-Button Click", L"M-Button Click", L"L-Button   Dn", L"L-Button   Up",
    L"R-Button   Dn",  L"R-Button   Up",  L"M-Button   Dn",  L"M-Button   Up"};

bool InsertMouseEvent(ItemList& list, const std::wstring& event) {
  std::vector<std::wstring> inserted;
  const std::wstring delay = DelayItem(kRecordedDelayMs);
  const bool click = event.find(kClick) != std::wstring::npos;
  if (click) {
    inserted = {DownItem(WithoutClick(event)), delay, UpItem(WithoutClick(event)), delay};
  } else {
    inserted = {event, delay};
  }
  auto& items = list.items;
  if (items.empty()) {
    items = inserted;
    return true;
  }
  const int s = list.selection;
  if (s < 0 || s >= static_cast<int>(items.size())) return false;
  // After a selected event its own delay comes first, so the new events follow it.
  const bool after_event = ParseMacroItem(items[static_cast<size_t>(s)]).kind != ItemKind::kDelay;
  if (after_event) {
    inserted.pop_back();
    inserted.insert(inserted.begin(), delay);
  }
  items.insert(items.begin() + s + 1, inserted.begin(), inserted.end());
  list.selection = after_event ? s + 2 : s + 1;
  return true;
}

}  // namespace vx
