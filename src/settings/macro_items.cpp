#include "settings/macro_items.h"

#include "common/text_format.h"

namespace vx {

namespace {

constexpr wchar_t kDownSuffix[] = L"   Dn";
constexpr wchar_t kUpSuffix[] = L"   Up";
constexpr int32_t kShortestDelay = 20;
constexpr int32_t kLongestDelay = 10000;

}  // namespace

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

}  // namespace vx
