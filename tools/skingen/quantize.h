#pragma once

#include <cstdint>
#include <vector>

#include "tools/skingen/pixmap.h"

namespace vx::skingen {

// Straight 8-bit RGBA, rows top-down. Colours are dithered with a fixed pattern so that soft
// gradients show no bands; exact 8-bit colours come out unchanged.
std::vector<uint8_t> ToRgba8(const Pixmap& picture);

}  // namespace vx::skingen
