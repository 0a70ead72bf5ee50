#include <algorithm>

#include "common/text_format.h"
#include "device/macro_slots.h"
#include "profiles/profile_file.h"
#include "profiles/profile_format.h"

namespace vx {

namespace {

class Writer {
 public:
  void Section(const std::wstring& name) {
    if (!text_.empty()) text_ += L"\n";
    text_ += L"[" + name + L"]\n";
  }
  void Key(const std::wstring& key, const std::wstring& value) {
    text_ += key + L" = " + value + L"\n";
  }
  const std::wstring& text() const { return text_; }

 private:
  std::wstring text_;
};

std::wstring Numbers(std::span<const uint8_t> bytes) {
  std::wstring text;
  for (const uint8_t byte : bytes) {
    if (!text.empty()) text += L" ";
    text += std::to_wstring(byte);
  }
  return text;
}

bool AllZero(std::span<const uint8_t> bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](uint8_t b) { return b == 0; });
}

void WriteFields(Writer& out, SettingsRecord& record, bool reserved) {
  const wchar_t* section = nullptr;
  for (const RecordField& field : RecordFields()) {
    const std::span<uint8_t> bytes = field.bytes(record);
    if (field.reserved != reserved || (reserved && AllZero(bytes))) continue;
    if (section == nullptr || std::wstring_view(section) != field.section) {
      section = field.section;
      out.Section(section);
    }
    out.Key(field.key, Numbers(bytes));
  }
}

// KeyType always, the other fields where they are not 0.
void WriteKeySet(Writer& out, SettingsRecord& record, KeySetId set) {
  out.Section(KeySetSection(set));
  for (size_t button = 0; button < kButtonCount; ++button) {
    std::wstring value;
    for (const ButtonField& field : ButtonFields()) {
      const uint8_t byte = field.byte(record, set, button);
      if (byte == 0 && field.name != std::wstring_view(kKeyTypeField)) continue;
      if (!value.empty()) value += L" ";
      value += field.name + (L" " + std::to_wstring(byte));
    }
    out.Key(ButtonKey(button), value);
  }
}

// The repeat count lives in the slot, which a macro without items leaves clear.
void WriteMacros(Writer& out, SettingsRecord& record, const std::vector<Macro>& macros) {
  for (size_t index = 0; index < macros.size(); ++index) {
    out.Section(MacroSection(index));
    out.Key(kNameKey, macros[index].name);
    if (!macros[index].items.empty()) {
      out.Key(kRepeatKey, std::to_wstring(RepeatCount(MacroOf(record, index + 1))));
    }
    for (const std::wstring& item : macros[index].items) out.Key(kItemKey, item);
  }
}

void WriteKeyTexts(Writer& out, const std::array<KeyTexts, kLanguageCount>& texts) {
  for (size_t language = 0; language < kLanguageCount; ++language) {
    const KeyTexts& language_texts = texts[language];
    if (std::all_of(language_texts.begin(), language_texts.end(),
                    [](const std::wstring& t) { return t.empty(); })) {
      continue;
    }
    out.Section(KeyTextsSection(language));
    for (size_t index = 0; index < kKeyTextCount; ++index) {
      if (!language_texts[index].empty()) out.Key(KeyTextKey(index), language_texts[index]);
    }
  }
}

}  // namespace

std::string WriteProfileFile(const ProfileFile& file) {
  Writer out;
  out.Section(kProfileSection);
  out.Key(kFormatKey, kProfileFormatVersion);
  out.Key(kNameKey, file.name);
  for (const std::wstring& program : file.programs) out.Key(kProgramKey, program);
  SettingsRecord record = file.setup.record;
  WriteFields(out, record, false);
  WriteKeySet(out, record, KeySetId::kA);
  WriteKeySet(out, record, KeySetId::kB);
  WriteFields(out, record, true);
  WriteMacros(out, record, file.setup.macros);
  WriteKeyTexts(out, file.setup.key_texts);
  return ToUtf8(out.text());
}

std::optional<std::string> ProfileWriteFault(const ProfileFile& file) {
  const std::string text = WriteProfileFile(file);
  const ProfileFileRead read = ReadProfileFile(
      std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
  if (!read.file) return "its file would be refused: " + read.error;
  if (read.file->setup.record != file.setup.record) {
    return "its record's macro slots do not hold its macros compiled";
  }
  if (*read.file != file) return "a text of it holds characters that UTF-8 cannot keep";
  return std::nullopt;
}

}  // namespace vx
