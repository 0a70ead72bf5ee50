#pragma once

#include "tools/skingen/paint.h"

namespace vx::skingen {

// Hues running once around `centre`, at the given saturation and value.
Paint SpectrumAround(Vec2 centre, float saturation, float value);

}  // namespace vx::skingen
