#pragma once

#include <cstddef>

#include "ui/geometry.h"
#include "ui/slider_steps.h"

// The advanced page's sections, in layout units. The skin generator draws its artwork around the
// same rectangles.
namespace vx::advanced_layout {

inline constexpr Rect kSpeedHeading{38, 160, 143, 181};
inline constexpr Rect kScrollHeading{38, 310, 143, 331};
inline constexpr Rect kDoubleClickHeading{38, 460, 143, 481};
inline constexpr Rect kMacroHeading{469, 160, 578, 181};
inline constexpr Rect kSelectMacroHeading{457, 196, 592, 220};
inline constexpr Rect kSequenceHeading{591, 196, 726, 220};
inline constexpr Rect kRecordHeading{725, 196, 875, 220};

// The pointer section: sliders 0..2 (pointer speed, wheel lines, double-click time) with
// positions 1..11, and two tick boxes.
inline constexpr size_t kPointerSliderCount = 3;

constexpr Rect PointerSegment(size_t slider, int position) {
  const int left = 52 + kSliderStep * (position - 1);
  const int top = 200 + 150 * static_cast<int>(slider);
  return {left, top, left + kSliderStep, top + 11};
}

inline constexpr Rect kPrecisionTick{51, 255, 67, 271};
inline constexpr Rect kOneScreenTick{51, 405, 67, 421};
inline constexpr int kTickLabelRight = 408;
inline constexpr Rect kPointerDefaults{38, 584, 143, 605};

// The macro section.
inline constexpr Rect kNameList{460, 224, 589, 464};
inline constexpr Rect kNameCaption{460, 468, 589, 486};
inline constexpr Rect kNameEdit{460, 488, 589, 508};
inline constexpr Rect kEventList{594, 224, 723, 508};
inline constexpr Rect kStartRecording{735, 229, 764, 258};
inline constexpr Rect kStopRecording{735, 265, 764, 294};
inline constexpr Rect kStartNote{770, 229, 875, 258};
inline constexpr Rect kStopNote{770, 265, 875, 294};
inline constexpr Rect kLoopCaption{735, 306, 875, 324};
inline constexpr Rect kLoopEdit{735, 326, 854, 344};
inline constexpr Rect kMouseEventCaption{735, 380, 875, 398};
inline constexpr Rect kMouseEventBox{735, 402, 854, 416};
inline constexpr Rect kMouseEventList{734, 419, 854, 569};
inline constexpr Rect kNew{513, 528, 618, 549};
inline constexpr Rect kDelete{617, 528, 722, 549};
inline constexpr Rect kConfirm{721, 528, 826, 549};

inline constexpr int kNameEditId = 150;
inline constexpr int kNameListId = 151;
inline constexpr int kEventListId = 152;
inline constexpr int kLoopEditId = 153;
inline constexpr int kMouseEventListId = 154;

}  // namespace vx::advanced_layout
