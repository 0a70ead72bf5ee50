#include "settings/record_ini.h"

#include <algorithm>

#include "common/text_format.h"
#include "settings/ini_document.h"
#include "settings/file_saves.h"
#include "settings/str_ini.h"

namespace vx {

namespace {

constexpr size_t kSectionNameBufferChars = 1024;
constexpr size_t kListedChars = 255;
constexpr size_t kValueChars = 1024;
// More items than a slot could ever play; a hand-edited count beyond it reads no further.
constexpr size_t kMaxItems = 1024;
constexpr wchar_t kItemCount[] = L"ItemCount";
constexpr size_t kAllSectionNamesChars = 1 << 16;

std::wstring ItemKey(size_t index) {
  return L"Item" + std::to_wstring(index);
}

}  // namespace

std::vector<std::wstring> SectionNamesWithin255(const std::wstring& section_names) {
  std::vector<std::wstring> names;
  size_t at = 0;
  while (at < kListedChars && at < section_names.size() && section_names[at] != L'\0') {
    const size_t end = std::min(section_names.find(L'\0', at), section_names.size());
    if (end > kListedChars) break;
    names.push_back(section_names.substr(at, end - at));
    at = end + 1;
  }
  return names;
}

std::vector<std::wstring> RecordIni::MacroNames() {
  std::vector<std::wstring> names;
  // A hand-edited file may repeat a name in another case; every read finds the first section of
  // that name, so the later ones are no macro of their own.
  for (std::wstring& name :
       SectionNamesWithin255(profile_.SectionNames(path_, kSectionNameBufferChars))) {
    const auto same = [&name](const std::wstring& known) { return SameIniName(known, name); };
    if (std::none_of(names.begin(), names.end(), same)) names.push_back(std::move(name));
  }
  if (names.size() > kMaxMacros) names.resize(kMaxMacros);
  return names;
}

size_t RecordIni::ItemCount(const std::wstring& macro) {
  const int32_t count = TextToLong(profile_.GetString(path_, macro, kItemCount, L"", kValueChars));
  return std::clamp<size_t>(count < 0 ? 0 : static_cast<size_t>(count), 0, kMaxItems);
}

std::vector<std::wstring> RecordIni::Items(const std::wstring& macro) {
  std::vector<std::wstring> items;
  const size_t count = ItemCount(macro);
  for (size_t i = 0; i < count; ++i) {
    items.push_back(profile_.GetString(path_, macro, ItemKey(i), L"", kValueChars));
  }
  return items;
}

uint32_t RecordIni::WriteItems(const std::wstring& macro, const std::vector<std::wstring>& items) {
  const size_t old_count = ItemCount(macro);
  return EditProfileFile(
      files_, profile_, path_, kUnicodeProfileStart, [&](const std::wstring& copy) {
        if (!profile_.WriteString(copy, macro, kItemCount, std::to_wstring(items.size()))) {
          return false;
        }
        for (size_t i = 0; i < items.size(); ++i) {
          if (!profile_.WriteString(copy, macro, ItemKey(i), items[i])) return false;
        }
        for (size_t i = items.size(); i < old_count; ++i) {
          if (!profile_.WriteString(copy, macro, ItemKey(i), std::nullopt)) return false;
        }
        return true;
      });
}

std::vector<Macro> RecordIni::Load() {
  std::vector<Macro> macros;
  for (std::wstring& name : MacroNames()) {
    std::vector<std::wstring> items = Items(name);
    macros.push_back({std::move(name), std::move(items)});
  }
  return macros;
}

uint32_t RecordIni::WriteAll(const std::vector<Macro>& macros) {
  return EditProfileFile(
      files_, profile_, path_, kUnicodeProfileStart, [&](const std::wstring& copy) {
        for (const std::wstring& name : SectionNamesOf(copy)) {
          if (!profile_.DeleteSection(copy, name)) return false;
        }
        for (const Macro& macro : macros) {
          if (!profile_.WriteString(copy, macro.name, kItemCount,
                                    std::to_wstring(macro.items.size()))) {
            return false;
          }
          for (size_t i = 0; i < macro.items.size(); ++i) {
            if (!profile_.WriteString(copy, macro.name, ItemKey(i), macro.items[i])) return false;
          }
        }
        return true;
      });
}

std::vector<std::wstring> RecordIni::SectionNamesOf(const std::wstring& file) {
  // Every section, not only the twelve the mouse can hold: the file keeps none but the macros.
  const std::wstring list = profile_.SectionNames(file, kAllSectionNamesChars);
  std::vector<std::wstring> names;
  for (size_t at = 0; at < list.size() && list[at] != L'\0';) {
    const size_t end = std::min(list.find(L'\0', at), list.size());
    names.push_back(list.substr(at, end - at));
    at = end + 1;
  }
  return names;
}

uint32_t RecordIni::DeleteMacro(const std::wstring& macro) {
  return EditProfileFile(files_, profile_, path_, std::nullopt, [&](const std::wstring& copy) {
    return profile_.DeleteSection(copy, macro);
  });
}

}  // namespace vx
