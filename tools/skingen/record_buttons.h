#pragma once

#include "tools/skingen/geometry2d.h"
#include "tools/skingen/pixmap.h"
#include "tools/skingen/theme.h"

namespace vx::skingen {

enum class RecordSymbol { kRecord, kStop };

// A round button of the macro recorder, part of the page's artwork.
void DrawRecordButton(Pixmap& target, Box box, RecordSymbol symbol, const Theme& theme);

}  // namespace vx::skingen
