#include "profiles/profiles_dialog.h"

#include "common/text_format.h"
#include "layout/dialogs.h"
#include "profiles/profile_names.h"

namespace vx {

namespace {

using namespace dialog_layout::profiles;

constexpr SkinnedDialog::ColourRules kColours{
    .edits = true, .edit_background = true, .lists = true, .list_background = true};
constexpr uint32_t kListStyle = kStyleVisible | kStyleBorder | kStyleNotify | kStyleVScroll;
constexpr uint32_t kEditStyle = kStyleVisible | kStyleBorder | kStyleAutoScroll;
enum ButtonKey : int {
  kNewKey = 10,
  kRenameKey,
  kDeleteKey,
  kImportKey,
  kExportKey,
  kAddProgramKey,
  kRemoveProgramKey
};

ControlSpec Control(ControlKind kind, int id, Rect rect, uint32_t style) {
  ControlSpec spec;
  spec.kind = kind;
  spec.id = id;
  spec.rect = rect;
  spec.style = style;
  return spec;
}

}  // namespace

CProfilesDialog::CProfilesDialog(const SkinnedDialogContext& context, ProfileLibrary& library,
                                 ProfilesDialogHost& host, ErrorExplainer explain_error)
    : SkinnedDialog(context,
                    {709, L"/profiles.png", L"Profiles Dialog Load background image failed!!!"},
                    kColours),
      library_(library),
      host_(host),
      explain_error_(std::move(explain_error)),
      words_(LanguageTextFor(context.language_code)) {}

bool CProfilesDialog::InitContent() {
  profile_list_ =
      CreateChild(Control(ControlKind::kListBox, kProfileListId, kProfileList, kListStyle));
  name_edit_ = CreateChild(Control(ControlKind::kEdit, kNameEditId, kNameEdit, kEditStyle));
  program_list_ =
      CreateChild(Control(ControlKind::kListBox, kProgramListId, kProgramList, kListStyle));
  ShowProfiles(host_.ActiveProfile());
  return true;
}

void CProfilesDialog::DrawOwnTexts(SkinPainter& painter) {
  painter.Text(words_.profiles_heading, kProfilesHeading, kTextCentred, context().font);
  painter.Text(words_.profiles_name, kNameHeading, kTextCentred, context().font);
  painter.Text(words_.profiles_programs, kProgramsHeading, kTextCentred, context().font);
}

std::vector<SkinControl> CProfilesDialog::OwnButtons() const {
  return {
      TextButton(kNewKey, kNew, words_.profiles_new, kButtonGroup),
      TextButton(kRenameKey, kRename, words_.profiles_rename, kButtonGroup),
      TextButton(kDeleteKey, kDelete, words_.profiles_delete, kButtonGroup),
      TextButton(kImportKey, kImport, words_.profiles_import, kButtonGroup),
      TextButton(kExportKey, kExport, words_.profiles_export, kButtonGroup),
      TextButton(kAddProgramKey, kAddProgram, words_.profiles_add_program, kButtonGroup),
      TextButton(kRemoveProgramKey, kRemoveProgram, words_.profiles_remove_program, kButtonGroup)};
}

void CProfilesDialog::OnContentClick(Point p) {
  const std::vector<SkinControl> buttons = OwnButtons();
  const SkinControl* button = HitTest(buttons, p);
  if (button == nullptr) return;
  // In the order of the button keys.
  using Action = void (CProfilesDialog::*)();
  static constexpr Action kActions[] = {
      &CProfilesDialog::NewProfile,    &CProfilesDialog::RenameProfile,
      &CProfilesDialog::DeleteProfile, &CProfilesDialog::ImportProfile,
      &CProfilesDialog::ExportProfile, &CProfilesDialog::AddProgram,
      &CProfilesDialog::RemoveProgram};
  (this->*kActions[button->key - kNewKey])();
}

bool CProfilesDialog::OnListNotification(int id, int code, WindowHandle) {
  if (id != kProfileListId || code != kListSelChange) return false;
  ShowSelected();
  return true;
}

void CProfilesDialog::ShowProfiles(const std::wstring& selected) {
  names_ = library_.Names();
  const std::wstring active = host_.ActiveProfile();
  windows().ListReset(profile_list_);
  for (size_t n = 0; n < names_.size(); ++n) {
    const bool is_active = SameIgnoringAsciiCase(names_[n], active);
    windows().ListAddString(profile_list_, names_[n] + (is_active ? words_.profiles_active : L""));
    if (SameIgnoringAsciiCase(names_[n], selected)) {
      windows().ListSetSelection(profile_list_, static_cast<int>(n));
    }
  }
  ShowSelected();
}

// The selected profile's name goes into the name box, ready to be changed for Rename.
void CProfilesDialog::ShowSelected() {
  windows().SetText(name_edit_, SelectedProfile().value_or(L""));
  ShowPrograms();
}

void CProfilesDialog::ShowPrograms() {
  windows().ListReset(program_list_);
  const std::optional<std::wstring> name = SelectedProfile();
  if (!name) return;
  const ProfileFileRead read = library_.Read(*name);
  if (!read.file) return;
  for (const std::wstring& program : read.file->programs) {
    windows().ListAddString(program_list_, program);
  }
}

std::optional<std::wstring> CProfilesDialog::SelectedProfile() {
  const int index = windows().ListSelection(profile_list_);
  if (index < 0 || static_cast<size_t>(index) >= names_.size()) return std::nullopt;
  return names_[static_cast<size_t>(index)];
}

void CProfilesDialog::NewProfile() {
  const std::wstring name = windows().GetText(name_edit_);
  if (NameRefused(name, std::nullopt)) return;
  ProfileFile profile;
  profile.name = name;
  profile.setup = host_.CurrentSetup();
  if (!Saved(profile)) return;
  host_.ProfilesChanged(L"", L"");
  ShowProfiles(name);
}

void CProfilesDialog::RenameProfile() {
  const std::optional<std::wstring> from = SelectedProfile();
  if (!from) return Tell(words_.profiles_select_profile, L"");
  const std::wstring to = windows().GetText(name_edit_);
  if (to == *from || NameRefused(to, from)) return;
  if (const uint32_t error = library_.Rename(*from, to); error != 0) {
    return Tell(words_.profiles_save_failed, library_.PathOf(to), Explained(error));
  }
  host_.ProfilesChanged(*from, to);
  ShowProfiles(to);
}

void CProfilesDialog::DeleteProfile() {
  const std::optional<std::wstring> name = SelectedProfile();
  if (!name) return Tell(words_.profiles_select_profile, L"");
  if (SameIgnoringAsciiCase(*name, host_.ActiveProfile())) {
    return Tell(words_.profiles_active_kept, *name);
  }
  if (!Ask(words_.profiles_delete_question, *name)) return;
  library_.Remove(*name);
  host_.ProfilesChanged(L"", L"");
  ShowProfiles(host_.ActiveProfile());
}

// A rename may change the case of the profile's own name.
bool CProfilesDialog::NameRefused(const std::wstring& name,
                                  const std::optional<std::wstring>& renamed) {
  if (const std::optional<std::string> fault = ProfileNameFault(name)) {
    Tell(words_.profiles_name_refused, name, Widen(*fault));
    return true;
  }
  const std::optional<std::wstring> taken = library_.Find(name);
  if (!taken || (renamed && SameIgnoringAsciiCase(*taken, *renamed))) return false;
  Tell(words_.profiles_name_taken, name);
  return true;
}

// The first profile saved makes the folder.
bool CProfilesDialog::Saved(const ProfileFile& profile) {
  uint32_t error = library_.FolderExists() ? 0 : library_.MakeFolder();
  if (error == 0) error = library_.Save(profile);
  if (error != 0) {
    Tell(words_.profiles_save_failed, library_.PathOf(profile.name), Explained(error));
  }
  return error == 0;
}

// "{why}" first: a profile's name may hold "{why}" itself.
void CProfilesDialog::Tell(const std::wstring& text, const std::wstring& thing,
                           const std::wstring& why) {
  windows().ShowMessageBox(window(), ReplaceEvery(ReplaceEvery(text, L"{why}", why), L"{}", thing),
                           words_.profiles_heading, kBoxOk);
}

bool CProfilesDialog::Ask(const std::wstring& text, const std::wstring& thing) {
  return windows().ShowMessageBox(window(), ReplaceEvery(text, L"{}", thing),
                                  words_.profiles_heading, kBoxYesNo) == kIdYes;
}

std::wstring CProfilesDialog::Explained(uint32_t error) const {
  const std::wstring code = Widen(Format("error %u", static_cast<unsigned>(error)));
  const std::wstring why = explain_error_(error);
  return why.empty() ? code : why + L" (" + code + L")";
}

}  // namespace vx
