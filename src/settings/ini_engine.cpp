#include "settings/ini_engine.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace vx {

namespace {

bool IsQuoted(std::wstring_view value) {
  return value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') &&
         value.back() == value.front();
}

// At most buffer_chars - 1 characters, one pair of matching quotes taken off. The system cuts
// the text together with its closing quote and then drops the last character kept whenever they
// all fitted: normally the quote, but a letter of the text when the buffer is one short of it.
std::wstring Reply(std::wstring_view value, size_t buffer_chars) {
  if (buffer_chars == 0) return {};
  if (!IsQuoted(value)) return std::wstring(value.substr(0, buffer_chars - 1));
  std::wstring kept(value.substr(1, buffer_chars - 1));
  // Unlike Wine, never before the start of an empty result.
  if (buffer_chars >= value.size() - 1 && !kept.empty()) kept.pop_back();
  return kept;
}

// The default loses its trailing spaces, but not other white space.
std::wstring_view WithoutTrailingSpaces(std::wstring_view text) {
  while (!text.empty() && text.back() == L' ') text.remove_suffix(1);
  return text;
}

// Each name ended by a zero, the list by a second one. The name that does not leave room for the
// list's end is cut (also one that would fill the buffer exactly, as the system counts it), and
// dropped when nothing of it is left.
std::wstring SectionNameList(const IniDocument& document, size_t buffer_chars) {
  if (buffer_chars < 2) return std::wstring(buffer_chars, L'\0');
  std::wstring list;
  for (const IniSection& section : document.sections) {
    if (section.name.empty()) continue;
    const size_t room = buffer_chars - list.size();
    const bool cut = section.name.size() + 2 >= room;
    const std::wstring_view name =
        std::wstring_view(section.name).substr(0, cut ? room - 2 : section.name.size());
    if (!name.empty()) {
      list += name;
      list.push_back(L'\0');
    }
    if (cut) break;
  }
  if (list.empty()) list.push_back(L'\0');
  list.push_back(L'\0');
  return list;
}

// Looked up by the trimmed names; created under the names less their leading spaces, as the
// system creates them. False when the value is already there.
bool SetValue(IniDocument& document, std::wstring_view section, std::wstring_view key,
              std::wstring_view value) {
  IniSection* target = FindIniSection(document, TrimIni(section));
  if (target == nullptr) {
    document.sections.push_back({std::wstring(TrimIniLeft(section)), {}});
    target = &document.sections.back();
  }
  IniEntry* entry = FindIniEntry(*target, TrimIni(key));
  if (entry == nullptr) {
    target->entries.push_back({std::wstring(TrimIniLeft(key)), std::wstring(value)});
    return true;
  }
  if (entry->value == value) return false;
  entry->value = std::wstring(value);
  return true;
}

// Deletions match the names untrimmed; a key is looked for in every section of that name.
bool RemoveEntry(IniDocument& document, std::wstring_view section, std::wstring_view key) {
  for (IniSection& candidate : document.sections) {
    if (!SameIniName(candidate.name, section)) continue;
    auto& entries = candidate.entries;
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const IniEntry& e) { return SameIniName(e.name, key); });
    if (found != entries.end()) {
      entries.erase(found);
      return true;
    }
  }
  return false;
}

bool RemoveSection(IniDocument& document, std::wstring_view section) {
  auto& sections = document.sections;
  const auto found = std::find_if(sections.begin(), sections.end(), [&](const IniSection& s) {
    return SameIniName(s.name, section);
  });
  if (found == sections.end()) return false;
  sections.erase(found);
  return true;
}

}  // namespace

std::wstring IniProfileStore::GetString(const std::wstring& file, const std::wstring& section,
                                        const std::wstring& key, const std::wstring& default_value,
                                        size_t buffer_chars) {
  IniDocument document = Read(file);
  IniSection* found = FindIniSection(document, TrimIni(UpToNul(section)));
  IniEntry* entry = found ? FindIniEntry(*found, TrimIni(UpToNul(key))) : nullptr;
  if (entry != nullptr && entry->value) return Reply(*entry->value, buffer_chars);
  return Reply(WithoutTrailingSpaces(UpToNul(default_value)), buffer_chars);
}

bool IniProfileStore::WriteString(const std::wstring& file, const std::wstring& section,
                                  const std::wstring& key,
                                  const std::optional<std::wstring>& value) {
  if (!value) return DeleteKey(file, section, key);
  std::optional<Profile> profile = Load(file);
  if (!profile) return false;
  if (!SetValue(profile->document, UpToNul(section), UpToNul(key), TrimIniLeft(UpToNul(*value)))) {
    return true;
  }
  return Save(file, *profile);
}

bool IniProfileStore::DeleteSection(const std::wstring& file, const std::wstring& section) {
  std::optional<Profile> profile = Load(file);
  if (!profile) return false;
  if (!RemoveSection(profile->document, UpToNul(section))) return true;
  return Save(file, *profile);
}

std::wstring IniProfileStore::SectionNames(const std::wstring& file, size_t buffer_chars) {
  return SectionNameList(Read(file), buffer_chars);
}

bool IniProfileStore::DeleteKey(const std::wstring& file, const std::wstring& section,
                                const std::wstring& key) {
  std::optional<Profile> profile = Load(file);
  if (!profile) return false;
  if (!RemoveEntry(profile->document, UpToNul(section), UpToNul(key))) return true;
  return Save(file, *profile);
}

std::optional<IniProfileStore::Profile> IniProfileStore::Load(const std::wstring& file) {
  const FileRead read = files_.Read(file, kMaxProfileFileBytes);
  if (read.outcome == FileRead::Outcome::kMissing) return Profile{IniEncoding::kAnsi, ParseIni({})};
  if (read.outcome != FileRead::Outcome::kRead) {
    last_error_ = read.error;
    return std::nullopt;
  }
  IniText text = DecodeIniText(read.bytes);
  return Profile{text.encoding, ParseIni(text.text)};
}

IniDocument IniProfileStore::Read(const std::wstring& file) {
  std::optional<Profile> profile = Load(file);
  return profile ? std::move(profile->document) : ParseIni({});
}

// A missing file is created without a byte-order mark, as the system creates it; either way the
// file changes in one step.
bool IniProfileStore::Save(const std::wstring& file, const Profile& profile) {
  const std::vector<uint8_t> bytes =
      EncodeIniText({profile.encoding, SerializeIni(profile.document)});
  const uint32_t error = files_.ReplaceAll(file, bytes);
  if (error != 0) last_error_ = error;
  return error == 0;
}

}  // namespace vx
