#pragma once

#include <string>
#include <string_view>

namespace vx {

// The text with its letters in one case, so that two file names that Windows takes for the same
// compare equal: Latin (ASCII, Latin-1, Latin Extended-A), Greek and Cyrillic capitals become
// small letters; every other character stays.
std::wstring FoldCase(std::wstring_view text);

}  // namespace vx
