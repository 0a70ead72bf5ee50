#include "ui/skin_folders.h"

#include <algorithm>

namespace vx {

namespace {

// A folder without these would leave every page without its artwork.
constexpr const wchar_t* kNeededImages[] = {L"/main.png", L"/BasicSet2.png", L"/AdvancedSet2.png"};

}  // namespace

bool IsCompleteSkin(FilePort& files, const std::wstring& folder) {
  return std::all_of(std::begin(kNeededImages), std::end(kNeededImages),
                     [&](const wchar_t* image) { return files.Exists(folder + image); });
}

std::vector<std::wstring> CompleteSkins(FilePort& files, const std::wstring& skins_root) {
  std::vector<std::wstring> complete;
  for (const std::wstring& folder : files.ListFolders(skins_root)) {
    if (IsCompleteSkin(files, skins_root + L"/" + folder)) complete.push_back(folder);
  }
  return complete;
}

bool IsSkinFolderName(const std::wstring& name) {
  return !name.empty() && name != L"." && name != L".." &&
         name.find_first_of(L"/\\:") == std::wstring::npos;
}

std::vector<std::wstring> StartSkinCandidates(FilePort& files, const std::wstring& skins_root,
                                              const std::wstring& wanted) {
  std::vector<std::wstring> candidates;
  if (IsSkinFolderName(wanted) && IsCompleteSkin(files, skins_root + L"/" + wanted)) {
    candidates.push_back(wanted);
  }
  for (std::wstring& skin : CompleteSkins(files, skins_root)) {
    if (skin != wanted) candidates.push_back(std::move(skin));
  }
  return candidates;
}

}  // namespace vx
