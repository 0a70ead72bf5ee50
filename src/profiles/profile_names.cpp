#include "profiles/profile_names.h"

#include <algorithm>

#include "common/case_fold.h"
#include "common/text_format.h"
#include "device/key_name_tables.h"
#include "device/macro_slots.h"
#include "settings/macro_items.h"
#include "settings/record_ini.h"

namespace vx {

namespace {

constexpr std::wstring_view kFileNameForbidden = L"\\/:*?\"<>|";
constexpr char kNotAnItem[] =
    "is neither a key's down or up, such as 'A   Dn', nor a delay, such as '50 ms'";

bool IsControl(wchar_t c) {
  return c < 0x20 || c == 0x7F;
}

// The rules a name shares with a Windows file name.
std::optional<std::string> FileNameFault(std::wstring_view name, size_t max_chars) {
  if (name.empty()) return "is blank";
  if (TrimBlanks(name).size() != name.size()) return "has blanks at its ends";
  if (Utf16Length(name) > max_chars)
    return Format("is longer than %d characters", static_cast<int>(max_chars));
  for (const wchar_t c : name) {
    if (IsControl(c)) return "holds a control character";
    if (kFileNameForbidden.find(c) != std::wstring_view::npos) {
      return Format("holds the character '%c'", static_cast<char>(c));
    }
  }
  return std::nullopt;
}

wchar_t AsciiLower(wchar_t c) {
  return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

}  // namespace

// Wide text that is UTF-32 takes two units for a character beyond the first plane.
size_t Utf16Length(std::wstring_view text) {
  const auto beyond = std::count_if(text.begin(), text.end(),
                                    [](wchar_t c) { return static_cast<uint32_t>(c) >> 16 != 0; });
  return text.size() + static_cast<size_t>(beyond);
}

std::optional<std::string> ProfileNameFault(std::wstring_view name) {
  return FileNameFault(name, kProfileNameMaxChars);
}

std::optional<std::string> ProgramNameFault(std::wstring_view program) {
  return FileNameFault(program, kProgramNameMaxChars);
}

std::optional<std::string> MacroNameFault(std::wstring_view name) {
  if (TrimBlanks(name).empty()) return "is blank";
  if (TrimBlanks(name).size() != name.size()) return "has blanks at its ends";
  if (Utf16Length(name) > kMacroNameMaxChars) {
    return Format("is longer than %d characters", static_cast<int>(kMacroNameMaxChars));
  }
  if (std::any_of(name.begin(), name.end(), IsControl)) return "holds a control character";
  return std::nullopt;
}

std::optional<std::string> MacroItemFault(std::wstring_view item) {
  const std::wstring text(item);
  const MacroItem parsed = ParseMacroItem(text);
  if (parsed.kind == ItemKind::kDelay) {
    if (DelayItem(parsed.delay_ms) != text) {
      return kNotAnItem;
    }
    if (parsed.delay_ms < 0 || parsed.delay_ms > kLongestMacroDelayMs) {
      return Format("is a delay outside 0 to %d ms", kLongestMacroDelayMs);
    }
    return std::nullopt;
  }
  const std::wstring event =
      parsed.kind == ItemKind::kDown ? DownItem(parsed.key) : UpItem(parsed.key);
  if (event != text) {
    return kNotAnItem;
  }
  if (KeyNameToUsage(parsed.key) == 0) {
    return "names a key that the key-name table does not know";
  }
  return std::nullopt;
}

bool SameIgnoringAsciiCase(std::wstring_view a, std::wstring_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](wchar_t x, wchar_t y) { return AsciiLower(x) == AsciiLower(y); });
}

bool SameProgramName(std::wstring_view a, std::wstring_view b) {
  return FoldCase(a) == FoldCase(b);
}

// The names stand in the list as long as Windows' UTF-16 list would hold them.
size_t MacroNamesListed(const std::vector<std::wstring>& names) {
  std::wstring list;
  for (const std::wstring& name : names) {
    list.append(Utf16Length(name), L'x');
    list.push_back(L'\0');
  }
  return SectionNamesWithin255(list).size();
}

}  // namespace vx
