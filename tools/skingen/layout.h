#pragma once

#include "macro/macro_layout.h"
#include "tools/skingen/geometry2d.h"

// Where the program draws its controls and texts, in client pixels (left, top, right, bottom).
// The artwork places its recesses, frames and calm areas around these.
namespace vx::skingen::layout {

constexpr int kWindowWidth = 890;
constexpr int kWindowHeight = 660;

// Both pages.
constexpr Box kSkinsIcon = Rect(701, 5, 719, 23);
constexpr Box kWebSpot = Rect(815, 5, 833, 23);
constexpr Box kMinimiseIcon = Rect(825, 5, 843, 23);
constexpr Box kCloseIcon = Rect(850, 5, 868, 23);
constexpr Box kPreviousPage = Rect(14, 54, 54, 94);
constexpr Box kNextPage = Rect(60, 54, 100, 94);
constexpr Box kPageTitle = Rect(105, 51, 320, 99);
constexpr Box kOk = Rect(562, 623, 667, 644);
constexpr Box kApply = Rect(666, 623, 771, 644);
constexpr Box kCancel = Rect(770, 623, 875, 644);
constexpr Box kWebText = Rect(266, 626, 458, 646);

// Basic page.
constexpr Box kKeyHeading = Rect(259, 160, 364, 181);
constexpr Box kRateHeading = Rect(504, 161, 609, 182);
constexpr Box kDpiHeading = Rect(504, 275, 609, 296);
constexpr Box kLightHeading = Rect(704, 275, 809, 296);
constexpr Box kModeA = Rect(253, 518, 358, 539);
constexpr Box kModeB = Rect(357, 518, 462, 539);
constexpr Box kKeyDefault = Rect(307, 549, 412, 570);
constexpr int kDropDownCount = 10;
constexpr Box DropDown(int n) {
  return Rect(252, 199 + 23 * n, 463, 220 + 23 * n);
}
constexpr int kRateCount = 4;
constexpr Box RateCell(int n) {
  return Rect(542 + 72 * n, 204, 612 + 72 * n, 215);
}
constexpr int kDpiStages = 4;
constexpr int kDpiSegments = 12;
constexpr Box DpiCell(int stage, int segment) {
  return Rect(554 + 27 * stage, 500 - 18 * segment, 570 + 27 * stage, 516 - 18 * segment);
}
constexpr Box DpiSwatch(int stage) {
  return Rect(554 + 27 * stage, 523, 570 + 27 * stage, 539);
}
constexpr Box DpiTick(int stage) {
  return Rect(554 + 27 * stage, 541, 570 + 27 * stage, 557);
}
constexpr int kLightBoxes = 3;
constexpr Box LightBox(int n) {
  return Rect(767, 330 + 30 * n, 851, 344 + 30 * n);
}
constexpr float kLightFieldRight = 835;

// Advanced page.
constexpr Box kSpeedHeading = Rect(38, 160, 143, 181);
constexpr Box kScrollHeading = Rect(38, 310, 143, 331);
constexpr Box kDoubleClickHeading = Rect(38, 460, 143, 481);
constexpr int kPointerSegments = 11;
constexpr Box PointerSegment(int row, int n) {
  return Rect(52 + 24 * n, 200 + 150 * row, 76 + 24 * n, 211 + 150 * row);
}
constexpr Box kPrecisionTick = Rect(51, 255, 67, 271);
constexpr Box kOneScreenTick = Rect(51, 405, 67, 421);
constexpr Box kPointerDefault = Rect(38, 584, 143, 605);
constexpr Box kMacroHeading = Rect(469, 160, 578, 181);
constexpr Box kSelectMacroHeading = Rect(457, 196, 592, 220);
constexpr Box kSequenceHeading = Rect(591, 196, 726, 220);
constexpr Box kRecordHeading = Rect(725, 196, 875, 220);
constexpr Box kNew = Rect(513, 528, 618, 549);
constexpr Box kDelete = Rect(617, 528, 722, 549);
constexpr Box kConfirm = Rect(721, 528, 826, 549);
// The macro section's controls, from the program's own layout.
constexpr Box kStartRecording = FromRect(macro_layout::kStartRecording);
constexpr Box kStopRecording = FromRect(macro_layout::kStopRecording);
constexpr Box kMouseEventBox = FromRect(macro_layout::kMouseEventBox);
constexpr Box kMacroNameList = FromRect(macro_layout::kNameList);
constexpr Box kMacroNameCaption = FromRect(macro_layout::kNameCaption);
constexpr Box kMacroNameEdit = FromRect(macro_layout::kNameEdit);
constexpr Box kEventList = FromRect(macro_layout::kEventList);
constexpr Box kStartNote = FromRect(macro_layout::kStartNote);
constexpr Box kStopNote = FromRect(macro_layout::kStopNote);
constexpr Box kLoopCaption = FromRect(macro_layout::kLoopCaption);
constexpr Box kLoopEdit = FromRect(macro_layout::kLoopEdit);
constexpr Box kMouseEventCaption = FromRect(macro_layout::kMouseEventCaption);

// Every key-function dialog and the skins dialog.
constexpr int kDialogWidth = 400;
constexpr int kDialogHeight = 300;
constexpr int kTallDialogHeight = 320;  // the Windows-function list reaches down to 306
constexpr Box kDialogClose = Rect(352, 6, 370, 24);
constexpr Box kDialogOk = Rect(166, 253, 271, 274);
constexpr Box kDialogCancel = Rect(270, 253, 375, 274);
constexpr Box kSingleKeyField = Rect(73, 128, 151, 144);
constexpr Box kSingleKeyPrompt = Rect(23, 108, 201, 124);
constexpr Box kNarrowNameZone = Rect(49, 69, 132, 85);  // combo and fire-key pick lists
constexpr float kNarrowNameRight = 117;
constexpr Box kUpperEntry = Rect(50, 120, 131, 134);
constexpr Box kLowerEntry = Rect(50, 170, 131, 184);
constexpr Box kDelayBox = Rect(74, 129, 150, 143);
constexpr Box kWideNameZone = Rect(42, 128, 151, 144);  // media, Windows, macro and skins
constexpr float kWideNameRight = 136;
constexpr Box MacroModeTick(int n) {
  return Rect(220, 78 + 50 * n, 236, 94 + 50 * n);
}
constexpr Box kSkinSwatch = Rect(42, 94, 151, 110);

}  // namespace vx::skingen::layout
