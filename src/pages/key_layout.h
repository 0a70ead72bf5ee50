#pragma once

#include <cstddef>

#include "ui/geometry.h"

namespace vx::key_layout {

inline constexpr Rect kModeA{253, 518, 358, 539};
inline constexpr Rect kModeB{357, 518, 462, 539};
inline constexpr Rect kDefaults{307, 549, 412, 570};

// The function box of button index 0..11 (boxes 11 and 12 of the record are never shown).
constexpr Rect FunctionBox(size_t button) {
  const int offset = 23 * static_cast<int>(button);
  return {252, 199 + offset, 463, 220 + offset};
}

// The function list opens under boxes 1..6 and beside boxes 7..10, whose lists would
// otherwise run past the page.
constexpr Rect FunctionList(size_t button) {
  if (button < 6) {
    const Rect box = FunctionBox(button);
    return {252, box.bottom + 1, 463, box.bottom + 271};
  }
  const int offset = 23 * (static_cast<int>(button) - 6);
  return {463, 100 + offset, 674, 370 + offset};
}

inline constexpr int kFirstFunctionListId = 41;  // + button index
inline constexpr int kDpiSubListId = 37;
inline constexpr int kDpiSubListWidth = 60;
inline constexpr int kDpiSubListHeight = 80;

}  // namespace vx::key_layout
