#include "dialogs/skinned_dialog.h"

#include "layout/dialogs.h"
#include "ui/background_canvas.h"

namespace vx {

namespace {

constexpr Rect kCloseZone = dialog_layout::kClose;
// A click on the column that OK and Cancel share ends with OK, then with Cancel.
constexpr Rect kOkZone = dialog_layout::kOk;
constexpr Rect kCancelZone = dialog_layout::kCancel;
enum ZoneKey : int { kCloseKey = 1, kOkKey, kCancelKey };
constexpr uint32_t kHoverTimeMs = 10;
constexpr Rgb kControlGrey{40, 40, 40};
constexpr wchar_t kImageFailed[] = L"LoadPng---Load image failed.";

}  // namespace

SkinnedDialog::SkinnedDialog(const SkinnedDialogContext& context, Frame frame,
                             ColourRules colours)
    : Dialog(context.windows, DialogTemplate{frame.template_id, false, true}),
      context_(context),
      frame_(frame),
      colours_(colours),
      texts_(DialogTextsFor(context.language_code)) {}

bool SkinnedDialog::OnInitDialog() {
  context_.drawer.RecheckFiles();
  BackgroundCanvas background =
      LoadBackground(windows(), window(), context_.images, context_.skin_dir + frame_.background);
  // Sized before the check, so a missing image leaves a dialog of no size.
  windows().ResizeWindow(window(), background.width, background.height);
  background_ = std::move(background.canvas);
  if (!background_) {
    context_.messages.ShowMessage(L"error", frame_.failure_title);
    return false;
  }
  return InitContent();
}

WindowHandle SkinnedDialog::CreateChild(ControlSpec spec) {
  spec.font = context_.font;
  return windows().CreateControl(window(), spec);
}

SkinPainter SkinnedDialog::Painter(Rgb text_colour) {
  return SkinPainter(windows(), context_.drawer, window(), background_.get(), context_.skin_dir,
                     text_colour, [this] { context_.messages.ShowMessage(kImageFailed); });
}

void SkinnedDialog::Present() {
  if (background_) windows().PresentCanvas(window(), *background_);
}

std::vector<SkinControl> SkinnedDialog::Zones() const {
  std::vector<SkinControl> zones = {
      IconButton(kCloseKey, kCloseZone, L"/button-close", kGroupAlone),
      TextButton(kOkKey, kOkZone, texts_.ok, kButtonGroup),
      TextButton(kCancelKey, kCancelZone, texts_.cancel, kButtonGroup)};
  for (SkinControl& button : OwnButtons()) zones.push_back(std::move(button));
  return zones;
}

void SkinnedDialog::DrawZone(SkinPainter& painter, const SkinControl& zone, bool over) {
  DrawSkinControl(painter, zone, over, context_.font);
}

bool SkinnedDialog::OnEraseBackground() {
  if (background_) {
    SkinPainter painter = Painter(context_.text_colour);
    const std::vector<SkinControl> zones = Zones();
    DrawZone(painter, zones[1], false);
    DrawZone(painter, zones[2], false);
    for (size_t n = 3; n < zones.size(); ++n) DrawZone(painter, zones[n], false);
    SkinPainter own = Painter(OwnTextColour());
    DrawOwnTexts(own);
    DrawZone(painter, zones[0], false);
  }
  Present();
  return true;
}

bool SkinnedDialog::OnScaleChanged() {
  background_ =
      LoadBackground(windows(), window(), context_.images, context_.skin_dir + frame_.background)
          .canvas;
  hover_ = {};
  return OnEraseBackground();
}

// Every test runs: a click on the shared column ends with OK and then with Cancel.
bool SkinnedDialog::OnLButtonDown(Point p) {
  CloseListsOutside(p);
  if (kOkZone.Contains(p)) Finish(kIdOk);
  if (kCancelZone.Contains(p)) Finish(kIdCancel);
  if (kCloseZone.Contains(p)) Finish(kIdCancel);
  OnContentClick(p);
  return false;
}

bool SkinnedDialog::OnCommand(int id, int code) {
  if (code != 0 || (id != kIdOk && id != kIdCancel)) return false;
  Finish(id);
  return true;
}

// A dialog that could not show itself (its background is missing) has nothing to confirm: Enter
// ends it as Esc does.
bool SkinnedDialog::PreTranslateMessage(const Message& message) {
  if (message.id != kMsgSysKeyDown || !IsPlainKeyDown(message.id, message.lparam)) return false;
  if (message.wparam != kKeyReturn && message.wparam != kKeyEscape) return false;
  Finish(message.wparam == kKeyReturn ? kIdOk : kIdCancel);
  return true;
}

void SkinnedDialog::Finish(int result) {
  if (result == kIdOk && !background_) result = kIdCancel;
  if (result == kIdOk) Accept();
  EndDialog(result);
}

bool SkinnedDialog::OnMouseMove(Point p) {
  SkinPainter painter = Painter(context_.text_colour);
  bool drawn = false;
  const auto draw = [&](const SkinControl& zone, bool over) {
    DrawZone(painter, zone, over);
    drawn = true;
  };
  // The dialogs ask for the hover notification only, not for the leave one.
  if (hover_.OnMouseMove(Zones(), p, draw)) windows().TrackMouse(window(), true, false, kHoverTimeMs);
  if (drawn) Present();
  return false;
}

bool SkinnedDialog::OnMouseHover(Point p) {
  SkinPainter painter = Painter(context_.text_colour);
  const auto draw = [&](const SkinControl& zone, bool over) { DrawZone(painter, zone, over); };
  if (hover_.OnMouseHover(Zones(), p, draw)) Present();
  return false;
}

std::optional<ControlColours> SkinnedDialog::OnControlColour(ControlKind kind, int) {
  bool covered = false;
  bool with_background = false;
  switch (kind) {
    case ControlKind::kEdit:
      covered = colours_.edits;
      with_background = colours_.edit_background;
      break;
    case ControlKind::kListBox:
      covered = colours_.lists;
      with_background = colours_.list_background;
      break;
    case ControlKind::kStatic:
      covered = colours_.statics;
      break;
  }
  if (!covered) return std::nullopt;
  ControlColours colours{kWhite, true, std::nullopt, kControlGrey, context_.font};
  if (with_background) colours.background = kControlGrey;
  return colours;
}

}  // namespace vx
