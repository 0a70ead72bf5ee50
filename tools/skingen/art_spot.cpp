#include "tools/skingen/dialog_art.h"

#include "tools/skingen/raster.h"
#include "tools/skingen/shape_ops.h"

namespace vx::skingen {

void DrawArtSpot(Pixmap& target, Vec2 centre, float radius, const Theme& theme) {
  Fill(target, Circle(centre, radius),
       RadialGradient(centre, radius,
                      {{0, WithAlpha(theme.accent, 0.09f)},
                       {0.7f, WithAlpha(theme.accent, 0.035f)},
                       {1, WithAlpha(theme.accent, 0)}}));
  Fill(target, InnerBand(Circle(centre, radius * 0.86f), 1), WithAlpha(theme.panel_edge, 0.7f));
}

}  // namespace vx::skingen
