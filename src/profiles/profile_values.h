#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vx {

// The numbers a field may hold, kept as intervals, and named in English: "1, 2, 4 or 8",
// "0 or 5 to 255".
class ValueSet {
 public:
  static ValueSet Between(unsigned lowest, unsigned highest);
  // The bytes the test allows.
  static ValueSet BytesWhere(bool (*allows)(uint8_t));

  bool Contains(unsigned value) const;
  std::string Text() const;

 private:
  std::vector<std::pair<unsigned, unsigned>> intervals_;
};

// A decimal number without sign, at most largest; nothing for any other text.
std::optional<unsigned> ParseNumber(std::wstring_view text, unsigned largest);

// The words of a value, split at runs of spaces and tabs.
std::vector<std::wstring_view> SplitWords(std::wstring_view text);

}  // namespace vx
