#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "dialogs/skinned_dialog.h"
#include "platform/headless/headless_window_system.h"
#include "settings/ini_engine.h"
#include "support/fake_images.h"
#include "support/link_fixture.h"
#include "support/memory_files.h"
#include "ui/skin_image.h"

namespace vx::test {

inline constexpr Rgb kSkinText{0, 230, 118};

// A key-function dialog on the headless window system, over the fake skin.
struct DialogFixture {
  headless::HeadlessWindowSystem windows;
  FakeImages images;
  SkinImageDrawer drawer{images, false};
  RecordingMessages messages;
  MemoryFiles files;
  IniProfileStore profile{files};
  std::wstring language;
  std::vector<std::wstring> macro_names;

  SkinnedDialogContext Context() {
    const FontSpec font =
        language == L"CHT" ? FontSpec{L"黑体", 13, 400} : FontSpec{L"Arial", 14, 400};
    return {windows,  images, drawer,     messages,  profile,  files, kNoWindow,
            kSkinDir, L"Dusk", kSkinsRoot, kSkinText, language, font,  macro_names};
  }

  // Runs the dialog modally with the script inside its loop; DoModal's result.
  template <class D>
  int Run(D& dialog, std::function<void(D&)> script) {
    windows.modal_scripts.push_back([script](Dialog& d) { script(static_cast<D&>(d)); });
    return dialog.DoModal();
  }

  void Click(Dialog& dialog, int x, int y) { windows.Click(dialog, x, y); }
  WindowHandle Control(Dialog& dialog, int id) { return windows.ControlById(dialog.window(), id); }
  std::wstring TextOf(Dialog& dialog, int id) { return windows.GetText(Control(dialog, id)); }
  // A click on entry n of an open list, scrolled into view first.
  void Pick(Dialog& dialog, int list_id, int entry) {
    const WindowHandle list = Control(dialog, list_id);
    ASSERT_NE(list, kNoWindow) << "list " << list_id << " is not open";
    if (windows.ListItemRect(list, entry).bottom > windows.ClientRect(list).bottom) {
      windows.ListSetTopIndex(list, entry);
    }
    const Rect item = windows.ListItemRect(list, entry);
    const Rect rect = windows.Get(list).spec.rect;
    Click(dialog, rect.left + 1 + item.left + 5, rect.top + 1 + (item.top + item.bottom) / 2);
  }
  // A key pressed and released, as the system's hook and the dialog see it.
  void Press(Dialog& dialog, uintptr_t virtual_key, uint8_t scan, const std::wstring& name,
             bool extended = false) {
    const intptr_t data = intptr_t{1} | intptr_t{scan} << 16 | intptr_t{extended} << 24;
    windows.Key(dialog, {kMsgKeyDown, virtual_key, data, name});
    windows.Key(dialog, {kMsgKeyUp, virtual_key, data | intptr_t{3} << 30, name});
  }
  uint32_t Pixel(Dialog& dialog, int x, int y) {
    const MemoryCanvas* canvas = windows.Presented(dialog.window());
    if (canvas == nullptr) return 0;
    uint32_t pixel;
    std::memcpy(&pixel, canvas->pixels() + (static_cast<size_t>(y) * canvas->width() + x) * 4, 4);
    return pixel & 0x00FFFFFF;
  }
};

}  // namespace vx::test
