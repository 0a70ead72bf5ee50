#include "dialogs/fire_key_dialog.h"

#include "common/text_format.h"
#include "device/key_name_tables.h"
#include "layout/dialogs.h"

namespace vx {

namespace {

using namespace dialog_layout;
using namespace dialog_layout::fire_key;

constexpr SkinnedDialog::ColourRules kColours{.edits = true, .edit_background = true,
                                               .lists = true, .list_background = true,
                                               .statics = true};
constexpr PickList::Layout kKeyPick{.field_id = kKeyFieldId,
                                    .field = kNarrowNameField,
                                    .centred = true,
                                    .drop_zone = kNarrowNameZone,
                                    .list_id = kKeyListId,
                                    .list = kKeyList};
constexpr Rect kSpeedBox = kUpperEntry;
constexpr Rect kTimesBox = kLowerEntry;
constexpr long kSlowest = 255;
constexpr long kFastest = 5;
constexpr long kMostTimes = 255;

std::vector<std::wstring> FireKeyNames() {
  std::vector<std::wstring> names;
  for (const KeyListEntry& entry : kFireKeyList) names.emplace_back(entry.text);
  return names;
}

}  // namespace

CFireKeyDialog::CFireKeyDialog(const SkinnedDialogContext& context)
    : SkinnedDialog(context,
                    {704, L"/fire-key.png", L"FireKey Dialog Load background image failed!!!"},
                    kColours),
      pick_list_(context.windows, kKeyPick) {
  pick_list_.SetOpenHooks(
      [this] {
        windows().SetFocus(window());
        EnableNumberBoxes(false);
      },
      [this] { EnableNumberBoxes(true); });
}

bool CFireKeyDialog::InitContent() {
  pick_list_.CreateField(window(), context().font, {0, std::wstring(kFireKeyList.front().text)});
  ControlSpec box;
  box.kind = ControlKind::kEdit;
  box.style = kStyleVisible | kStyleCentre | kStyleNumber;
  box.id = kSpeedBoxId;
  box.rect = kSpeedBox;
  speed_box_ = CreateChild(box);
  box.id = kTimesBoxId;
  box.rect = kTimesBox;
  times_box_ = CreateChild(box);
  windows().SetText(speed_box_, std::to_wstring(speed_));
  windows().SetText(times_box_, std::to_wstring(times_));
  return true;
}

void CFireKeyDialog::DrawOwnTexts(SkinPainter& white) {
  const FontSpec& font = context().font;
  white.Text(texts().speed_label, kSpeedLabel, kTextCentred, font);
  white.Text(texts().times_label, kTimesLabel, kTextCentred, font);
  speed_note_ = white.CentredNote(texts().speed_explanation, speed_note_, font);
  times_note_ = white.CentredNote(texts().times_explanation, times_note_, font);
}

void CFireKeyDialog::EnableNumberBoxes(bool enable) {
  windows().EnableWindow(speed_box_, enable);
  windows().EnableWindow(times_box_, enable);
}

void CFireKeyDialog::OnContentClick(Point p) {
  if (pick_list_.InDropZone(p)) pick_list_.Toggle(window(), context().font, FireKeyNames());
}

bool CFireKeyDialog::PreTranslateMessage(const Message& message) {
  pick_list_.PreTranslate(message);
  return pick_list_.Wheel(message) || SkinnedDialog::PreTranslateMessage(message);
}

bool CFireKeyDialog::OnCommand(int id, int code) {
  if (id == kSpeedBoxId && code == kEditChanged) {
    windows().RepaintControl(speed_box_);
    return true;
  }
  if (id == kSpeedBoxId && code == kEditFocusLost) {
    CheckSpeed();
    return true;
  }
  if (id == kTimesBoxId && code == kEditChanged) {
    CheckTimes();
    return true;
  }
  return SkinnedDialog::OnCommand(id, code);
}

void CFireKeyDialog::CheckSpeed() {
  long speed = TextToLong(windows().GetText(speed_box_));
  if (speed < kFastest || speed > kSlowest) {
    windows().SetText(speed_box_, std::to_wstring(kFastest));
    speed = kFastest;
  }
  speed_ = static_cast<uint8_t>(speed);
  windows().RepaintControl(speed_box_);
}

// Setting "1" changes the text again and runs the check once more, with 1.
void CFireKeyDialog::CheckTimes() {
  long times = TextToLong(windows().GetText(times_box_));
  if (times < 0 || times > kMostTimes) {
    windows().SetText(times_box_, L"1");
    times = 1;
  }
  times_ = static_cast<uint8_t>(times);
  windows().RepaintControl(times_box_);
}

}  // namespace vx
