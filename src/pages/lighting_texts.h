#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/language_text.h"

namespace vx {

enum LightMode : uint8_t { kLightOff = 0, kLightStandard = 1, kLightRespiration = 2, kLightNeon = 3 };

// "Off", "Standard", "Respiration", "Neon"; other values an empty text.
std::wstring LightModeText(const LanguageText& texts, uint8_t mode);
// The modes a user can choose: entry e is mode e + 1.
std::vector<std::wstring> LightModeEntries(const LanguageText& texts);

// The parameter list of a mode: brightness for Standard, the period for Respiration, and the
// Neon periods for Neon and every other mode. The stored value is the entry's index.
std::vector<std::wstring> LightParameterEntries(uint8_t mode);
// An index outside the list, or a mode other than 1..3, shows an empty text.
std::wstring LightParameterText(uint8_t mode, uint8_t value);

// "Non-Disolay", "RGB Effect", "RGB Flash", "RGB Fixed On" by stored value; others empty.
std::wstring LightEffectText(const LanguageText& texts, uint8_t value);
// Respiration offers effects 1 and 2, Neon (and other modes) 2 and 3; Standard none.
std::vector<std::wstring> LightEffectEntries(const LanguageText& texts, uint8_t mode);
// The stored value of entry 0 of a mode's effect list.
uint8_t FirstLightEffect(uint8_t mode);

// What the mode, parameter and effect fields show for a record. Standard always reads
// "RGB Effect", the only effect it sends; a mode other than 1..3 leaves the other two empty.
struct LightFieldTexts {
  std::wstring mode, parameter, effect;
};
LightFieldTexts LightFieldTextsFor(const LanguageText& texts, uint8_t mode, uint8_t parameter,
                                   uint8_t effect);

}  // namespace vx
