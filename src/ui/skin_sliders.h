#pragma once

#include "ui/skin_painter.h"
#include "ui/slider_steps.h"

namespace vx {

// A check box at its top-left corner: "/PaneMakingTick.png" ticked, "/Pane.png" clear.
void DrawCheckBox(SkinPainter& painter, Point top_left, bool ticked);

// A pointer-settings slider with value 1..11: light segments up to the value, dark above it.
void DrawHorizontalSlider(SkinPainter& painter, Point top_left, int value);

// A DPI column growing upwards from its bottom cell: light cells up to the value, dark ones above
// it up to the sensor's maximum.
void DrawDpiColumn(SkinPainter& painter, Point bottom_cell, int value, int maximum);

// The report-rate slider's change: the chosen segment (0..3) lit, the one lit before dark.
void DrawReportRateChange(SkinPainter& painter, Point first_segment, int chosen, int previous);

}  // namespace vx
