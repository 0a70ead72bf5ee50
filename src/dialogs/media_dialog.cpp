#include "dialogs/media_dialog.h"

namespace vx {

CMediaDialog::CMediaDialog(const SkinnedDialogContext& context)
    : ListPickDialog(context,
                     {703, L"/media-key.png", L"Media Dialog Load background image failed!!!"},
                     {552, {42, 128, 136, 144}, false, {42, 128, 151, 144}, 553,
                      {42, 146, 151, 266}}) {}

std::vector<std::wstring> CMediaDialog::Entries() const {
  return {texts().media_keys.begin(), texts().media_keys.end()};
}

}  // namespace vx
