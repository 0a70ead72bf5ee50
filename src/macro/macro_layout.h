#pragma once

#include "ui/geometry.h"

// The macro section of the advanced page, in client pixels. The skin generator draws its
// artwork around the same rectangles.
namespace vx::macro_layout {

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

}  // namespace vx::macro_layout
