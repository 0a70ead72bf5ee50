#include <map>
#include <utility>

#include "common/text_format.h"
#include "device/macro_slots.h"
#include "profiles/profile_file.h"
#include "profiles/profile_format.h"
#include "profiles/profile_lines.h"
#include "profiles/profile_names.h"
#include "profiles/profile_record_values.h"
#include "profiles/profile_relations.h"
#include "settings/factory_settings.h"

namespace vx {

namespace {

constexpr unsigned kLargestRepeat = UINT16_MAX;

enum class SectionKind { kProfile, kRecord, kKeySet, kMacro, kKeyTexts };

// Appended in turn: GCC 12 warns falsely of overlap for a short literal before a temporary.
std::string Around(char open, std::wstring_view text, char close) {
  std::string around(1, open);
  around += ToUtf8(text);
  around += close;
  return around;
}

std::string Quoted(std::wstring_view text) {
  return Around('\'', text, '\'');
}

std::string Bracketed(std::wstring_view section) {
  return Around('[', section, ']');
}

std::optional<SectionKind> KindOf(std::wstring_view section) {
  if (section == kProfileSection) return SectionKind::kProfile;
  if (KeySetOfSection(section)) return SectionKind::kKeySet;
  if (MacroOfSection(section)) return SectionKind::kMacro;
  if (LanguageOfKeyTextsSection(section)) return SectionKind::kKeyTexts;
  for (const RecordField& field : RecordFields()) {
    if (section == field.section) return SectionKind::kRecord;
  }
  return std::nullopt;
}

// Reads the lines in order; a problem ends the read at its line.
class Reader {
 public:
  Reader() { file_.setup.record = FactoryRecord(); }

  std::optional<ProfileFileError> Read(const std::vector<ProfileLine>& lines);
  ProfileFile& file() { return file_; }

 private:
  using Problem = std::optional<std::string>;

  Problem Enter(const ProfileLine& header);
  Problem Take(const ProfileLine& line);
  Problem TakeProfileKey(const ProfileLine& line);
  Problem TakeMacroKey(const ProfileLine& line);
  Problem TakeKeyText(const ProfileLine& line);
  std::optional<ProfileFileError> Finish();
  std::optional<ProfileFileError> FinishMacros();
  size_t LineOf(const std::wstring& section, const std::wstring& key) const;

