#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/dialog_fixture.h"
#include "layout/dialogs.h"
#include "profiles/profiles_dialog.h"
#include "settings/factory_settings.h"

namespace vx::test {

inline constexpr wchar_t kProfilesFolder[] = L"C:\\Games\\Mouse\\/Profiles";

// The program as the dialog sees it: a setup, the active profile, and what it was told.
class FakeProfilesHost : public ProfilesDialogHost {
 public:
  const Profile& CurrentSetup() override { return setup; }
  std::wstring ActiveProfile() override { return active; }
  void ProfilesChanged(const std::wstring& from, const std::wstring& to) override {
    changes.emplace_back(from, to);
  }
  void UseProfile(const std::wstring& name) override { used.push_back(name); }

  Profile setup;
  std::wstring active = L"Desktop";
  std::vector<std::pair<std::wstring, std::wstring>> changes;
  std::vector<std::wstring> used;
};

inline ProfileFile SampleProfile(const std::wstring& name, std::vector<std::wstring> programs) {
  ProfileFile profile;
  profile.name = name;
  profile.programs = std::move(programs);
  profile.setup.record = FactoryRecord();
  profile.setup.key_texts[kEnglish][0] = L"Left Click of " + name;
  return profile;
}

inline std::vector<uint8_t> BytesOf(const std::string& text) {
  return {text.begin(), text.end()};
}

// The profiles dialog, open without a modal loop, over a library of three profiles in memory:
// "Arena", "Desktop" (the active one, with explorer.exe) and "shooter" (with game.exe).
struct ProfilesDialogFixture : DialogFixture {
  ProfileLibrary library{files, kProfilesFolder};
  FakeProfilesHost host;
  std::unique_ptr<CProfilesDialog> dialog;

  ProfilesDialogFixture() {
    library.Save(SampleProfile(L"Arena", {}));
    library.Save(SampleProfile(L"Desktop", {L"explorer.exe"}));
    library.Save(SampleProfile(L"shooter", {L"game.exe"}));
    host.setup.record = FactoryRecord();
    host.setup.key_texts[kEnglish][1] = L"the current setup";
  }

  void Open() {
    const auto explain = [](uint32_t error) {
      return error == 112 ? std::wstring(L"There is not enough space on the disk.") : L"";
    };
    dialog = std::make_unique<CProfilesDialog>(Context(), library, host, explain);
    windows.Open(*dialog);
  }

  std::vector<std::wstring> Items(int list_id) {
    return windows.Get(Control(*dialog, list_id)).items;
  }
  int Selection(int list_id) { return windows.ListSelection(Control(*dialog, list_id)); }
  void Select(int list_id, int entry) {
    const WindowHandle list = Control(*dialog, list_id);
    const Rect item = windows.ListItemRect(list, entry);
    const Rect rect = windows.Get(list).spec.rect;
    Click(*dialog, rect.left + 1 + item.left + 5, rect.top + 1 + (item.top + item.bottom) / 2);
  }
  void Type(const std::wstring& name) {
    windows.SetText(Control(*dialog, dialog_layout::profiles::kNameEditId), name);
  }
  void Press(Rect button) { Click(*dialog, (button.left + button.right) / 2, button.top + 10); }

  std::vector<std::wstring> Told() {
    std::vector<std::wstring> texts;
    for (const headless::ShownBox& box : windows.boxes) texts.push_back(box.text);
    return texts;
  }
  std::string FileText(const std::wstring& name) {
    const std::vector<uint8_t>& bytes = files.files[library.PathOf(name)];
    return {bytes.begin(), bytes.end()};
  }
};

}  // namespace vx::test
