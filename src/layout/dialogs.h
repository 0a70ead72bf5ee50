#pragma once

#include "ui/geometry.h"

// The key-function dialogs, the delay dialog and the skins dialog, in layout units. The skin
// generator draws their artwork around the same rectangles.
namespace vx::dialog_layout {

// The size of the dialogs' skin images, and so of their client areas.
inline constexpr int kWidth = 400;
inline constexpr int kHeight = 300;
inline constexpr int kTallHeight = 320;  // the Windows-function dialog, for its long list

// Every dialog's frame. OK and Cancel share the column x = 270.
inline constexpr Rect kClose{352, 6, 370, 24};
inline constexpr Rect kOk{166, 253, 271, 274};
inline constexpr Rect kCancel{270, 253, 375, 274};

// The name fields over a pick list, and their drop zones: the field and a strip to its right.
// The narrow one is centred, in the combo and fire-key dialogs, above two entry boxes; the wide
// one is in the media, Windows-function, macro and skins dialogs.
inline constexpr Rect kNarrowNameField{49, 69, 117, 85};
inline constexpr Rect kNarrowNameZone{49, 69, 132, 85};
inline constexpr Rect kUpperEntry{50, 120, 131, 134};
inline constexpr Rect kLowerEntry{50, 170, 131, 184};
inline constexpr Rect kWideNameField{42, 128, 136, 144};
inline constexpr Rect kWideNameZone{42, 128, 151, 144};

namespace single_key {
inline constexpr Rect kPrompt{23, 108, 201, 124};
inline constexpr Rect kKeyField{73, 128, 151, 144};
inline constexpr int kKeyFieldId = 502;
}  // namespace single_key

namespace combo_key {
inline constexpr int kModifierFieldId = 512;
inline constexpr int kModifierListId = 515;
inline constexpr Rect kModifierList{49, 87, 132, 227};
inline constexpr int kUpperBoxId = 516;
inline constexpr int kLowerBoxId = 517;
}  // namespace combo_key

namespace windows_key {
inline constexpr int kNameFieldId = 532;
inline constexpr int kListId = 533;
inline constexpr Rect kList{42, 146, 151, 306};
}  // namespace windows_key

namespace media_key {
inline constexpr int kNameFieldId = 552;
inline constexpr int kListId = 553;
inline constexpr Rect kList{42, 146, 151, 266};
}  // namespace media_key

namespace skins {
inline constexpr int kNameFieldId = 560;
inline constexpr int kSwatchId = 561;
inline constexpr int kListId = 562;
inline constexpr Rect kList{42, 146, 151, 266};
inline constexpr Rect kSwatch{42, 94, 151, 110};
inline constexpr Rect kPrompt{12, 64, 181, 94};
}  // namespace skins

namespace fire_key {
inline constexpr int kKeyFieldId = 572;
inline constexpr int kKeyListId = 573;
inline constexpr Rect kKeyList{49, 87, 132, 257};
inline constexpr int kSpeedBoxId = 574;
inline constexpr int kTimesBoxId = 575;
inline constexpr Rect kSpeedLabel{10, 100, 171, 120};
inline constexpr Rect kTimesLabel{10, 150, 171, 170};
// Where the notes start; each is centred once on its text.
inline constexpr Rect kSpeedNote{15, 184, 390, 218};
inline constexpr Rect kTimesNote{15, 218, 390, 250};
}  // namespace fire_key

namespace macro_key {
inline constexpr int kMacroFieldId = 592;
inline constexpr int kMacroListId = 593;
inline constexpr Rect kMacroList{42, 146, 151, 286};
inline constexpr Rect kPrompt{-8, 112, 201, 128};

// Repeat modes 1..3, a tick box each with its note beside it; a note starts there and is
// centred once on its text.
constexpr Rect RepeatModeTick(int mode) {
  const int top = 78 + 50 * (mode - 1);
  return {220, top, 236, top + 16};
}

constexpr Rect RepeatModeNote(int mode) {
  const int top = 70 + 50 * (mode - 1);
  return {237, top, 390, top + 32};
}
}  // namespace macro_key

namespace delay_time {
inline constexpr int kDelayBoxId = 600;
inline constexpr Rect kDelayBox{74, 129, 150, 143};
inline constexpr Rect kPrompt{14, 89, 210, 109};
inline constexpr Rect kRange{14, 109, 210, 129};
}  // namespace delay_time

// The profiles dialog: the profiles, a name for New and Rename, the buttons that act on them,
// and the programs of the selected profile. Its buttons are drawn, each 105 x 21.
namespace profiles {
inline constexpr Rect kProfilesHeading{14, 36, 146, 52};
inline constexpr Rect kNameHeading{156, 36, 261, 52};
inline constexpr Rect kProgramsHeading{270, 36, 375, 52};
inline constexpr int kProfileListId = 620;
inline constexpr Rect kProfileList{14, 58, 146, 238};
inline constexpr int kNameEditId = 621;
inline constexpr Rect kNameEdit{156, 60, 261, 76};
inline constexpr Rect kNew{156, 84, 261, 105};
inline constexpr Rect kRename{156, 108, 261, 129};
inline constexpr Rect kDelete{156, 132, 261, 153};
inline constexpr Rect kImport{156, 168, 261, 189};
inline constexpr Rect kExport{156, 192, 261, 213};
inline constexpr int kProgramListId = 622;
inline constexpr Rect kProgramList{270, 58, 375, 184};
inline constexpr Rect kAddProgram{270, 192, 375, 213};
inline constexpr Rect kRemoveProgram{270, 216, 375, 237};
}  // namespace profiles

}  // namespace vx::dialog_layout
