#pragma once

#include <array>
#include <optional>
#include <utility>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "settings/file_port.h"
#include "settings/file_saves.h"
#include "settings/profile_store.h"

namespace vx {

inline constexpr size_t kKeyTextCount = 24;
inline constexpr size_t kFunctionCount = 16;
inline constexpr size_t kProfileBufferChars = 1024;

// The texts shown for each button's function: key set A buttons 1..12, then key set B.
using KeyTexts = std::array<std::wstring, kKeyTextCount>;

// "Item1".."Item12" for key set A, "Item13", "Item23".."Item123" for key set B.
std::wstring KeyTextName(size_t index);

// The [Skins] keys as they stand in the file.
struct SkinKeys {
  std::wstring red;
  std::wstring green;
  std::wstring blue;
  std::wstring path;
};

// The [Profiles] keys: the profile the three files hold, the one the user chose by hand last, and
// whether the program in front chooses ("1", "0", or empty when never set).
struct ProfileKeys {
  std::wstring active;
  std::wstring chosen;
  std::wstring switch_by_program;
};

// str.ini: the language code, the key texts per language section, the skin keys and the profile
// keys.
//
// Each save changes the file in one step (see EditProfileFile) and returns 0 or the system's
// error code; a save that fails is reported once, with the other failed saves of the user's
// action, and leaves the file as it was.
class StrIni {
 public:
  StrIni(ProfileStore& profile, FilePort& files, FailedSaves& failed_saves, std::wstring path)
      : profile_(profile), files_(files), failed_saves_(failed_saves), path_(std::move(path)) {}

  std::wstring LanguageCode();
  uint32_t SaveLanguageCode(const std::wstring& code);
  KeyTexts LoadKeyTexts(const std::wstring& section);
  uint32_t SaveKeyTexts(const std::wstring& section, const KeyTexts& texts);
  // Every section of the list in one step; a section whose texts are all empty goes.
  uint32_t SaveKeyTexts(std::span<const std::pair<std::wstring, KeyTexts>> sections);
  SkinKeys LoadSkinKeys();
  ProfileKeys LoadProfileKeys();
  uint32_t SaveProfileKeys(const ProfileKeys& keys);
  uint32_t SaveSkin(const std::array<uint8_t, 3>& colour, const std::wstring& skin_name);
  // Only "Path": the colour keys stay as the user wrote them.
  uint32_t SaveSkinPath(const std::wstring& skin_name);

 private:
  // A missing value deletes the key, a missing key the whole section.
  struct Entry {
    std::wstring section;
    std::optional<std::wstring> key;
    std::optional<std::wstring> value;
  };

  std::wstring Get(const std::wstring& section, const std::wstring& key);
  uint32_t Save(const std::vector<Entry>& entries);

  ProfileStore& profile_;
  FilePort& files_;
  FailedSaves& failed_saves_;
  std::wstring path_;
};

// A profile file the program creates starts as the UTF-16LE byte-order mark alone, so the system
// keeps Chinese texts as Unicode instead of the ANSI code page's question marks. An existing file
// keeps its encoding.
inline constexpr std::array<uint8_t, 2> kUnicodeProfileStart = {0xFF, 0xFE};

// The leading decimal digits of the text (after blanks and a sign), low byte kept; anything
// else gives 0.
uint8_t ColourByteFromText(const std::wstring& text);
std::array<uint8_t, 3> UiTextColourFrom(const SkinKeys& keys);

// A language whose key-text section holds nothing.
bool NoKeyTexts(const KeyTexts& texts);

// The texts of the factory key assignment, from the language's function list.
KeyTexts DefaultKeyTexts(std::span<const std::wstring, kFunctionCount> function_texts);

}  // namespace vx
