#pragma once

#include "tools/skingen/pixmap.h"
#include "tools/skingen/theme.h"

namespace vx::skingen {

Pixmap SingleKeyBackground(const Theme& theme);
Pixmap ComboKeyBackground(const Theme& theme);
Pixmap FireKeyBackground(const Theme& theme);
Pixmap DelayTimeBackground(const Theme& theme);
Pixmap MediaKeyBackground(const Theme& theme);
Pixmap WindowsKeyBackground(const Theme& theme);
Pixmap MacroKeyBackground(const Theme& theme);
Pixmap SkinsBackground(const Theme& theme);
Pixmap ProfilesBackground(const Theme& theme);

}  // namespace vx::skingen
