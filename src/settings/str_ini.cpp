#include "settings/str_ini.h"

#include <algorithm>

#include "common/text_format.h"
#include "settings/file_saves.h"

namespace vx {

namespace {

constexpr wchar_t kSkinsSection[] = L"Skins";
constexpr wchar_t kProfilesSection[] = L"Profiles";

}  // namespace

std::wstring KeyTextName(size_t index) {
  if (index < 13) return L"Item" + std::to_wstring(index + 1);
  return L"Item" + std::to_wstring((index - 12) * 10 + 13);
}

std::wstring StrIni::Get(const std::wstring& section, const std::wstring& key) {
  return profile_.GetString(path_, section, key, L"", kProfileBufferChars);
}

uint32_t StrIni::Save(const std::vector<Entry>& entries) {
  const uint32_t error =
      EditProfileFile(files_, profile_, path_, kUnicodeProfileStart, [&](const std::wstring& copy) {
        for (const Entry& entry : entries) {
          const bool done = entry.key
                                ? profile_.WriteString(copy, entry.section, *entry.key, entry.value)
                                : profile_.DeleteSection(copy, entry.section);
          if (!done) return false;
        }
        return true;
      });
  if (error != 0) failed_saves_.Add(path_, error);
  return error;
}

std::wstring StrIni::LanguageCode() {
  return Get(kSkinsSection, L"Lan");
}

uint32_t StrIni::SaveLanguageCode(const std::wstring& code) {
  return Save({{kSkinsSection, L"Lan", code}});
}

KeyTexts StrIni::LoadKeyTexts(const std::wstring& section) {
  KeyTexts texts;
  for (size_t i = 0; i < texts.size(); ++i) texts[i] = Get(section, KeyTextName(i));
  return texts;
}

uint32_t StrIni::SaveKeyTexts(const std::wstring& section, const KeyTexts& texts) {
  std::vector<Entry> entries;
  for (size_t i = 0; i < texts.size(); ++i) entries.push_back({section, KeyTextName(i), texts[i]});
  return Save(entries);
}

uint32_t StrIni::SaveKeyTexts(std::span<const std::pair<std::wstring, KeyTexts>> sections) {
  std::vector<Entry> entries;
  for (const auto& [section, texts] : sections) {
    if (NoKeyTexts(texts)) {
      entries.push_back({section, std::nullopt, std::nullopt});
      continue;
    }
    for (size_t i = 0; i < texts.size(); ++i) entries.push_back({section, KeyTextName(i), texts[i]});
  }
  return Save(entries);
}

SkinKeys StrIni::LoadSkinKeys() {
  return {Get(kSkinsSection, L"RColor"), Get(kSkinsSection, L"GColor"),
          Get(kSkinsSection, L"BColor"), Get(kSkinsSection, L"Path")};
}

uint32_t StrIni::SaveSkin(const std::array<uint8_t, 3>& colour, const std::wstring& skin_name) {
  return Save({{kSkinsSection, L"RColor", std::to_wstring(colour[0])},
               {kSkinsSection, L"GColor", std::to_wstring(colour[1])},
               {kSkinsSection, L"BColor", std::to_wstring(colour[2])},
               {kSkinsSection, L"Path", skin_name}});
}

uint32_t StrIni::SaveSkinPath(const std::wstring& skin_name) {
  return Save({{kSkinsSection, L"Path", skin_name}});
}

ProfileKeys StrIni::LoadProfileKeys() {
  return {Get(kProfilesSection, L"Active"), Get(kProfilesSection, L"Chosen"),
          Get(kProfilesSection, L"SwitchByProgram")};
}

uint32_t StrIni::SaveProfileKeys(const ProfileKeys& keys) {
  return Save({{kProfilesSection, L"Active", keys.active},
               {kProfilesSection, L"Chosen", keys.chosen},
               {kProfilesSection, L"SwitchByProgram", keys.switch_by_program}});
}

uint8_t ColourByteFromText(const std::wstring& text) {
  return static_cast<uint8_t>(static_cast<uint32_t>(TextToLong(text)) & 0xFF);
}

std::array<uint8_t, 3> UiTextColourFrom(const SkinKeys& keys) {
  return {ColourByteFromText(keys.red), ColourByteFromText(keys.green),
          ColourByteFromText(keys.blue)};
}

bool NoKeyTexts(const KeyTexts& texts) {
  return std::all_of(texts.begin(), texts.end(),
                     [](const std::wstring& text) { return text.empty(); });
}

KeyTexts DefaultKeyTexts(std::span<const std::wstring, kFunctionCount> function_texts) {
  // Function list entries: 0 left, 1 right, 2 middle click, 3 forward, 4 backward, 7 RGB on/off,
  // 10 fire key, 12 combo key, 15 key off. The DPI texts are not translated.
  const std::wstring& key_off = function_texts[15];
  const std::array<std::wstring, 12> per_set = {
      function_texts[0],  function_texts[1], function_texts[2],
      function_texts[3],  function_texts[4], L"DPI Loop",
      function_texts[10], L"Shift DPI",      function_texts[12] + L"-left Win+D",
      function_texts[7],  key_off,           key_off};
  KeyTexts texts;
  for (size_t i = 0; i < per_set.size(); ++i) texts[i] = texts[i + 12] = per_set[i];
  return texts;
}

}  // namespace vx
