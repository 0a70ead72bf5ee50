#pragma once

#include <optional>
#include <string>

#include "platform/headless/headless_window.h"

// The list box as Wine's draws and scrolls it (fixed-height items, single selection), and the
// client areas of the other controls.
namespace vx::headless {

// Wine's system font cell, for controls without a font of their own.
inline constexpr int kSystemFontItemHeight = 16;
// Wine's vertical scroll bar (SM_CXVSCROLL).
inline constexpr int kScrollBarWidth = 17;
inline constexpr int kWheelDelta = 120;
inline constexpr int kWheelScrollLines = 3;

// The client area in the control's own coordinates.
Rect ControlClientRect(const HeadlessWindow& control);
// Where the client area starts inside the control's rectangle.
int ControlClientInset(const HeadlessWindow& control);

int ListItemHeight(const HeadlessWindow& list);
std::optional<int> ListItemAt(const HeadlessWindow& list, Point client);
Rect ListItemRectOf(const HeadlessWindow& list, int index);

void ListScrollTo(HeadlessWindow& list, int top);
void ListSelect(HeadlessWindow& list, int index);
void ListInsert(HeadlessWindow& list, int index, const std::wstring& text);
void ListDelete(HeadlessWindow& list, int index);
void ListWheel(HeadlessWindow& list, int delta);

}  // namespace vx::headless
