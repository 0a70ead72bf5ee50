#pragma once

#include <string>
#include <vector>

#include "settings/file_port.h"

namespace vx {

// A folder under Skins is a skin when it holds the images every page needs.
bool IsCompleteSkin(FilePort& files, const std::wstring& folder);

// The skins under the Skins folder, in the order the system lists them.
std::vector<std::wstring> CompleteSkins(FilePort& files, const std::wstring& skins_root);

// One plain folder name, so the images are taken from inside the Skins folder and nowhere else.
bool IsSkinFolderName(const std::wstring& name);

// The skins to try at start, best first: the wanted one when it is a complete skin inside the
// Skins folder, then every other complete skin.
std::vector<std::wstring> StartSkinCandidates(FilePort& files, const std::wstring& skins_root,
                                              const std::wstring& wanted);

}  // namespace vx
