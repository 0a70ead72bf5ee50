#include "macro/macro_items.h"

#include "common/text_format.h"

namespace vx {

namespace {

constexpr wchar_t kDownSuffix[] = L"   Dn";
constexpr wchar_t kUpSuffix[] = L"   Up";
constexpr wchar_t kClick[] = L" Click";
constexpr int32_t kShortestDelay = 20;
constexpr int32_t kLongestDelay = 10000;

std::wstring WithoutClick(const std::wstring& event) {
  return event.substr(0, event.find(kClick));
}

}  // namespace

const std::array<const wchar_t*, 9> kMouseEvents = {
    L"L-Button Click", L"R-Button Click", L"M-Button Click", L"L-Button   Dn", L"L-Button   Up",
    L"R-Button   Dn",  L"R-Button   Up",  L"M-Button   Dn",  L"M-Button   Up"};

MacroItem ParseMacroItem(const std::wstring& text) {
  const size_t down = text.find(kDownSuffix);
  if (down != std::wstring::npos) return {ItemKind::kDown, text.substr(0, down), 0};
  const size_t up = text.find(kUpSuffix);
  if (up != std::wstring::npos) return {ItemKind::kUp, text.substr(0, up), 0};
  return {ItemKind::kDelay, L"", TextToLong(text)};
}

std::wstring DownItem(const std::wstring& key) {
  return key + kDownSuffix;
}

std::wstring UpItem(const std::wstring& key) {
  return key + kUpSuffix;
}

std::wstring DelayItem(int32_t milliseconds) {
  return std::to_wstring(milliseconds) + L" ms";
}

bool IsDelayText(const std::wstring& text) {
  return text.find(L"ms") != std::wstring::npos;
}

std::wstring DelayItemFromDialog(int32_t value, const std::wstring& typed) {
  if (value < kShortestDelay) return DelayItem(kShortestDelay);
  if (value > kLongestDelay) return DelayItem(kLongestDelay);
  return typed + L" ms";
}

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
