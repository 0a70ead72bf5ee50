#include "app/language_choice.h"

namespace vx {

namespace {

constexpr uint16_t kChinese = 0x04;
constexpr uint16_t kTaiwan = 0x01;
constexpr uint16_t kHongKong = 0x03;
constexpr uint16_t kMacao = 0x05;
constexpr uint16_t kTraditionalScript = 0x1F;

}  // namespace

std::wstring LanguageCodeForDisplayLanguage(uint16_t language_id) {
  const uint16_t primary = language_id & 0x3FF;
  const uint16_t region = language_id >> 10;
  if (primary != kChinese) return L"EN";
  const bool traditional = region == kTaiwan || region == kHongKong || region == kMacao ||
                           region == kTraditionalScript;
  return traditional ? L"CHT" : L"CHS";
}

}  // namespace vx
