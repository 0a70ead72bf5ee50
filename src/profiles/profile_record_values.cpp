#include "profiles/profile_record_values.h"

#include <algorithm>
#include <vector>

#include "common/text_format.h"
#include "profiles/profile_format.h"

namespace vx {

namespace {

std::optional<unsigned> ParseByte(std::wstring_view word) {
  return ParseNumber(word, UINT8_MAX);
}

std::optional<std::string> ValueFault(const std::string& what, const ValueSet& values,
                                      unsigned value) {
  if (values.Contains(value)) return std::nullopt;
  return Format("%s takes %s, not %u", what.c_str(), values.Text().c_str(), value);
}

std::string UnknownKey(const std::wstring& key, const std::wstring& section) {
  return "unknown key '" + ToUtf8(key) + "' in [" + ToUtf8(section) + "]";
}

}  // namespace

std::optional<std::string> TakeRecordField(const std::wstring& section, const std::wstring& key,
                                           const std::wstring& value, SettingsRecord& record) {
  const std::vector<RecordField>& fields = RecordFields();
  const auto field = std::find_if(fields.begin(), fields.end(), [&](const RecordField& f) {
    return section == f.section && key == f.key;
  });
  if (field == fields.end()) return UnknownKey(key, section);
  const std::span<uint8_t> bytes = field->bytes(record);
  const std::vector<std::wstring_view> words = SplitWords(value);
  std::vector<unsigned> numbers;
  for (const std::wstring_view word : words) {
    if (const std::optional<unsigned> number = ParseByte(word)) numbers.push_back(*number);
  }
  const std::string name = ToUtf8(key);
  if (numbers.size() != bytes.size() || words.size() != bytes.size()) {
    if (bytes.size() == 1) return name + " needs a number from 0 to 255";
    return Format("%s needs %d numbers from 0 to 255", name.c_str(),
                  static_cast<int>(bytes.size()));
  }
  for (const unsigned number : numbers) {
    if (auto fault = ValueFault(name, field->values, number)) return fault;
  }
  std::copy(numbers.begin(), numbers.end(), bytes.begin());
  return std::nullopt;
}

std::optional<std::string> TakeButton(KeySetId set, const std::wstring& key,
                                      const std::wstring& value, SettingsRecord& record) {
  const std::optional<size_t> button = ButtonOfKey(key);
  if (!button) return UnknownKey(key, KeySetSection(set));
  const std::string name = ToUtf8(key);
  const std::vector<std::wstring_view> words = SplitWords(value);
  if (words.size() % 2 != 0) {
    return name + " needs field names each followed by a number, such as KeyType 12";
  }
  const std::vector<ButtonField>& fields = ButtonFields();
  std::vector<std::optional<uint8_t>> given(fields.size());
  for (size_t at = 0; at < words.size(); at += 2) {
    const auto field = std::find_if(fields.begin(), fields.end(),
                                    [&](const ButtonField& f) { return words[at] == f.name; });
    if (field == fields.end()) {
      return name + " has no field '" + ToUtf8(words[at]) + "'";
    }
    const std::string field_name = name + "'s " + ToUtf8(field->name);
    std::optional<uint8_t>& slot = given[static_cast<size_t>(field - fields.begin())];
    if (slot) return name + " sets " + ToUtf8(field->name) + " twice";
    const std::optional<unsigned> number = ParseByte(words[at + 1]);
    if (!number) return field_name + " needs a number from 0 to 255";
    if (auto fault = ValueFault(field_name, field->values, *number)) return fault;
    slot = static_cast<uint8_t>(*number);
  }
  if (!given.front()) return name + " needs a KeyType";
  for (size_t i = 0; i < fields.size(); ++i) {
    fields[i].byte(record, set, *button) = given[i].value_or(0);
  }
  return std::nullopt;
}

}  // namespace vx
