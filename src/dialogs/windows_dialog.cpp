#include "dialogs/windows_dialog.h"

namespace vx {

CWindowsDialog::CWindowsDialog(const SkinnedDialogContext& context)
    : ListPickDialog(context,
                     {702, L"/windows-key.png", L"Windows Dialog Load background image failed!!!"},
                     {532, {42, 128, 136, 144}, false, {42, 128, 151, 144}, 533,
                      {42, 146, 151, 306}}) {}

std::vector<std::wstring> CWindowsDialog::Entries() const {
  return {texts().windows_functions.begin(), texts().windows_functions.end()};
}

}  // namespace vx
