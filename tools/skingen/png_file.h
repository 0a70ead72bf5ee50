#pragma once

#include <string>

#include "tools/skingen/pixmap.h"

namespace vx::skingen {

// Writes a 32-bit RGBA PNG; false when the file cannot be written.
bool WritePng(const std::string& path, const Pixmap& picture);

}  // namespace vx::skingen
