#include "macro/macro_editor.h"

#include <algorithm>

#include "common/text_format.h"
#include "device/key_codes.h"
#include "device/macro_slots.h"
#include "macro/macro_bindings.h"
#include "settings/ini_document.h"

namespace vx {

namespace {

constexpr uint16_t kFewestRepeats = 1;
constexpr int32_t kMostRepeats = 65535;
constexpr std::array<const wchar_t*, kLanguageCount> kLanguageCodes = {L"", L"CHS", L"CHT"};

}  // namespace

MacroEditor::MacroEditor(SettingsStore& settings, SetupFiles& files, MessagePort& messages,
                         const LanguageText& texts)
    : settings_(settings), files_(files), messages_(messages), texts_(&texts) {
  for (size_t language = 0; language < kLanguageCount; ++language) {
    key_off_texts_[language] = LanguageTextFor(kLanguageCodes[language]).functions[kKeyOff];
  }
}

void MacroEditor::Refresh(const LanguageText& texts) {
  texts_ = &texts;
  Reload();
}

std::optional<uint16_t> MacroEditor::RepeatCountShown() const {
  if (selected_ < 0 || items_.items.empty()) return std::nullopt;
  SettingsRecord record = settings_.current.record;
  return RepeatCount(MacroOf(record, static_cast<size_t>(selected_) + 1));
}

// The confirmed macros first, in slot order, then the ones still to be confirmed.
void MacroEditor::Reload() {
  const std::wstring selected = selected_ >= 0 ? names_[static_cast<size_t>(selected_)] : L"";
  names_.clear();
  for (const Macro& macro : settings_.current.macros) names_.push_back(macro.name);
  std::erase_if(pending_, [this](const std::wstring& name) {
    return std::find(names_.begin(), names_.end(), name) != names_.end();
  });
  names_.insert(names_.end(), pending_.begin(), pending_.end());
  const auto at = std::find(names_.begin(), names_.end(), selected);
  selected_ = at == names_.end() ? -1 : static_cast<int>(at - names_.begin());
  if (selected_ < 0) items_ = {};
}

// record.ini's sections ignore case and the blanks around them: "M1" or " m1 " would be m1's
// section, and Confirm would write over m1's events.
bool MacroEditor::Add(const std::wstring& typed) {
  const std::wstring name = TrimBlanks(typed);
  const auto same = [&name](const std::wstring& other) { return SameIniName(other, name); };
  if (name.empty()) {
    messages_.ShowMessage(texts_->macro_name_blank);
  } else if (names_.size() >= kMaxMacros) {
    messages_.ShowMessage(L"Macro numbers up to 12.", L"Warning");
  } else if (std::any_of(names_.begin(), names_.end(), same)) {
    messages_.ShowMessage(texts_->macro_name_exists);
  } else if (name.size() > kMacroNameMaxChars) {
    messages_.ShowMessage(texts_->macro_name_too_long);
  } else {
    names_.push_back(name);
    pending_.push_back(name);
    selected_ = static_cast<int>(names_.size()) - 1;
    items_ = {};
    return true;
  }
  return false;
}

std::optional<uint16_t> MacroEditor::Select(int index) {
  if (index < 0 || index >= static_cast<int>(names_.size())) return std::nullopt;
  selected_ = index;
  const std::vector<Macro>& macros = settings_.current.macros;
  const auto position = static_cast<size_t>(index);
  items_ = {position < macros.size() ? macros[position].items : std::vector<std::wstring>{}, -1};
  if (items_.items.empty()) return std::nullopt;
  return RepeatCount(MacroOf(settings_.current.record, position + 1));
}

uint16_t MacroEditor::SetRepeatCount(const std::wstring& typed) {
  const int32_t count = TextToLong(typed);
  const uint16_t kept =
      count < kFewestRepeats || count > kMostRepeats ? kFewestRepeats : static_cast<uint16_t>(count);
  if (selected_ >= 0 && static_cast<size_t>(selected_) < kMacroCount) {
    vx::SetRepeatCount(MacroOf(settings_.current.record, static_cast<size_t>(selected_) + 1), kept);
  }
  return kept;
}

std::optional<size_t> MacroEditor::SetupPosition() const {
  if (selected_ < 0) return std::nullopt;
  const auto position = static_cast<size_t>(selected_);
  if (position >= settings_.current.macros.size()) return std::nullopt;
  return position;
}

bool MacroEditor::Commit(const std::vector<Macro>& macros, std::optional<size_t> deleted) {
  if (files_.SaveMacros(macros) != 0) return false;
  for (Profile* setup : {&settings_.current, &settings_.snapshot}) {
    if (deleted) ForgetDeletedMacro(*setup, *deleted, key_off_texts_);
    setup->macros = macros;
    CompileMacros(macros, setup->record);
  }
  return true;
}

bool MacroEditor::Confirm() {
  if (selected_ < 0) return false;
  const size_t bytes = MacroEventBytes(items_.items);
  if (bytes > kMacroEventBytes) {
    messages_.ShowMessage(ReplaceEvery(texts_->macro_too_long, L"{}", std::to_wstring(bytes)));
    return false;
  }
  // A macro that did not reach record.ini would vanish at the next start: the user hears of it
  // and keeps the items to confirm again.
  std::vector<Macro> macros = settings_.current.macros;
  const Macro confirmed{names_[static_cast<size_t>(selected_)], items_.items};
  if (const std::optional<size_t> position = SetupPosition()) {
    macros[*position] = confirmed;
  } else {
    macros.push_back(confirmed);
  }
  if (!Commit(macros, std::nullopt)) return false;
  Reload();
  return true;
}

void MacroEditor::Delete() {
  if (selected_ < 0) return;
  const std::wstring name = names_[static_cast<size_t>(selected_)];
  if (const std::optional<size_t> position = SetupPosition()) {
    // A macro still in record.ini keeps its slot and its buttons.
    std::vector<Macro> macros = settings_.current.macros;
    macros.erase(macros.begin() + static_cast<std::ptrdiff_t>(*position));
    if (!Commit(macros, *position)) return;
  }
  std::erase(pending_, name);
  selected_ = -1;
  items_ = {};
  Reload();
}

}  // namespace vx
