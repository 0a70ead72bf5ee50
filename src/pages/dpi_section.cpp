#include "pages/dpi_section.h"

#include "device/dpi_tables.h"
#include "layout/basic_page.h"
#include "ui/skin_sliders.h"

namespace vx {

namespace {

using basic_layout::DpiSegment;
using basic_layout::DpiSwatch;
using basic_layout::DpiTick;

// Only sensor type 0 has segments 9..12; other types shown with its values keep them still.
constexpr size_t kSegmentsWithoutType0 = 8;
constexpr uint8_t kSensorWithTwelveValues = 0;
constexpr int kStageNumberGap = 5;
constexpr int kTextHeight = 16;

// A caption 60 pixels wide that ends 10 pixels left of the first stage's cell in its row.
Rect CaptionBeside(Rect first_stage_cell) {
  return {first_stage_cell.left - 60, first_stage_cell.top, first_stage_cell.left - 10,
          first_stage_cell.bottom};
}

}  // namespace

size_t DpiSection::SegmentCount() const {
  return DpiRowLength(context_.link().sensor_type);
}

void DpiSection::Draw(SkinPainter& painter) {
  for (size_t stage = 0; stage < kDpiStageCount; ++stage) {
    DrawStage(painter, stage);
    const Rect tick = DpiTick(stage);
    const int top = tick.bottom + kStageNumberGap;
    painter.Text(std::to_wstring(stage + 1), {tick.left, top, tick.right, top + kTextHeight},
                 kTextTopCentred, context_.fonts().normal);
  }
  DrawValueTexts(painter);
  painter.Text(L"Select", CaptionBeside(DpiTick(0)), kTextRight, context_.fonts().normal);
  painter.Text(L"Color", CaptionBeside(DpiSwatch(0)), kTextRight, context_.fonts().normal);
}

// A disabled stage shows every segment dark.
void DpiSection::DrawStage(SkinPainter& painter, size_t stage) {
  const SettingsRecord& record = context_.settings().current.record;
  const bool enabled = record.dpi_enabled[stage] != 0;
  const int lit = enabled ? record.dpi_index[stage] + 1 : 0;
  const Rect bottom = DpiSegment(stage, 1);
  DrawDpiColumn(painter, {bottom.left, bottom.top}, lit, static_cast<int>(SegmentCount()));
  DrawCheckBox(painter, {DpiTick(stage).left, DpiTick(stage).top}, enabled);
}

// Sensor types without values of their own show those of type 0.
void DpiSection::DrawValueTexts(SkinPainter& painter) {
  uint8_t sensor = context_.link().sensor_type;
  if (sensor >= kSensorTypeCount) sensor = kSensorWithTwelveValues;
  for (size_t segment = 1; segment <= SegmentCount(); ++segment) {
    const std::optional<uint16_t> value = DpiValue(sensor, static_cast<uint8_t>(segment - 1));
    if (!value) continue;
    const Rect cell = DpiSegment(0, segment);
    painter.Text(std::to_wstring(*value), {cell.left - 40, cell.top, cell.left - 10, cell.bottom},
                 kTextRight, context_.fonts().normal);
  }
}

void DpiSection::CreateControls() {
  WindowSystem& windows = context_.window_system();
  for (size_t stage = 0; stage < kDpiStageCount; ++stage) {
    ControlSpec spec;
    spec.kind = ControlKind::kStatic;
    spec.id = basic_layout::kFirstDpiSwatchId + static_cast<int>(stage);
    spec.rect = DpiSwatch(stage);
    swatches_[stage] = windows.CreateControl(context_.main_window(), spec);
  }
}

void DpiSection::DestroyControls() {
  for (WindowHandle& swatch : swatches_) {
    if (swatch != kNoWindow) context_.window_system().DestroyWindow(swatch);
    swatch = kNoWindow;
  }
}

bool DpiSection::OnClick(Point p) {
  const size_t clickable = context_.link().sensor_type == kSensorWithTwelveValues
                               ? SegmentCount()
                               : std::min(SegmentCount(), kSegmentsWithoutType0);
  for (size_t stage = 0; stage < kDpiStageCount; ++stage) {
    if (DpiTick(stage).Contains(p)) {
      ToggleDpiStage(stage);
      return true;
    }
    if (DpiSwatch(stage).Contains(p)) {
      PickColour(stage);
      return true;
    }
    for (size_t segment = 1; segment <= clickable; ++segment) {
      if (!DpiSegment(stage, segment).Contains(p)) continue;
      SetDpiStage(stage, segment);
      return true;
    }
  }
  return false;
}

// The last enabled stage stays enabled.
void DpiSection::ToggleDpiStage(size_t stage) {
  SettingsRecord& record = context_.settings().current.record;
  if (record.dpi_enabled[stage] != 0) {
    size_t enabled = 0;
    for (const uint8_t each : record.dpi_enabled) enabled += each != 0 ? 1 : 0;
    if (enabled == 1) return;
  }
  record.dpi_enabled[stage] = record.dpi_enabled[stage] != 0 ? 0 : 1;
  SkinPainter painter = context_.Painter();
  DrawStage(painter, stage);
  painter.Present();
}

// The stage's enabled state is neither looked at nor changed.
void DpiSection::SetDpiStage(size_t stage, size_t segment) {
  context_.settings().current.record.dpi_index[stage] = static_cast<uint8_t>(segment - 1);
  const Rect bottom = DpiSegment(stage, 1);
  SkinPainter painter = context_.Painter();
  DrawDpiColumn(painter, {bottom.left, bottom.top}, static_cast<int>(segment),
                static_cast<int>(SegmentCount()));
  painter.Present();
}

void DpiSection::PickColour(size_t stage) {
  SettingsRecord& record = context_.settings().current.record;
  if (record.dpi_enabled[stage] == 0) return;
  uint8_t* colour = &record.dpi_colour[stage * 3];
  const std::optional<Rgb> chosen = context_.window_system().ChooseColour(
      context_.main_window(), Rgb{colour[0], colour[1], colour[2]});
  if (!chosen) return;
  colour[0] = chosen->red;
  colour[1] = chosen->green;
  colour[2] = chosen->blue;
  if (swatches_[stage] != kNoWindow) context_.window_system().RepaintControl(swatches_[stage]);
}

}  // namespace vx
