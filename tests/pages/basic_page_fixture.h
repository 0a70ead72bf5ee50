#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/app_fixture.h"
#include "layout/basic_page.h"
#include "settings/config_file.h"
#include "settings/factory_settings.h"

namespace vx::test {

// The main window shown on the basic page, over the shipped config.bin (so the first start
// writes the default key texts) and a virtual mouse with the given sensor type.
class BasicPageTest : public ::testing::Test {
 protected:
  // A fresh window each time.
  void Open(uint8_t sensor_type = 0, const std::wstring& language = L"") {
    fixture_ = std::make_unique<AppFixture>();
    AppFixture& app = *fixture_;
    const auto config = FactoryConfigFile();
    app.files.files[kConfigPath].assign(config.begin(), config.end());
    if (!language.empty()) app.WriteStrIni(L"Skins", L"Lan", language);
    app.mouse = app.bus.AddMouse(sim::ProbeMode::kScrambled, sim::DefaultMouseMemory(sensor_type));
    app.Start();
    app.Tray(kMsgLButtonUp);
    ASSERT_TRUE(app.Visible());
  }
  void SetUp() override { Open(); }

  void Click(int x, int y) { f().windows.Click(*f().dialog, x, y); }
  void ClickBox(size_t button) {
    const Rect box = basic_layout::FunctionBox(button);
    Click(box.left + 40, box.top + 5);
  }
  WindowHandle Control(int id) { return f().windows.ControlById(f().dialog->window(), id); }
  Rect RectOf(int id) { return f().windows.Get(Control(id)).spec.rect; }
  std::vector<std::wstring> Entries(int id) { return f().windows.Get(Control(id)).items; }

  // A point in the main window's client area over entry n of an open list.
  Point OverEntry(int id, int entry) {
    const WindowHandle list = Control(id);
    const Rect item = f().windows.ListItemRect(list, entry);
    const Rect rect = RectOf(id);
    return {rect.left + 1 + item.left + 5, rect.top + 1 + (item.top + item.bottom) / 2};
  }
  void MoveOver(int id, int entry) {
    const Point p = OverEntry(id, entry);
    f().windows.MoveTo(*f().dialog, p.x, p.y);
  }
  // Picks an entry of an open list with a click on it, scrolled into view first as a user
  // would.
  void Pick(int id, int entry) {
    const WindowHandle list = Control(id);
    ASSERT_NE(list, kNoWindow) << "list " << id << " is not open";
    if (f().windows.ListItemRect(list, entry).bottom > f().windows.ClientRect(list).bottom) {
      f().windows.ListSetTopIndex(list, entry);
    }
    const Point p = OverEntry(id, entry);
    Click(p.x, p.y);
  }
  // Opens box n's list and picks an entry.
  void Choose(size_t button, int entry) {
    ClickBox(button);
    Pick(basic_layout::kFirstFunctionListId + static_cast<int>(button), entry);
  }

  // The text last drawn as box n's function.
  std::wstring BoxText(size_t button) {
    const Rect box = basic_layout::FunctionBox(button);
    const auto& draws = f().windows.text.draws;
    for (auto draw = draws.rbegin(); draw != draws.rend(); ++draw) {
      if (draw->rect.top == box.top && draw->rect.left > box.left + 20) return draw->text;
    }
    return L"<none>";
  }
  SettingsRecord& Record() { return f().dialog->settings().current.record; }
  KeyTexts& Texts() { return f().dialog->settings().key_texts(); }
  std::wstring StrIniText(const std::wstring& key) {
    return f().profile.GetString(kStrIniPath, L"Setting-EN", key, L"-", 1024);
  }

  std::unique_ptr<AppFixture> fixture_;

 public:
  AppFixture& f() { return *fixture_; }
};

}  // namespace vx::test
