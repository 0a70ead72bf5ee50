#include "profiles/profile_values.h"

#include <algorithm>
#include <cstdint>

namespace vx {

ValueSet ValueSet::Between(unsigned lowest, unsigned highest) {
  ValueSet set;
  set.intervals_.emplace_back(lowest, highest);
  return set;
}

ValueSet ValueSet::BytesWhere(bool (*allows)(uint8_t)) {
  ValueSet set;
  for (unsigned value = 0; value <= UINT8_MAX; ++value) {
    if (!allows(static_cast<uint8_t>(value))) continue;
    if (!set.intervals_.empty() && set.intervals_.back().second + 1 == value) {
      set.intervals_.back().second = value;
    } else {
      set.intervals_.emplace_back(value, value);
    }
  }
  return set;
}

bool ValueSet::Contains(unsigned value) const {
  for (const auto& [lowest, highest] : intervals_) {
    if (value >= lowest && value <= highest) return true;
  }
  return false;
}

// Two neighbours read as "0 or 1", not "0 to 1".
std::string ValueSet::Text() const {
  std::vector<std::string> parts;
  for (const auto& [lowest, highest] : intervals_) {
    if (highest > lowest + 1) {
      parts.push_back(std::to_string(lowest) + " to " + std::to_string(highest));
      continue;
    }
    for (unsigned value = lowest; value <= highest; ++value) parts.push_back(std::to_string(value));
  }
  std::string text;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i != 0) text += i + 1 == parts.size() ? " or " : ", ";
    text += parts[i];
  }
  return text;
}

std::optional<unsigned> ParseNumber(std::wstring_view text, unsigned largest) {
  if (text.empty()) return std::nullopt;
  uint64_t value = 0;
  for (const wchar_t c : text) {
    if (c < L'0' || c > L'9') return std::nullopt;
    value = value * 10 + static_cast<unsigned>(c - L'0');
    if (value > largest) return std::nullopt;
  }
  return static_cast<unsigned>(value);
}

std::vector<std::wstring_view> SplitWords(std::wstring_view text) {
  std::vector<std::wstring_view> words;
  size_t at = 0;
  while (true) {
    at = text.find_first_not_of(L" \t", at);
    if (at == std::wstring_view::npos) return words;
    const size_t end = std::min(text.find_first_of(L" \t", at), text.size());
    words.push_back(text.substr(at, end - at));
    at = end;
  }
}

}  // namespace vx
