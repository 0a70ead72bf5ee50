#pragma once

#include <string>
#include <vector>

#include "common/message_port.h"
#include "settings/file_port.h"
#include "settings/profile_store.h"
#include "ui/geometry.h"
#include "ui/image_port.h"
#include "ui/skin_image.h"
#include "ui/text_port.h"
#include "ui/window_system.h"

namespace vx {

// What a small skinned dialog takes from the main window that opens it: the window system, the
// current skin and text colour, the UI language and its font, and the files it may read.
struct SkinnedDialogContext {
  WindowSystem& windows;
  ImagePort& images;
  SkinImageDrawer& drawer;
  MessagePort& messages;
  ProfileStore& profile;
  FilePort& files;
  WindowHandle owner = kNoWindow;
  std::wstring skin_dir;
  std::wstring skin_name;
  std::wstring skins_root;  // the folder of every skin, beside the program
  Rgb text_colour;
  std::wstring language_code;
  FontSpec font;
  // The setup's macros, in slot order, for the macro-key dialog.
  std::vector<std::wstring> macro_names;
};

}  // namespace vx
