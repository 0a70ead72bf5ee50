#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/canvas.h"
#include "ui/window_system.h"

namespace vx::headless {

// A window or control as the headless backend keeps it.
// Sizes, rectangles and fonts are in device pixels, as the system holds them.
struct HeadlessWindow {
  Dialog* dialog = nullptr;  // top-level windows only
  WindowHandle parent = kNoWindow;
  DisplayScale scale;  // top-level windows only
  ControlSpec spec;  // controls only
  bool visible = false;
  bool tool_window = false;
  bool icons = false;
  bool enabled = true;
  int width = 0;
  int height = 0;
  std::vector<std::wstring> items;
  int selection = -1;
  int top_index = 0;
  int wheel_remainder = 0;  // wheel delta not yet turned into whole lines
  bool captured = false;    // a list pressed on an item, until the button comes up
  std::optional<FontSpec> font;
  std::optional<FontSpec> layout_font;  // as the program gave it, for a change of scale
  int repaints = 0;
  std::unique_ptr<MemoryCanvas> presented;
};

}  // namespace vx::headless
