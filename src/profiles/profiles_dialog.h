#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dialogs/skinned_dialog.h"
#include "profiles/profile_library.h"
#include "profiles/profiles_dialog_host.h"
#include "settings/file_saves.h"
#include "ui/language_text.h"

namespace vx {

// The profiles dialog: the library's profiles, the active one marked; New, Rename, Delete,
// Import and Export; and the programs of the selected profile. Every change is saved at once,
// so OK and Cancel only close it.
class CProfilesDialog : public SkinnedDialog {
 public:
  CProfilesDialog(const SkinnedDialogContext& context, ProfileLibrary& library,
                  ProfilesDialogHost& host, ErrorExplainer explain_error);

  bool OnListNotification(int id, int code, WindowHandle list) override;

 private:
  bool InitContent() override;
  void DrawOwnTexts(SkinPainter& painter) override;
  std::vector<SkinControl> OwnButtons() const override;
  void OnContentClick(Point p) override;

  // The profiles listed again with that one selected (none when no name matches).
  void ShowProfiles(const std::wstring& selected);
  void ShowSelected();
  void ShowPrograms();
  std::optional<std::wstring> SelectedProfile();

  void NewProfile();
  void RenameProfile();
  void DeleteProfile();
  void ImportProfile();
  void ExportProfile();
  void AddProgram();
  void RemoveProgram();

  // Each tells the user why not, when it says no.
  bool NameRefused(const std::wstring& name, const std::optional<std::wstring>& renamed);
  std::optional<ProfileFile> ReadProfile(const std::wstring& name);
  bool Saved(const ProfileFile& profile);
  void SavePrograms(const ProfileFile& profile);
  bool ReplaceAsked(const std::wstring& existing, const std::vector<uint8_t>& imported);

  void Tell(const std::wstring& text, const std::wstring& thing, const std::wstring& why = L"");
  bool Ask(const std::wstring& text, const std::wstring& thing);
  std::wstring Explained(uint32_t error) const;
  FileFilter ProfileFilter() const;

  ProfileLibrary& library_;
  ProfilesDialogHost& host_;
  ErrorExplainer explain_error_;
  const LanguageText& words_;
  std::vector<std::wstring> names_;  // the listed profiles, in list order
  WindowHandle profile_list_ = kNoWindow;
  WindowHandle name_edit_ = kNoWindow;
  WindowHandle program_list_ = kNoWindow;
};

}  // namespace vx
