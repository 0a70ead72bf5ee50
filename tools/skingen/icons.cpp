#include "tools/skingen/icons.h"

#include "tools/skingen/shape_ops.h"

namespace vx::skingen {

Shape MinimiseGlyph(Vec2 c) {
  return Strokes({{{c.x - 4.5f, c.y + 3}, {c.x + 4.5f, c.y + 3}}}, 1.7f);
}

Shape CloseGlyph(Vec2 c) {
  constexpr float kArm = 4;
  return Strokes({{{c.x - kArm, c.y - kArm}, {c.x + kArm, c.y + kArm}},
                  {{c.x + kArm, c.y - kArm}, {c.x - kArm, c.y + kArm}}},
                 1.7f);
}

Shape SkinsGlyph(Vec2 c) {
  Shape palette = Subtract(Circle(c, 6), Circle({c.x + 3.6f, c.y + 3.4f}, 2.1f));
  palette = Subtract(palette, Circle({c.x - 2.6f, c.y - 1.4f}, 1.15f));
  palette = Subtract(palette, Circle({c.x + 0.6f, c.y - 3.0f}, 1.15f));
  return Subtract(palette, Circle({c.x - 1.9f, c.y + 2.4f}, 1.15f));
}

Shape ProfilesGlyph(Vec2 c) {
  const Shape front = RoundedBox({c.x - 6.5f, c.y - 2.5f, c.x + 3.5f, c.y + 6.5f}, 1.5f);
  const Shape back =
      InnerBand(RoundedBox({c.x - 3.5f, c.y - 6.5f, c.x + 6.5f, c.y + 2.5f}, 1.5f), 1.4f);
  const Shape lines = Strokes({{{c.x - 4, c.y + 0.8f}, {c.x + 1, c.y + 0.8f}},
                               {{c.x - 4, c.y + 3.8f}, {c.x - 0.5f, c.y + 3.8f}}},
                              1.2f);
  return Unite(Subtract(back, Grown(front, 1.2f)), Subtract(front, lines));
}

Shape Chevron(Vec2 c, float size, Direction direction, float stroke) {
  const float h = size / 2;
  const float w = size / 4;
  switch (direction) {
    case Direction::kLeft:
      return Polyline({{c.x + w, c.y - h}, {c.x - w, c.y}, {c.x + w, c.y + h}}, stroke);
    case Direction::kRight:
      return Polyline({{c.x - w, c.y - h}, {c.x + w, c.y}, {c.x - w, c.y + h}}, stroke);
    case Direction::kDown:
      break;
  }
  return Polyline({{c.x - h, c.y - w}, {c.x, c.y + w}, {c.x + h, c.y - w}}, stroke);
}

Shape TickGlyph(Box b, float stroke) {
  const auto at = [&](float fx, float fy) {
    return Vec2{b.left + b.Width() * fx, b.top + b.Height() * fy};
  };
  return Polyline({at(0.2f, 0.52f), at(0.42f, 0.74f), at(0.8f, 0.28f)}, stroke);
}

Shape PlusGlyph(Vec2 c, float size, float stroke) {
  const float h = size / 2;
  return Strokes({{{c.x - h, c.y}, {c.x + h, c.y}}, {{c.x, c.y - h}, {c.x, c.y + h}}}, stroke);
}

}  // namespace vx::skingen
