#include "pages/report_rate_section.h"

#include <array>

#include "layout/basic_page.h"
#include "ui/skin_sliders.h"

namespace vx {

namespace {

using basic_layout::kRateLabelTop;
using basic_layout::RateCell;

constexpr size_t kCellCount = basic_layout::kRateCellCount;
constexpr std::array<uint8_t, kCellCount> kCodes = {8, 4, 2, 1};
constexpr std::array<const wchar_t*, kCellCount> kLabels = {L"125", L"250", L"500", L"1000"};
constexpr int kLabelHeight = 16;

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
    const Rect rect = RateCell(cell);
    painter.Image(cell == chosen ? L"/slider-RP-light.png" : L"/slider-RP-dark.png", rect.left,
                  rect.top);
    painter.Text(kLabels[cell],
                 {rect.left, kRateLabelTop, rect.right, kRateLabelTop + kLabelHeight},
                 kTextTopCentred, context_.fonts().normal);
  }
}

bool ReportRateSection::OnClick(Point p) {
  for (size_t cell = 0; cell < kCellCount; ++cell) {
    if (!RateCell(cell).Contains(p)) continue;
    SelectReportRate(cell);
    return true;
  }
  return false;
}

void ReportRateSection::SelectReportRate(size_t cell) {
  uint8_t& code = context_.settings().current.record.report_rate_code;
  if (code != kCodes[cell]) {
    SkinPainter painter = context_.Painter();
    DrawReportRateChange(painter, {RateCell(0).left, RateCell(0).top}, static_cast<int>(cell),
                         static_cast<int>(ReportRateCell(code)));
    painter.Present();
  }
  code = kCodes[cell];
}

}  // namespace vx
