#include "tools/skingen/preview_parts.h"

#include <functional>

#include "tools/skingen/layout.h"
#include "tools/skingen/raster.h"

namespace vx::skingen {
namespace {

const Rgba kWhite = Rgb8(255, 255, 255);
const Rgba kControlBrush = Rgb8(40, 40, 40);
constexpr int kGap = 12;

void Field(Pixmap& d, Box box, const char* text, Align align = Align::kCentre) {
  DrawChild(d, box, kControlBrush);
  DrawLabel(d, box.Inset(3, 0), text, align, kWhite, 6);
}

void Say(Pixmap& d, Box box, const char* text, Align align = Align::kCentre) {
  DrawLabel(d, box, text, align, kWhite, 6);
}

void SingleKey(Pixmap& d) {
  Say(d, layout::kSingleKeyPrompt, "Please enter a key");
  Field(d, layout::kSingleKeyField, "A");
}

void StackedEntries(Pixmap& d, const char* name, const char* upper, const char* lower) {
  Field(d,
        {layout::kNarrowNameZone.left, layout::kNarrowNameZone.top, layout::kNarrowNameRight,
         layout::kNarrowNameZone.bottom},
        name);
  Field(d, layout::kUpperEntry, upper);
  Field(d, layout::kLowerEntry, lower);
}

void ComboKey(Pixmap& d) {
  StackedEntries(d, "Left Ctrl", "C", "");
}

void FireKey(Pixmap& d) {
  StackedEntries(d, "A", "32", "1");
  Say(d, Rect(10, 100, 171, 120), "Speed");
  Say(d, Rect(10, 150, 171, 170), "Times");
  Say(d, Rect(15, 192, 390, 208), "Speed (value range 5-255, smaller is faster)", Align::kLeft);
  Say(d, Rect(15, 222, 390, 234), "Times (value range 0-255, 0 ends when the", Align::kLeft);
  Say(d, Rect(15, 234, 390, 246), "key is released)", Align::kLeft);
}

void DelayTime(Pixmap& d) {
  Say(d, Rect(14, 89, 210, 109), "Please enter a delay");
  Say(d, Rect(14, 109, 210, 129), "(value range 20-10000)");
  Field(d, layout::kDelayBox, "50");
}

void NamePick(Pixmap& d, const char* name) {
  Field(d,
        {layout::kWideNameZone.left, layout::kWideNameZone.top, layout::kWideNameRight,
         layout::kWideNameZone.bottom},
        name, Align::kLeft);
}

void MacroKey(Pixmap& d, const std::vector<SkinImage>& skin) {
  Say(d, Rect(-8, 112, 201, 128), "Please select a macro");
  NamePick(d, "Reload");
  Put(d, skin, "PaneMakingTick.png", layout::MacroModeTick(0));
  const char* modes[][2] = {{"Repeat a number of times", "or press any key to end"},
                            {"Repeat until any key", "is pressed"},
                            {"Repeat until the key", "is released"}};
  for (int n = 0; n < 3; ++n) {
    const Box tick = layout::MacroModeTick(n);
    Say(d, {tick.right + 4, tick.top - 6, 390, tick.top + 6}, modes[n][0], Align::kLeft);
    Say(d, {tick.right + 4, tick.top + 8, 390, tick.top + 20}, modes[n][1], Align::kLeft);
  }
}

void Skins(Pixmap& d) {
  DrawLabel(d, Rect(12, 64, 181, 94), "Please click to set the UI text color", Align::kCentre,
            UiTextColour(), 5);
  DrawChild(d, layout::kSkinSwatch, UiTextColour());
  NamePick(d, "Emerald");
}

void ListOf(Pixmap& d, Box box, const std::vector<const char*>& items) {
  DrawChild(d, box, kControlBrush);
  for (size_t n = 0; n < items.size(); ++n) {
    const float top = box.top + 1 + 14 * static_cast<float>(n);
    DrawLabel(d, {box.left + 3, top, box.right, top + 14}, items[n], Align::kLeft, kWhite, 6);
  }
}

void Profiles(Pixmap& d, const std::vector<SkinImage>& skin) {
  Say(d, layout::kProfilesHeading, "Profiles");
  Say(d, layout::kProfileNameHeading, "Name");
  Say(d, layout::kProgramsHeading, "Programs");
  ListOf(d, layout::kProfileList, {"Arena", "Desktop (active)", "shooter"});
  Field(d, layout::kProfileNameEdit, "shooter", Align::kLeft);
  ListOf(d, layout::kProgramList, {"game.exe", "aim.exe"});
  const std::pair<Box, const char*> buttons[] = {
      {layout::kProfileNew, "New"},          {layout::kProfileRename, "Rename"},
      {layout::kProfileDelete, "Delete"},    {layout::kProfileImport, "Import..."},
      {layout::kProfileExport, "Export..."}, {layout::kAddProgram, "Add..."},
      {layout::kRemoveProgram, "Remove"}};
  for (const auto& [box, label] : buttons) PutButton(d, skin, box, label, false);
}

Pixmap Dialog(const std::vector<SkinImage>& skin, const std::string& file,
              const std::function<void(Pixmap&)>& contents, bool hover_ok) {
  Pixmap d = Find(skin, file);
  PutButton(d, skin, layout::kDialogOk, "OK", hover_ok);
  PutButton(d, skin, layout::kDialogCancel, "Cancel", false);
  Put(d, skin, "button-close-normal.png", layout::kDialogClose);
  contents(d);
  return d;
}

}  // namespace

Pixmap DialogsPreview(const std::vector<SkinImage>& skin) {
  const std::vector<Pixmap> dialogs = {
      Dialog(skin, "single-key.png", SingleKey, true),
      Dialog(skin, "combo-key.png", ComboKey, false),
      Dialog(skin, "fire-key.png", FireKey, false),
      Dialog(skin, "delay-time.png", DelayTime, false),
      Dialog(
          skin, "media-key.png", [](Pixmap& d) { NamePick(d, "Next"); }, false),
      Dialog(
          skin, "windows-key.png", [](Pixmap& d) { NamePick(d, "Multimedia Player"); }, false),
      Dialog(
          skin, "macro-key.png", [&](Pixmap& d) { MacroKey(d, skin); }, false),
      Dialog(skin, "skins.png", Skins, false),
      Dialog(
          skin, "profiles.png", [&](Pixmap& d) { Profiles(d, skin); }, false)};
  const int rows = static_cast<int>(dialogs.size() + 3) / 4;
  Pixmap sheet = Filled(4 * (layout::kDialogWidth + kGap) + kGap,
                        rows * (layout::kTallDialogHeight + kGap) + kGap, Rgb8(60, 60, 60));
  for (size_t i = 0; i < dialogs.size(); ++i) {
    const int column = static_cast<int>(i % 4);
    const int row = static_cast<int>(i / 4);
    sheet.Draw(dialogs[i], kGap + column * (layout::kDialogWidth + kGap),
               kGap + row * (layout::kTallDialogHeight + kGap));
  }
  return sheet;
}

}  // namespace vx::skingen
