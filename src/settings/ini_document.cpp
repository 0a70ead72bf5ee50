#include "settings/ini_document.h"

#include <algorithm>

namespace vx {

namespace {

bool IsIniSpace(wchar_t c) {
  return (c >= L'\t' && c <= L'\r') || c == 0x1A || c == L' ';
}

wchar_t FoldAscii(wchar_t c) {
  return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

void AddEntry(IniSection& section, std::wstring_view line) {
  IniEntry entry;
  const size_t equals = line.find(L'=');
  if (equals == std::wstring_view::npos) {
    entry.name = UpToNul(line);
  } else {
    entry.name = UpToNul(TrimIni(line.substr(0, equals)));
    entry.value = std::wstring(UpToNul(TrimIniLeft(line.substr(equals + 1))));
  }
  // The system keeps only the first of nameless entries that follow each other.
  const bool repeats_nameless =
      entry.name.empty() && !section.entries.empty() && section.entries.back().name.empty();
  if (!repeats_nameless) section.entries.push_back(std::move(entry));
}

void AddLine(IniDocument& document, std::wstring_view line) {
  if (line.empty()) return;
  if (line.front() == L'[') {
    // A header ends at its last ']'; a '[' line without one is an entry.
    const size_t close = line.rfind(L']');
    if (close != std::wstring_view::npos) {
      document.sections.push_back({std::wstring(UpToNul(TrimIni(line.substr(1, close - 1)))), {}});
      return;
    }
  }
  AddEntry(document.sections.back(), line);
}

}  // namespace

IniDocument ParseIni(std::wstring_view text) {
  IniDocument document;
  document.sections.emplace_back();
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = std::min(text.find_first_of(L"\r\n", start), text.size());
    AddLine(document, TrimIni(text.substr(start, end - start)));
    start = end + 1;
  }
  return document;
}

std::wstring SerializeIni(const IniDocument& document) {
  std::wstring text;
  for (const IniSection& section : document.sections) {
    if (!section.name.empty()) text += L"[" + section.name + L"]\r\n";
    for (const IniEntry& entry : section.entries) {
      text += entry.name;
      if (entry.value) text += L"=" + *entry.value;
      text += L"\r\n";
    }
  }
  return text;
}

std::wstring_view TrimIni(std::wstring_view text) {
  text = TrimIniLeft(text);
  while (!text.empty() && IsIniSpace(text.back())) text.remove_suffix(1);
  return text;
}

std::wstring_view TrimIniLeft(std::wstring_view text) {
  while (!text.empty() && IsIniSpace(text.front())) text.remove_prefix(1);
  return text;
}

std::wstring_view UpToNul(std::wstring_view text) {
  return text.substr(0, text.find(L'\0'));
}

// Wine folds ASCII letters only; Windows folds the other letters too.
bool SameIniName(std::wstring_view a, std::wstring_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](wchar_t x, wchar_t y) { return FoldAscii(x) == FoldAscii(y); });
}

IniSection* FindIniSection(IniDocument& document, std::wstring_view name) {
  for (IniSection& section : document.sections) {
    if (SameIniName(section.name, name)) return &section;
  }
  return nullptr;
}

IniEntry* FindIniEntry(IniSection& section, std::wstring_view name) {
  for (IniEntry& entry : section.entries) {
    if (SameIniName(entry.name, name)) return &entry;
  }
  return nullptr;
}

}  // namespace vx
