#include "dialogs/media_dialog.h"

#include "layout/dialogs.h"

namespace vx {

namespace {

using namespace dialog_layout;

constexpr PickList::Layout kPick{.field_id = media_key::kNameFieldId,
                                 .field = kWideNameField,
                                 .drop_zone = kWideNameZone,
                                 .list_id = media_key::kListId,
                                 .list = media_key::kList};

}  // namespace

CMediaDialog::CMediaDialog(const SkinnedDialogContext& context)
    : ListPickDialog(context,
                     {703, L"/media-key.png", L"Media Dialog Load background image failed!!!"},
                     kPick) {}

std::vector<std::wstring> CMediaDialog::Entries() const {
  return {texts().media_keys.begin(), texts().media_keys.end()};
}

}  // namespace vx
