#pragma once

#include "common/message_port.h"
#include "device/link_state.h"
#include "settings/file_saves.h"
#include "settings/settings_store.h"
#include "settings/str_ini.h"
#include "ui/fonts.h"
#include "ui/language_text.h"
#include "ui/skin_painter.h"
#include "ui/skinned_dialog_context.h"
#include "ui/window_system.h"

namespace vx {

// What a page section reads and changes. The main window owns all of it and builds the
// sections over it.
class PageContext {
 public:
  virtual ~PageContext() = default;

  virtual WindowSystem& window_system() = 0;
  // The parent of the sections' child controls.
  virtual WindowHandle main_window() const = 0;
  // The record and the buttons' texts.
  virtual SettingsStore& settings() = 0;
  // The sensor type that decides the DPI values.
  virtual const LinkState& link() const = 0;
  virtual const LanguageText& texts() const = 0;
  virtual const MainFonts& fonts() const = 0;
  // Draws into the main window's canvas in the current skin and text colour.
  virtual SkinPainter Painter() = 0;
  // Message boxes owned by the main window.
  virtual MessagePort& messages() = 0;
  // Saves that failed, told together when the user's action ends.
  virtual FailedSaves& failed_saves() = 0;
  // For the dialogs a section opens over the main window.
  virtual SkinnedDialogContext DialogContext() = 0;
};

}  // namespace vx
