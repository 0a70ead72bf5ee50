#pragma once

#include "layout/advanced_page.h"
#include "layout/basic_page.h"
#include "layout/dialogs.h"
#include "layout/main_window.h"
#include "settings/settings_record.h"
#include "tools/skingen/geometry2d.h"

// Where the program draws its controls and texts, from the program's own layout, as the
// artwork's boxes; counts start at 0. The artwork places its recesses, frames and calm areas
// around these.
namespace vx::skingen::layout {

namespace basic = vx::basic_layout;
namespace advanced = vx::advanced_layout;
namespace dialog = vx::dialog_layout;

constexpr int kWindowWidth = main_layout::kWidth;
constexpr int kWindowHeight = main_layout::kHeight;

// Both pages.
constexpr Box kSkinsIcon = FromRect(main_layout::kSkins);
constexpr Box kWebSpot = FromRect(main_layout::kWebTitleBar);
constexpr Box kMinimiseIcon = FromRect(main_layout::kMinimise);
constexpr Box kCloseIcon = FromRect(main_layout::kClose);
constexpr Box kPreviousPage = FromRect(main_layout::kPreviousPage);
constexpr Box kNextPage = FromRect(main_layout::kNextPage);
constexpr Box kPageTitle = FromRect(main_layout::kPageTitle);
constexpr Box kOk = FromRect(main_layout::kOk);
constexpr Box kApply = FromRect(main_layout::kApply);
constexpr Box kCancel = FromRect(main_layout::kCancel);
constexpr Box kWebText = FromRect(main_layout::kWebText);

// Basic page.
constexpr Box kKeyHeading = FromRect(basic::kKeyHeading);
constexpr Box kRateHeading = FromRect(basic::kRateHeading);
constexpr Box kDpiHeading = FromRect(basic::kDpiHeading);
constexpr Box kLightHeading = FromRect(basic::kDpiEffectHeading);
constexpr Box kModeA = FromRect(basic::kModeA);
constexpr Box kModeB = FromRect(basic::kModeB);
constexpr Box kKeyDefault = FromRect(basic::kKeyDefaults);
constexpr int kDropDownCount = static_cast<int>(basic::kFunctionBoxCount);
constexpr Box DropDown(int n) {
  return FromRect(basic::FunctionBox(static_cast<size_t>(n)));
}
constexpr int kRateCount = static_cast<int>(basic::kRateCellCount);
constexpr Box RateCell(int n) {
  return FromRect(basic::RateCell(static_cast<size_t>(n)));
}
constexpr int kDpiStages = static_cast<int>(kDpiStageCount);
constexpr int kDpiSegments = static_cast<int>(basic::kDpiSegmentRows);
constexpr Box DpiCell(int stage, int segment) {
  return FromRect(basic::DpiSegment(static_cast<size_t>(stage), static_cast<size_t>(segment) + 1));
}
constexpr Box DpiSwatch(int stage) {
  return FromRect(basic::DpiSwatch(static_cast<size_t>(stage)));
}
constexpr Box DpiTick(int stage) {
  return FromRect(basic::DpiTick(static_cast<size_t>(stage)));
}
constexpr int kLightBoxes = static_cast<int>(basic::kLightBoxCount);
constexpr Box LightBox(int n) {
  return FromRect(basic::LightBox(static_cast<size_t>(n)));
}
constexpr float kLightFieldRight = basic::kLightFieldRight;

// Advanced page.
constexpr Box kSpeedHeading = FromRect(advanced::kSpeedHeading);
constexpr Box kScrollHeading = FromRect(advanced::kScrollHeading);
constexpr Box kDoubleClickHeading = FromRect(advanced::kDoubleClickHeading);
constexpr int kPointerSegments = kSliderPositions;
constexpr Box PointerSegment(int row, int n) {
  return FromRect(advanced::PointerSegment(static_cast<size_t>(row), n + 1));
}
constexpr Box kPrecisionTick = FromRect(advanced::kPrecisionTick);
constexpr Box kOneScreenTick = FromRect(advanced::kOneScreenTick);
constexpr Box kPointerDefault = FromRect(advanced::kPointerDefaults);
constexpr Box kMacroHeading = FromRect(advanced::kMacroHeading);
constexpr Box kSelectMacroHeading = FromRect(advanced::kSelectMacroHeading);
constexpr Box kSequenceHeading = FromRect(advanced::kSequenceHeading);
constexpr Box kRecordHeading = FromRect(advanced::kRecordHeading);
constexpr Box kNew = FromRect(advanced::kNew);
constexpr Box kDelete = FromRect(advanced::kDelete);
constexpr Box kConfirm = FromRect(advanced::kConfirm);
constexpr Box kStartRecording = FromRect(advanced::kStartRecording);
constexpr Box kStopRecording = FromRect(advanced::kStopRecording);
constexpr Box kMouseEventBox = FromRect(advanced::kMouseEventBox);
constexpr Box kMacroNameList = FromRect(advanced::kNameList);
constexpr Box kMacroNameCaption = FromRect(advanced::kNameCaption);
constexpr Box kMacroNameEdit = FromRect(advanced::kNameEdit);
constexpr Box kEventList = FromRect(advanced::kEventList);
constexpr Box kStartNote = FromRect(advanced::kStartNote);
constexpr Box kStopNote = FromRect(advanced::kStopNote);
constexpr Box kLoopCaption = FromRect(advanced::kLoopCaption);
constexpr Box kLoopEdit = FromRect(advanced::kLoopEdit);
constexpr Box kMouseEventCaption = FromRect(advanced::kMouseEventCaption);

// Every key-function dialog and the skins dialog.
constexpr int kDialogWidth = dialog::kWidth;
constexpr int kDialogHeight = dialog::kHeight;
constexpr int kTallDialogHeight = dialog::kTallHeight;
constexpr Box kDialogClose = FromRect(dialog::kClose);
constexpr Box kDialogOk = FromRect(dialog::kOk);
constexpr Box kDialogCancel = FromRect(dialog::kCancel);
constexpr Box kSingleKeyField = FromRect(dialog::single_key::kKeyField);
constexpr Box kSingleKeyPrompt = FromRect(dialog::single_key::kPrompt);
constexpr Box kNarrowNameZone = FromRect(dialog::kNarrowNameZone);  // combo and fire-key lists
constexpr float kNarrowNameRight = dialog::kNarrowNameField.right;
constexpr Box kUpperEntry = FromRect(dialog::kUpperEntry);
constexpr Box kLowerEntry = FromRect(dialog::kLowerEntry);
constexpr Box kDelayBox = FromRect(dialog::delay_time::kDelayBox);
constexpr Box kWideNameZone = FromRect(dialog::kWideNameZone);  // media, Windows, macro and skins
constexpr float kWideNameRight = dialog::kWideNameField.right;
constexpr Box MacroModeTick(int n) {
  return FromRect(dialog::macro_key::RepeatModeTick(n + 1));
}
constexpr Box kSkinSwatch = FromRect(dialog::skins::kSwatch);

// The profiles dialog and its icon in the main window's title bar.
namespace profiles = vx::dialog_layout::profiles;
constexpr Box kProfilesIcon = FromRect(main_layout::kProfiles);
constexpr Box kProfilesHeading = FromRect(profiles::kProfilesHeading);
constexpr Box kProfileNameHeading = FromRect(profiles::kNameHeading);
constexpr Box kProgramsHeading = FromRect(profiles::kProgramsHeading);
constexpr Box kProfileList = FromRect(profiles::kProfileList);
constexpr Box kProfileNameEdit = FromRect(profiles::kNameEdit);
constexpr Box kProgramList = FromRect(profiles::kProgramList);
constexpr Box kProfileNew = FromRect(profiles::kNew);
constexpr Box kProfileRename = FromRect(profiles::kRename);
constexpr Box kProfileDelete = FromRect(profiles::kDelete);
constexpr Box kProfileImport = FromRect(profiles::kImport);
constexpr Box kProfileExport = FromRect(profiles::kExport);
constexpr Box kAddProgram = FromRect(profiles::kAddProgram);
constexpr Box kRemoveProgram = FromRect(profiles::kRemoveProgram);

}  // namespace vx::skingen::layout
