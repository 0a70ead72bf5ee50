#include "ui/skin_sliders.h"

namespace vx {

void DrawCheckBox(SkinPainter& painter, Point top_left, bool ticked) {
  painter.Image(ticked ? L"/PaneMakingTick.png" : L"/Pane.png", top_left.x, top_left.y);
}

void DrawHorizontalSlider(SkinPainter& painter, Point top_left, int value) {
  for (int i = 0; i < kSliderPositions; ++i) {
    painter.Image(i < value ? L"/slider-light.png" : L"/slider-dark.png",
                  top_left.x + kSliderStep * i, top_left.y);
  }
}

void DrawDpiColumn(SkinPainter& painter, Point bottom_cell, int value, int maximum) {
  for (int i = 0; i < maximum; ++i) {
    painter.Image(i < value ? L"/slider-DPI-light.png" : L"/slider-DPI-dark.png", bottom_cell.x,
                  bottom_cell.y - kDpiCellStep * i);
  }
}

void DrawReportRateChange(SkinPainter& painter, Point first_segment, int chosen, int previous) {
  if (previous != chosen) {
    painter.Image(L"/slider-RP-dark.png", first_segment.x + kReportRateStep * previous,
                  first_segment.y);
  }
  painter.Image(L"/slider-RP-light.png", first_segment.x + kReportRateStep * chosen,
                first_segment.y);
}

}  // namespace vx
