#pragma once

#include "ui/geometry.h"

// The main window's frame, the same on both pages, in layout units. The skin generator draws
// its artwork around the same rectangles.
namespace vx::main_layout {

// The size of the main window's skin images, and so of its client area.
inline constexpr int kWidth = 890;
inline constexpr int kHeight = 660;

inline constexpr Rect kOk{562, 623, 667, 644};
inline constexpr Rect kApply{666, 623, 771, 644};
inline constexpr Rect kCancel{770, 623, 875, 644};
inline constexpr Rect kSkins{701, 5, 719, 23};
// Opens the profiles dialog; its icon is part of the skin's own artwork.
inline constexpr Rect kProfiles{676, 5, 694, 23};
// Part of the skin's own artwork; it overlaps the minimise button's left 8 pixels and wins.
inline constexpr Rect kWebTitleBar{815, 5, 833, 23};
inline constexpr Rect kMinimise{825, 5, 843, 23};
inline constexpr Rect kClose{850, 5, 868, 23};
inline constexpr Rect kPreviousPage{14, 54, 54, 94};
inline constexpr Rect kNextPage{60, 54, 100, 94};
inline constexpr Rect kWebText{266, 626, 458, 646};
inline constexpr Rect kPageTitle{105, 51, 320, 99};

}  // namespace vx::main_layout
