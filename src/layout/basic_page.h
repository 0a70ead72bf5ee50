#pragma once

#include <array>
#include <cstddef>

#include "ui/geometry.h"
#include "ui/slider_steps.h"

// The basic page's sections, in layout units. The skin generator draws its artwork around the
// same rectangles.
namespace vx::basic_layout {

inline constexpr Rect kKeyHeading{259, 160, 364, 181};
inline constexpr Rect kRateHeading{504, 161, 609, 182};
inline constexpr Rect kDpiHeading{504, 275, 609, 296};
inline constexpr Rect kDpiEffectHeading{704, 275, 809, 296};

// The key section. Buttons 11 and 12 of the record have no box.
inline constexpr Rect kModeA{253, 518, 358, 539};
inline constexpr Rect kModeB{357, 518, 462, 539};
inline constexpr Rect kKeyDefaults{307, 549, 412, 570};
inline constexpr size_t kFunctionBoxCount = 10;

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

// The report rate slider: cell 0 is 125 reports a second, cell 3 is 1000.
inline constexpr size_t kRateCellCount = 4;

constexpr Rect RateCell(size_t cell) {
  const int left = 542 + kReportRateStep * static_cast<int>(cell);
  return {left, 204, left + 70, 215};
}

inline constexpr int kRateLabelTop = 218;

// The DPI stages' columns, stage 0..3; segment 1 is a column's bottom cell.
inline constexpr size_t kDpiSegmentRows = 12;  // the tallest column, a sensor of type 0
inline constexpr int kFirstDpiSwatchId = 71;   // + stage

constexpr Rect DpiColumnCell(size_t stage, int top) {
  const int left = 554 + 27 * static_cast<int>(stage);
  return {left, top, left + 16, top + 16};
}

constexpr Rect DpiSegment(size_t stage, size_t segment) {
  return DpiColumnCell(stage, 500 - kDpiCellStep * static_cast<int>(segment - 1));
}

constexpr Rect DpiSwatch(size_t stage) {
  return DpiColumnCell(stage, 523);
}

constexpr Rect DpiTick(size_t stage) {
  return DpiColumnCell(stage, 541);
}

// The lighting boxes: mode, parameter and effect. Each shows its choice in a text field that
// leaves the box's arrow uncovered.
inline constexpr size_t kLightBoxCount = 3;

constexpr Rect LightBox(size_t box) {
  const int top = 330 + 30 * static_cast<int>(box);
  return {767, top, 851, top + 14};
}

inline constexpr int kLightFieldRight = 835;
inline constexpr std::array<int, kLightBoxCount> kLightFieldIds = {80, 81, 82};
inline constexpr std::array<int, kLightBoxCount> kLightListIds = {63, 64, 65};
inline constexpr Rect kLightModeList{766, 347, 851, 407};
inline constexpr Rect kLightEffectList{766, 407, 851, 447};

}  // namespace vx::basic_layout
