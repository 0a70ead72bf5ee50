#pragma once

#include "ui/page_context.h"
#include "ui/page_section.h"

namespace vx {

// "Report Rate Setting": four cells for 125, 250, 500 and 1000 reports per second.
class ReportRateSection : public PageSection {
 public:
  explicit ReportRateSection(PageContext& context) : context_(context) {}

  void Draw(SkinPainter& painter) override;
  bool OnClick(Point p) override;

 private:
  void SelectReportRate(size_t cell);

  PageContext& context_;
};

// The cell (0..3) a stored code shows; any code but 8, 4 and 2 counts as 1000.
size_t ReportRateCell(uint8_t code);

}  // namespace vx
