#include "dialogs/key_capture.h"

#include "common/text_format.h"

namespace vx {

bool KeyCapture::Install(WindowHandle dialog, uint32_t capture_message, const char* error_format) {
  HookInstall install = windows_.InstallKeyboardHook([this, dialog, capture_message](
                                                         const HookedKey& key) {
    last_ = {key.name, ScanCodeOfKeyMessage(key.key_data)};
    windows_.SendToWindow(dialog, capture_message, 0, 0);
  });
  if (!install.hook) {
    messages_.ShowMessage(Widen(Format(error_format, static_cast<int>(install.error))));
    return false;
  }
  hook_ = std::move(install.hook);
  return true;
}

}  // namespace vx
