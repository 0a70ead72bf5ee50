#include "pages/lighting_texts.h"

#include <array>

namespace vx {

namespace {

constexpr size_t kNeonPeriods = 30;

// 0.5 s steps without a trailing ".0": "0.5S", "1S", "1.5S" .. "15S".
std::wstring NeonPeriod(size_t index) {
  const size_t halves = index + 1;
  std::wstring text = std::to_wstring(halves / 2);
  if (halves % 2 != 0) text += L".5";
  return text + L"S";
}

constexpr uint8_t kRespirationFirstEffect = 1;
constexpr uint8_t kNeonFirstEffect = 2;
constexpr size_t kEffectsPerMode = 2;

}  // namespace

std::wstring LightModeText(const LanguageText& texts, uint8_t mode) {
  switch (mode) {
    case kLightOff:
      return texts.light_off;
    case kLightStandard:
      return texts.light_standard;
    case kLightRespiration:
      return texts.light_respiration;
    case kLightNeon:
      return texts.light_neon;
    default:
      return L"";
  }
}

std::vector<std::wstring> LightModeEntries(const LanguageText& texts) {
  return {texts.light_standard, texts.light_respiration, texts.light_neon};
}

std::vector<std::wstring> LightParameterEntries(uint8_t mode) {
  if (mode == kLightStandard) {
    return {L"5%", L"15%", L"25%", L"35%", L"45%", L"55%", L"65%", L"75%", L"85%", L"100%"};
  }
  if (mode == kLightRespiration) return {L"8S", L"7S", L"6S", L"5S", L"4S"};
  std::vector<std::wstring> periods;
  for (size_t i = 0; i < kNeonPeriods; ++i) periods.push_back(NeonPeriod(i));
  return periods;
}

std::wstring LightParameterText(uint8_t mode, uint8_t value) {
  if (mode < kLightStandard || mode > kLightNeon) return L"";
  const std::vector<std::wstring> entries = LightParameterEntries(mode);
  return value < entries.size() ? entries[value] : L"";
}

std::wstring LightEffectText(const LanguageText& texts, uint8_t value) {
  const std::array<const std::wstring*, 4> effects = {
      &texts.effect_non_display, &texts.effect_rgb, &texts.effect_rgb_flash,
      &texts.effect_rgb_fixed_on};
  return value < effects.size() ? *effects[value] : L"";
}

uint8_t FirstLightEffect(uint8_t mode) {
  return mode == kLightRespiration ? kRespirationFirstEffect : kNeonFirstEffect;
}

std::vector<std::wstring> LightEffectEntries(const LanguageText& texts, uint8_t mode) {
  if (mode == kLightStandard) return {};
  std::vector<std::wstring> entries;
  for (size_t i = 0; i < kEffectsPerMode; ++i) {
    entries.push_back(LightEffectText(texts, static_cast<uint8_t>(FirstLightEffect(mode) + i)));
  }
  return entries;
}

LightFieldTexts LightFieldTextsFor(const LanguageText& texts, uint8_t mode, uint8_t parameter,
                                   uint8_t effect) {
  LightFieldTexts fields{LightModeText(texts, mode), LightParameterText(mode, parameter), L""};
  if (mode == kLightStandard) {
    fields.effect = texts.effect_rgb;
  } else if (mode == kLightRespiration || mode == kLightNeon) {
    fields.effect = LightEffectText(texts, effect);
  }
  return fields;
}

}  // namespace vx
