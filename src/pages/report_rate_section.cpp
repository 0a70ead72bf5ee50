#include "pages/report_rate_section.h"

#include <array>

#include "ui/skin_sliders.h"

namespace vx {

namespace {

constexpr size_t kCellCount = 4;
constexpr std::array<uint8_t, kCellCount> kCodes = {8, 4, 2, 1};
constexpr std::array<const wchar_t*, kCellCount> kLabels = {L"125", L"250", L"500", L"1000"};
constexpr Point kFirstCell{542, 204};
constexpr int kCellWidth = 70;
constexpr int kCellHeight = 11;
// The labels sit under their cells.
constexpr int kLabelTop = 218;
constexpr int kLabelHeight = 16;

Rect CellRect(size_t cell) {
  const int left = kFirstCell.x + kReportRateStep * static_cast<int>(cell);
  return {left, kFirstCell.y, left + kCellWidth, kFirstCell.y + kCellHeight};
}

}  // namespace

size_t ReportRateCell(uint8_t code) {
  for (size_t cell = 0; cell + 1 < kCellCount; ++cell) {
    if (kCodes[cell] == code) return cell;
  }
  return kCellCount - 1;
}

void ReportRateSection::Draw(SkinPainter& painter) {
  const size_t chosen = ReportRateCell(context_.settings().current.record.report_rate_code);
  for (size_t cell = 0; cell < kCellCount; ++cell) {
    const Rect rect = CellRect(cell);
    painter.Image(cell == chosen ? L"/slider-RP-light.png" : L"/slider-RP-dark.png", rect.left,
                  rect.top);
    painter.Text(kLabels[cell], {rect.left, kLabelTop, rect.right, kLabelTop + kLabelHeight},
                 kTextTopCentred, context_.fonts().normal);
  }
}

bool ReportRateSection::OnClick(Point p) {
  for (size_t cell = 0; cell < kCellCount; ++cell) {
    if (!CellRect(cell).Contains(p)) continue;
    SelectReportRate(cell);
    return true;
  }
  return false;
}

void ReportRateSection::SelectReportRate(size_t cell) {
  uint8_t& code = context_.settings().current.record.report_rate_code;
  if (code != kCodes[cell]) {
    SkinPainter painter = context_.Painter();
    DrawReportRateChange(painter, kFirstCell, static_cast<int>(cell),
                         static_cast<int>(ReportRateCell(code)));
    painter.Present();
  }
  code = kCodes[cell];
}

}  // namespace vx
