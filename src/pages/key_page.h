#pragma once

#include <optional>
#include <vector>

#include "pages/key_assignment.h"
#include "ui/page_context.h"
#include "ui/page_section.h"
#include "ui/popup_list.h"

namespace vx {

// The key assignment section of the basic page: ten function boxes with their lists, the DPI
// sub-list, the two key sets and the factory assignment.
class KeyPage : public PageSection {
 public:
  explicit KeyPage(PageContext& context);

  void Draw(SkinPainter& painter) override;
  void DestroyControls() override;
  void CloseListsOutside(Point p) override;
  bool OnClick(Point p) override;
  bool OnListNotification(int id, int code, WindowHandle list) override;
  bool PreTranslate(const Message& message) override;
  std::vector<SkinControl> HoverControls() const override;

 private:
  KeySetId shown_set() const;
  SkinControl FunctionBoxControl(size_t button) const;
  void DrawModeButtons(SkinPainter& painter);
  void RedrawBoxes(SkinPainter& painter, size_t first, size_t end);

  void OpenFunctionList(size_t button);
  void CloseLists();
  void OnFunctionChosen(size_t button, int entry);
  void OnDpiFunctionChosen(int entry);
  void ShowDpiSubList(std::optional<int> entry);
  void SelectKeySet(KeySetId set);
  void RestoreDefaults();

  PageContext& context_;
  PopupList function_list_;
  std::optional<size_t> list_button_;  // the button whose list is open
  PopupList dpi_sub_list_;
};

}  // namespace vx