  ProfileFile file_;
  std::vector<uint16_t> repeats_;
  std::map<std::wstring, size_t> section_lines_;
  std::map<std::pair<std::wstring, std::wstring>, size_t> key_lines_;
  std::vector<size_t> program_lines_;
  std::wstring section_;
  SectionKind kind_ = SectionKind::kProfile;
};

std::optional<ProfileFileError> Reader::Read(const std::vector<ProfileLine>& lines) {
  for (const ProfileLine& line : lines) {
    const Problem problem = line.is_section ? Enter(line) : Take(line);
    if (problem) return ProfileFileError{line.number, *problem};
  }
  if (section_lines_.empty()) return ProfileFileError{1, "a profile file begins with [Profile]"};
  return Finish();
}

Reader::Problem Reader::Enter(const ProfileLine& header) {
  const std::wstring& name = header.name;
  if (section_lines_.empty() && name != kProfileSection) {
    return "a profile file begins with [Profile]";
  }
  const std::optional<SectionKind> kind = KindOf(name);
  if (!kind) return "unknown section " + Bracketed(name);
  if (const auto seen = section_lines_.find(name); seen != section_lines_.end()) {
    return Format("[%s] appears twice, first on line %d", ToUtf8(name).c_str(),
                  static_cast<int>(seen->second));
  }
  if (*kind == SectionKind::kMacro) {
    const size_t expected = file_.setup.macros.size();
    if (*MacroOfSection(name) != expected) {
      return Bracketed(name) + " comes before " + Bracketed(MacroSection(expected)) +
             "; macros are numbered in order from 1";
    }
    file_.setup.macros.emplace_back();
    repeats_.push_back(1);
  }
  section_lines_[name] = header.number;
  section_ = name;
  kind_ = *kind;
  return std::nullopt;
}

Reader::Problem Reader::Take(const ProfileLine& line) {
  if (section_lines_.empty()) return "a profile file begins with [Profile]";
  const bool repeatable = (kind_ == SectionKind::kProfile && line.name == kProgramKey) ||
                          (kind_ == SectionKind::kMacro && line.name == kItemKey);
  const auto [seen, first] = key_lines_.try_emplace({section_, line.name}, line.number);
  if (!first && !repeatable) {
    return Format("%s appears twice in [%s], first on line %d", ToUtf8(line.name).c_str(),
                  ToUtf8(section_).c_str(), static_cast<int>(seen->second));
  }
  switch (kind_) {
    case SectionKind::kProfile:
      return TakeProfileKey(line);
    case SectionKind::kRecord:
      return TakeRecordField(section_, line.name, line.value, file_.setup.record);
    case SectionKind::kKeySet:
      return TakeButton(*KeySetOfSection(section_), line.name, line.value, file_.setup.record);
    case SectionKind::kMacro:
      return TakeMacroKey(line);
    case SectionKind::kKeyTexts:
      return TakeKeyText(line);
  }
  return std::nullopt;
}

Reader::Problem Reader::TakeProfileKey(const ProfileLine& line) {
  const std::wstring& value = line.value;
  if (line.name == kFormatKey) {
    if (value == kProfileFormatVersion) return std::nullopt;
    return "Format is " + Quoted(value) + ", but this program reads Format 1 only";
  }
  if (line.name == kNameKey) {
    if (const Problem fault = ProfileNameFault(value)) return "Name " + *fault;
    file_.name = value;
    return std::nullopt;
  }
  if (line.name == kProgramKey) {
    if (const Problem fault = ProgramNameFault(value)) return "Program " + *fault;
    for (size_t i = 0; i < file_.programs.size(); ++i) {
      if (SameProgramName(file_.programs[i], value)) {
        return Format("Program %s is named already on line %d", Quoted(value).c_str(),
                      static_cast<int>(program_lines_[i]));
      }
    }
    file_.programs.push_back(value);
    program_lines_.push_back(line.number);
    return std::nullopt;
  }
  return "unknown key " + Quoted(line.name) + " in [Profile]";
}

Reader::Problem Reader::TakeMacroKey(const ProfileLine& line) {
  Macro& macro = file_.setup.macros.back();
  const std::wstring& value = line.value;
  if (line.name == kNameKey) {
    if (const Problem fault = MacroNameFault(value)) return "Name " + *fault;
    for (size_t i = 0; i + 1 < file_.setup.macros.size(); ++i) {
      if (SameIgnoringAsciiCase(file_.setup.macros[i].name, value)) {
        return Format("Name %s is macro %d's already; macro names ignore case",
                      Quoted(value).c_str(), static_cast<int>(i + 1));
      }
    }
    macro.name = value;
    return std::nullopt;
  }
  if (line.name == kRepeatKey) {
    const std::optional<unsigned> repeat = ParseNumber(value, kLargestRepeat);
    if (!repeat || *repeat == 0)
      return Format("Repeat takes 1 to %u, not %s", kLargestRepeat, Quoted(value).c_str());
    repeats_.back() = static_cast<uint16_t>(*repeat);
    return std::nullopt;
  }
  if (line.name == kItemKey) {
    if (const Problem fault = MacroItemFault(value)) return "Item " + Quoted(value) + " " + *fault;
    macro.items.push_back(value);
    return std::nullopt;
  }
  return "unknown key " + Quoted(line.name) + " in " + Bracketed(section_);
}

Reader::Problem Reader::TakeKeyText(const ProfileLine& line) {
  const std::optional<size_t> index = KeyTextOfKey(line.name);
  if (!index) return "unknown key " + Quoted(line.name) + " in " + Bracketed(section_);
  if (Utf16Length(line.value) > kKeyTextMaxChars) {
    return Format("%s is longer than %d characters", ToUtf8(line.name).c_str(),
                  static_cast<int>(kKeyTextMaxChars));
  }
  file_.setup.key_texts[*LanguageOfKeyTextsSection(section_)][*index] = line.value;
  return std::nullopt;
}

size_t Reader::LineOf(const std::wstring& section, const std::wstring& key) const {
  if (const auto at = key_lines_.find({section, key}); at != key_lines_.end()) return at->second;
  if (const auto at = section_lines_.find(section); at != section_lines_.end()) return at->second;
  return section_lines_.at(kProfileSection);
}

std::optional<ProfileFileError> Reader::Finish() {
  const size_t profile_line = section_lines_.at(kProfileSection);
  if (!key_lines_.count({kProfileSection, kFormatKey})) {
    return ProfileFileError{profile_line, "[Profile] needs Format = 1"};
  }
  if (!key_lines_.count({kProfileSection, kNameKey})) {
    return ProfileFileError{profile_line, "[Profile] needs a Name"};
  }
  if (auto error = FinishMacros()) return error;
  if (const auto fault = RecordRelationFault(file_.setup.record, file_.setup.macros.size())) {
    return ProfileFileError{LineOf(fault->section, fault->key), fault->problem};
  }
  return std::nullopt;
}

// Each macro named and fitting its slot, all names listed by record.ini, then compiled with
// their repeat counts.
std::optional<ProfileFileError> Reader::FinishMacros() {
  std::vector<Macro>& macros = file_.setup.macros;
  std::vector<std::wstring> names;
  for (size_t index = 0; index < macros.size(); ++index) {
    const std::wstring section = MacroSection(index);
    const size_t line = section_lines_.at(section);
    if (!key_lines_.count({section, kNameKey})) {
      return ProfileFileError{line, Bracketed(section) + " needs a Name"};
    }
    const size_t bytes = MacroEventBytes(macros[index].items);
    if (bytes > kMacroEventBytes) {
      return ProfileFileError{line, Format("[%s]'s items take %d bytes, more than the %d of a "
                                           "macro slot",
                                           ToUtf8(section).c_str(), static_cast<int>(bytes),
                                           static_cast<int>(kMacroEventBytes))};
    }
    names.push_back(macros[index].name);
  }
  const size_t listed = MacroNamesListed(names);
  if (listed < names.size()) {
    return ProfileFileError{LineOf(MacroSection(listed), kNameKey),
                            "the macro names are longer together than the 255 characters "
                            "record.ini lists"};
  }
  SettingsRecord& record = file_.setup.record;
  for (size_t index = 0; index < macros.size(); ++index) {
    SetRepeatCount(MacroOf(record, index + 1), repeats_[index]);
  }
  CompileMacros(macros, record);
  return std::nullopt;
}

}  // namespace

ProfileFileRead ReadProfileFile(std::span<const uint8_t> bytes) {
  ProfileFileRead read;
  if (bytes.size() > kLargestProfileFileBytes) {
    read.error = "the file is larger than 1 MiB, too large for a profile";
    return read;
  }
  const ProfileLines lines = SplitProfileLines(bytes);
  std::optional<ProfileFileError> error = lines.error;
  Reader reader;
  if (!error) error = reader.Read(lines.lines);
  if (error) {
    read.error_line = error->line;
    read.error = Format("line %d: %s", static_cast<int>(error->line), error->problem.c_str());
    return read;
  }
  read.file = std::move(reader.file());
  return read;
}

}  // namespace vx
