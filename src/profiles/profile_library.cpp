#include "profiles/profile_library.h"

#include <algorithm>
#include <string_view>

#include "profiles/profile_names.h"

namespace vx {

namespace {

const std::wstring kExtension = kProfileFileExtension;

bool HasProfileExtension(const std::wstring& file) {
  return file.size() > kExtension.size() &&
         SameIgnoringAsciiCase(std::wstring_view(file).substr(file.size() - kExtension.size()),
                               kExtension);
}

bool LessIgnoringCase(const std::wstring& a, const std::wstring& b) {
  const auto fold = [](wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
  };
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [&](wchar_t x, wchar_t y) { return fold(x) < fold(y); });
}

}  // namespace

std::vector<std::wstring> ProfileLibrary::Names() {
  std::vector<std::wstring> names;
  for (const std::wstring& file : files_.ListFiles(folder_)) {
    if (!HasProfileExtension(file)) continue;
    std::wstring name = file.substr(0, file.size() - kExtension.size());
    if (!ProfileNameFault(name)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), LessIgnoringCase);
  return names;
}

std::optional<std::wstring> ProfileLibrary::Find(const std::wstring& name) {
  for (std::wstring& listed : Names()) {
    if (SameIgnoringAsciiCase(listed, name)) return std::move(listed);
  }
  return std::nullopt;
}

// A Windows folder gets a Windows path: the path is shown to the user when a save fails.
std::wstring ProfileLibrary::PathOf(const std::wstring& name) const {
  const wchar_t separator = folder_.find(L'\\') != std::wstring::npos ? L'\\' : L'/';
  return folder_ + separator + name + kExtension;
}

ProfileFileRead ProfileLibrary::Read(const std::wstring& name) {
  const FileRead file = files_.Read(PathOf(name), kLargestProfileFileBytes);
  ProfileFileRead read;
  if (file.outcome == FileRead::Outcome::kTooLarge) {
    read.error = "the file is larger than a profile can be";
    return read;
  }
  if (file.outcome != FileRead::Outcome::kRead) {
    read.error = "the file cannot be read";
    return read;
  }
  read = ReadProfileFile(file.bytes);
  if (read.file) read.file->name = name;
  return read;
}

std::vector<ProfilePrograms> ProfileLibrary::Programs() {
  std::vector<ProfilePrograms> all;
  for (const std::wstring& name : Names()) {
    ProfileFileRead read = Read(name);
    if (read.file) all.push_back({name, std::move(read.file->programs)});
  }
  return all;
}

uint32_t ProfileLibrary::Save(const ProfileFile& profile) {
  const std::string text = WriteProfileFile(profile);
  return files_.ReplaceAll(PathOf(profile.name),
                           std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

// The file first takes the new name inside, then its own: a new name that differs in case alone
// is still one file, and a name already taken stays with its profile.
uint32_t ProfileLibrary::Rename(const std::wstring& from, const std::wstring& to) {
  ProfileFileRead read = Read(from);
  if (!read.file) return kUnnamedSaveError;
  read.file->name = to;
  const std::string text = WriteProfileFile(*read.file);
  const uint32_t error = files_.ReplaceAll(
      PathOf(from), std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
  return error != 0 ? error : files_.Rename(PathOf(from), PathOf(to));
}

void ProfileLibrary::Remove(const std::wstring& name) {
  files_.Remove(PathOf(name));
}

}  // namespace vx
