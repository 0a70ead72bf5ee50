#pragma once

#include <windows.h>

#include <vector>

#include "ui/window_system.h"

namespace vx {

// An empty in-memory dialog template: the windows of the program create their controls at run
// time. DWORD-aligned words, as DialogBoxIndirect and CreateDialogIndirect require.
std::vector<WORD> BuildDialogTemplate(const DialogTemplate& templ);

inline constexpr wchar_t kMainWindowClass[] = L"VX17Class";

}  // namespace vx
