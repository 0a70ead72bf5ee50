#pragma once

#include <vector>

#include "pages/pointer_port.h"
#include "ui/page_context.h"
#include "ui/page_section.h"

namespace vx {

// The pointer section of the advanced page: Windows' pointer speed, wheel lines and
// double-click time on three sliders, pointer precision and one-screen scrolling on two tick
// boxes, and "Default". Windows is read when the page is first built in a run.
class PointerSection : public PageSection {
 public:
  PointerSection(PageContext& context, PointerPort& pointer)
      : context_(context), pointer_(pointer) {}

  void Draw(SkinPainter& painter) override;
  bool OnClick(Point p) override;
  std::vector<SkinControl> HoverControls() const override;

 private:
  void DrawSliders(SkinPainter& painter);
  void DrawTickBoxes(SkinPainter& painter);

  PageContext& context_;
  PointerPort& pointer_;
  bool windows_read_ = false;
};

}  // namespace vx
