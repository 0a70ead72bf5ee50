#include "ui/hover_tracker.h"

namespace vx {

bool HoverTracker::OnMouseMove(const std::vector<SkinControl>& controls, Point point,
                               const Draw& draw) {
  if (HitTest(controls, point) != nullptr) return true;
  if (hovered_.empty()) return false;
  // Flags of controls not on this page stay set until a page shows them again.
  for (const SkinControl& control : controls) {
    if (hovered_.erase(control.key) != 0) draw(control, false);
  }
  return false;
}

bool HoverTracker::OnMouseHover(const std::vector<SkinControl>& controls, Point point,
                                const Draw& draw) {
  const SkinControl* target = HitTest(controls, point);
  if (target == nullptr) return false;
  draw(*target, true);
  hovered_.insert(target->key);
  if (target->group != 0) {
    for (const SkinControl& control : controls) {
      if (&control == target || control.group != target->group) continue;
      if (hovered_.erase(control.key) != 0) draw(control, false);
    }
  }
  return true;
}

}  // namespace vx
