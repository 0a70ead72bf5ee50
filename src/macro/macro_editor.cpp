#include "macro/macro_editor.h"

#include <algorithm>

#include "common/text_format.h"
#include "device/key_codes.h"
#include "macro/macro_compiler.h"
#include "settings/file_saves.h"
#include "settings/ini_document.h"

namespace vx {

namespace {

constexpr uint16_t kFewestRepeats = 1;
constexpr int32_t kMostRepeats = 65535;

}  // namespace

void MacroEditor::Load() {
  names_ = record_.MacroNames();
  pending_.clear();
  selected_ = -1;
  items_ = {};
}

// The confirmed macros first, in file order, then the ones still to be confirmed.
void MacroEditor::Reload() {
  const std::wstring selected = selected_ >= 0 ? names_[static_cast<size_t>(selected_)] : L"";
  names_ = record_.MacroNames();
  std::erase_if(pending_, [this](const std::wstring& name) {
    return std::find(names_.begin(), names_.end(), name) != names_.end();
  });
  names_.insert(names_.end(), pending_.begin(), pending_.end());
  const auto at = std::find(names_.begin(), names_.end(), selected);
  selected_ = at == names_.end() ? -1 : static_cast<int>(at - names_.begin());
}

// record.ini's sections ignore case and the blanks around them: "M1" or " m1 " would be m1's
// section, and Confirm would write over m1's events.
bool MacroEditor::Add(const std::wstring& typed) {
  const std::wstring name = TrimBlanks(typed);
  const auto same = [&name](const std::wstring& other) { return SameIniName(other, name); };
  if (name.empty()) {
    messages_.ShowMessage(texts_.macro_name_blank);
  } else if (names_.size() >= kMaxMacros) {
    messages_.ShowMessage(L"Macro numbers up to 12.", L"Warning");
  } else if (std::any_of(names_.begin(), names_.end(), same)) {
    messages_.ShowMessage(texts_.macro_name_exists);
  } else if (name.size() > kMacroNameMaxChars) {
    messages_.ShowMessage(texts_.macro_name_too_long);
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
  items_ = {record_.Items(names_[static_cast<size_t>(index)]), -1};
  if (items_.items.empty()) return std::nullopt;
  return RepeatCount(MacroOf(settings_.current, static_cast<size_t>(index) + 1));
}

uint16_t MacroEditor::SetRepeatCount(const std::wstring& typed) {
  const int32_t count = TextToLong(typed);
  const uint16_t kept =
      count < kFewestRepeats || count > kMostRepeats ? kFewestRepeats : static_cast<uint16_t>(count);
  if (selected_ >= 0 && static_cast<size_t>(selected_) < kMacroCount) {
    vx::SetRepeatCount(MacroOf(settings_.current, static_cast<size_t>(selected_) + 1), kept);
  }
  return kept;
}

std::optional<size_t> MacroEditor::FilePosition() {
  if (selected_ < 0) return std::nullopt;
  const std::vector<std::wstring> file = record_.MacroNames();
  const auto at = std::find(file.begin(), file.end(), names_[static_cast<size_t>(selected_)]);
  if (at == file.end()) return std::nullopt;
  return static_cast<size_t>(at - file.begin());
}

bool MacroEditor::Confirm() {
  if (selected_ < 0) return false;
  const size_t bytes = MacroEventBytes(items_.items);
  if (bytes > kMacroEventBytes) {
    messages_.ShowMessage(ReplaceEvery(texts_.macro_too_long, L"{}", std::to_wstring(bytes)));
    return false;
  }
  // A macro that did not reach record.ini would vanish at the next start: the user hears of it
  // and keeps the items to confirm again.
  if (const uint32_t error = record_.WriteItems(names_[static_cast<size_t>(selected_)],
                                                items_.items);
      error != 0) {
    failed_saves_.Add(record_.path(), error);
    return false;
  }
  CompileMacros(record_, settings_.current);
  Reload();
  return true;
}

void MacroEditor::Delete() {
  if (selected_ < 0) return;
  const std::optional<size_t> position = FilePosition();
  const std::wstring name = names_[static_cast<size_t>(selected_)];
  if (position) {
    // A macro still in record.ini keeps its slot and its buttons.
    if (const uint32_t error = record_.DeleteMacro(name); error != 0) {
      failed_saves_.Add(record_.path(), error);
      return;
    }
    ForgetDeletedMacro(settings_, *position, texts_.functions[kKeyOff]);
    CompileMacros(record_, settings_.current);
  }
  std::erase(pending_, name);
  selected_ = -1;
  items_ = {};
  Reload();
}

}  // namespace vx
