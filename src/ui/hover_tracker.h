#pragma once

#include <functional>
#include <set>
#include <vector>

#include "ui/skin_controls.h"

namespace vx {

// The hover effect of drawn controls: a move onto a control asks the system for a hover
// notification; the hover draws the control's over image and restores the others of its group;
// a move onto empty space restores every hovered control.
class HoverTracker {
 public:
  using Draw = std::function<void(const SkinControl&, bool over)>;

  // True when the point is on a control (the caller then asks for hover tracking).
  bool OnMouseMove(const std::vector<SkinControl>& controls, Point point, const Draw& draw);
  // True when something was drawn (the caller then copies the canvas to the window).
  bool OnMouseHover(const std::vector<SkinControl>& controls, Point point, const Draw& draw);

 private:
  std::set<int> hovered_;
};

}  // namespace vx
