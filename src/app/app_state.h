#pragma once

#include <cstdint>
#include <string>

#include "ui/geometry.h"

namespace vx {

enum PageId : int32_t { kNoPage = 0, kBasicPage = 1, kAdvancedPage = 2 };

// The process-wide state the main window and its pages share.
struct AppState {
  int32_t current_page = kNoPage;
  // The page the window shows when it is shown again; while hidden no page is built.
  int32_t shown_page = kBasicPage;
  bool first_time_set_up = false;
  // Non-client paints still to be answered by hiding: the program starts in the tray.
  int hide_counter = 2;
  Rgb ui_text_colour{0, 255, 0};
  // The window's size in layout units, set when the start skin is loaded.
  int window_width = 0;
  int window_height = 0;
  std::wstring skin_dir;
  std::wstring skin_name;
};

}  // namespace vx
