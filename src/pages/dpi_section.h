#pragma once

#include <array>
#include <cstddef>

#include "ui/page_context.h"
#include "ui/page_section.h"

namespace vx {

// "DPI Setting": four stages, each with a bar of segments for its resolution, a tick box that
// enables it and a colour swatch.
class DpiSection : public PageSection {
 public:
  explicit DpiSection(PageContext& context) : context_(context) {}

  void Draw(SkinPainter& painter) override;
  void CreateControls() override;
  void DestroyControls() override;
  bool OnClick(Point p) override;

 private:
  size_t SegmentCount() const;
  void DrawStage(SkinPainter& painter, size_t stage);
  void DrawValueTexts(SkinPainter& painter);
  void ToggleDpiStage(size_t stage);
  void SetDpiStage(size_t stage, size_t segment);
  void PickColour(size_t stage);

  PageContext& context_;
  std::array<WindowHandle, kDpiStageCount> swatches_{};
};

}  // namespace vx
