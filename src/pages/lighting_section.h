#pragma once

#include <array>

#include "layout/basic_page.h"
#include "ui/page_context.h"
#include "ui/page_section.h"
#include "ui/popup_list.h"

namespace vx {

// The lighting section ("DPI Effect"): the mode, parameter and effect boxes, each showing its
// choice in a text field and opening a list when clicked.
class LightingSection : public PageSection {
 public:
  explicit LightingSection(PageContext& context);

  void Draw(SkinPainter& painter) override;
  void CreateControls() override;
  void DestroyControls() override;
  void CloseListsOutside(Point p) override;
  bool OnClick(Point p) override;
  bool OnListNotification(int id, int code, WindowHandle list) override;
  bool PreTranslate(const Message& message) override;

 private:
  enum Box : size_t { kModeBox, kParameterBox, kEffectBox, kBoxCount };
  static_assert(kBoxCount == basic_layout::kLightBoxCount);

  void ToggleList(size_t box);
  void Choose(size_t box, int entry);
  void ChooseMode(int entry);
  void ShowFields();

  PageContext& context_;
  std::array<WindowHandle, kBoxCount> fields_{};
  std::array<PopupList, kBoxCount> lists_;
};

}  // namespace vx
