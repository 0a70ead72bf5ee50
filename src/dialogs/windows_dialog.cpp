#include "dialogs/windows_dialog.h"

#include "layout/dialogs.h"

namespace vx {

namespace {

using namespace dialog_layout;

constexpr PickList::Layout kPick{.field_id = windows_key::kNameFieldId,
                                 .field = kWideNameField,
                                 .drop_zone = kWideNameZone,
                                 .list_id = windows_key::kListId,
                                 .list = windows_key::kList};

}  // namespace

CWindowsDialog::CWindowsDialog(const SkinnedDialogContext& context)
    : ListPickDialog(context,
                     {702, L"/windows-key.png", L"Windows Dialog Load background image failed!!!"},
                     kPick) {}

std::vector<std::wstring> CWindowsDialog::Entries() const {
  return {texts().windows_functions.begin(), texts().windows_functions.end()};
}

}  // namespace vx
