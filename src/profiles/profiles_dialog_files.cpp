// The profiles dialog's work with files the user picks: import, export and programs.
#include <algorithm>

#include "common/text_format.h"
#include "profiles/profile_names.h"
#include "profiles/profiles_dialog.h"
#include "settings/ini_encoding.h"

namespace vx {

namespace {

// The reader's and the checks' reasons are UTF-8: they quote the file's own names.
std::wstring FromUtf8(const std::string& text) {
  return DecodeIniText(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size())).text;
}

std::wstring FileNameOf(const std::wstring& path) {
  const size_t separator = path.find_last_of(L"\\/");
  return separator == std::wstring::npos ? path : path.substr(separator + 1);
}

}  // namespace

FileFilter CProfilesDialog::ProfileFilter() const {
  return {words_.profiles_file_filter, std::wstring(L"*") + kProfileFileExtension,
          std::wstring(kProfileFileExtension + 1)};
}

// A bad file is refused whole; a good one takes the place of the profile of its name, which
// keeps its spelling, and becomes the one in use.
void CProfilesDialog::ImportProfile() {
  const std::optional<std::wstring> path = windows().ChooseFileToOpen(window(), ProfileFilter());
  if (!path) return;
  const FileRead file = context().files.Read(*path, kLargestProfileFileBytes);
  if (file.outcome == FileRead::Outcome::kTooLarge) {
    return Tell(words_.profiles_import_refused, *path, L"the file is larger than a profile can be");
  }
  if (file.outcome != FileRead::Outcome::kRead) {
    return Tell(words_.profiles_read_failed, *path, Explained(file.error));
  }
  ProfileFileRead read = ReadProfileFile(file.bytes);
  if (!read.file) return Tell(words_.profiles_import_refused, *path, FromUtf8(read.error));
  if (const std::optional<std::wstring> existing = library_.Find(read.file->name)) {
    if (!ReplaceAsked(*existing, file.bytes)) return;
    read.file->name = *existing;
  }
  if (!Saved(*read.file)) return;
  host_.ProfilesChanged(L"", L"");
  host_.UseProfile(read.file->name);
  ShowProfiles(read.file->name);
}

// The library's own file, or a copy of it unchanged, replaces nothing the user could lose.
bool CProfilesDialog::ReplaceAsked(const std::wstring& existing,
                                   const std::vector<uint8_t>& imported) {
  if (context().files.ReadAll(library_.PathOf(existing), kLargestProfileFileBytes) == imported) {
    return true;
  }
  return Ask(words_.profiles_replace_question, existing);
}

void CProfilesDialog::ExportProfile() {
  const std::optional<std::wstring> name = SelectedProfile();
  if (!name) return Tell(words_.profiles_select_profile, L"");
  const std::optional<std::wstring> path =
      windows().ChooseFileToSave(window(), ProfileFilter(), *name + kProfileFileExtension);
  if (!path) return;
  const std::wstring source = library_.PathOf(*name);
  const FileRead file = context().files.Read(source, kLargestProfileFileBytes);
  if (file.outcome != FileRead::Outcome::kRead) {
    return Tell(words_.profiles_read_failed, source, Explained(file.error));
  }
  if (const uint32_t error = context().files.ReplaceAll(*path, file.bytes); error != 0) {
    Tell(words_.profiles_save_failed, *path, Explained(error));
  }
}

// Only the file name is kept: the switching rules compare the program in front by its name.
void CProfilesDialog::AddProgram() {
  const std::optional<std::wstring> name = SelectedProfile();
  if (!name) return Tell(words_.profiles_select_profile, L"");
  const std::optional<std::wstring> path =
      windows().ChooseFileToOpen(window(), {words_.profiles_program_filter, L"*.exe", L"exe"});
  if (!path) return;
  const std::wstring program = FileNameOf(*path);
  if (const std::optional<std::string> fault = ProgramNameFault(program)) {
    return Tell(words_.profiles_program_refused, program, Widen(*fault));
  }
  std::optional<ProfileFile> profile = ReadProfile(*name);
  if (!profile) return;
  const auto same = [&](const std::wstring& listed) { return SameProgramName(listed, program); };
  if (std::any_of(profile->programs.begin(), profile->programs.end(), same)) {
    return Tell(words_.profiles_program_listed, program);
  }
  profile->programs.push_back(program);
  SavePrograms(*profile);
}

void CProfilesDialog::RemoveProgram() {
  const std::optional<std::wstring> name = SelectedProfile();
  const int index = windows().ListSelection(program_list_);
  if (!name || index < 0) return Tell(words_.profiles_select_program, L"");
  const std::wstring program = windows().ListText(program_list_, index);
  std::optional<ProfileFile> profile = ReadProfile(*name);
  if (!profile) return;
  std::erase(profile->programs, program);
  SavePrograms(*profile);
}

std::optional<ProfileFile> CProfilesDialog::ReadProfile(const std::wstring& name) {
  ProfileFileRead read = library_.Read(name);
  if (!read.file) Tell(words_.profiles_read_failed, library_.PathOf(name), FromUtf8(read.error));
  return std::move(read.file);
}

void CProfilesDialog::SavePrograms(const ProfileFile& profile) {
  if (!Saved(profile)) return;
  host_.ProfilesChanged(L"", L"");
  ShowPrograms();
}

}  // namespace vx
