#include "dialogs/skins_dialog.h"

#include <algorithm>

#include "layout/dialogs.h"
#include "ui/skin_folders.h"

namespace vx {

namespace {

using namespace dialog_layout;
using namespace dialog_layout::skins;

constexpr SkinnedDialog::ColourRules kColours{.lists = true, .list_background = true,
                                               .statics = true};
constexpr PickList::Layout kSkinPick{.field_id = kNameFieldId,
                                     .field = kWideNameField,
                                     .drop_zone = kWideNameZone,
                                     .list_id = kListId,
                                     .list = kList};

wchar_t FoldedAscii(wchar_t c) {
  return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

}  // namespace

std::optional<std::wstring> MatchingFolder(const std::vector<std::wstring>& folders,
                                           const std::wstring& name) {
  for (const std::wstring& folder : folders) {
    if (std::equal(folder.begin(), folder.end(), name.begin(), name.end(),
                   [](wchar_t a, wchar_t b) { return FoldedAscii(a) == FoldedAscii(b); })) {
      return folder;
    }
  }
  return std::nullopt;
}

CSkinsDialog::CSkinsDialog(const SkinnedDialogContext& context)
    : SkinnedDialog(context,
                    {708, L"/skins.png", L"Skins Dialog Load background image failed!!!"},
                    kColours),
      pick_list_(context.windows, kSkinPick),
      skin_dir_(context.skin_dir),
      colour_(context.text_colour) {}

bool CSkinsDialog::InitContent() {
  pick_list_.CreateField(window(), context().font, {0, context().skin_name});
  ControlSpec swatch;
  swatch.id = kSwatchId;
  swatch.rect = kSwatch;
  swatch.style = kStyleVisible | kStyleCentre;
  swatch_ = CreateChild(swatch);
  return true;
}

// Wrapped where a language's prompt is wider than the swatch's row.
void CSkinsDialog::DrawOwnTexts(SkinPainter& painter) {
  painter.CentredNote(texts().skins_colour_prompt, kPrompt, context().font, kTextCentredWrap);
}

std::vector<std::wstring> CSkinsDialog::UsableSkins() {
  return CompleteSkins(context().files, context().skins_root);
}

void CSkinsDialog::OnContentClick(Point p) {
  if (pick_list_.InDropZone(p)) pick_list_.Toggle(window(), context().font, UsableSkins());
  if (!kSwatch.Contains(p)) return;
  const std::optional<Rgb> chosen = windows().ChooseColour(window(), colour_);
  if (!chosen) return;
  colour_ = *chosen;
  windows().RepaintControl(swatch_);
}

bool CSkinsDialog::PreTranslateMessage(const Message& message) {
  pick_list_.PreTranslate(message);
  return pick_list_.Wheel(message) || SkinnedDialog::PreTranslateMessage(message);
}

// The folder is looked up again, so a name the list shows is taken as the system spells it.
bool CSkinsDialog::OnListNotification(int id, int code, WindowHandle list) {
  if (!pick_list_.OnListNotification(id, code, list)) return false;
  const std::optional<std::wstring> folder =
      MatchingFolder(context().files.ListFolders(context().skins_root), skin_name());
  if (folder) skin_dir_ = context().skins_root + L"/" + *folder;
  return true;
}

std::optional<ControlColours> CSkinsDialog::OnControlColour(ControlKind kind, int id) {
  if (kind == ControlKind::kStatic && id == kSwatchId) {
    return ControlColours{std::nullopt, true, std::nullopt, colour_, std::nullopt};
  }
  return SkinnedDialog::OnControlColour(kind, id);
}

}  // namespace vx
