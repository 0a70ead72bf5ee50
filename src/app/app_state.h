#pragma once

#include <cstdint>
#include <string>

#include "ui/geometry.h"

namespace vx {

enum PageId : int32_t { kNoPage = 0, kBasicPage = 1, kAdvancedPage = 2 };

// The process-wide state the main window and its pages share.
struct AppState {
  int32_t current_page = kNoPage;
  bool page_needs_rebuild = false;
  bool basic_page_ready = false;
  // Non-client paints still to be answered by hiding: the program starts in the tray.
  int hide_counter = 2;
  Rgb ui_text_colour{0, 255, 0};
  std::wstring skin_dir;
  std::wstring skin_name;
};

}  // namespace vx
