#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "dialogs/dialog_texts.h"
#include "ui/canvas.h"
#include "ui/dialog.h"
#include "ui/hover_tracker.h"
#include "ui/skin_painter.h"
#include "ui/skinned_dialog_context.h"

namespace vx {

// The frame every key-function dialog shares: a captionless popup at the owner's client origin,
// sized and drawn by its background image from the current skin, with painted close, OK and
// Cancel zones that show their over images after the pointer rests on them for 10 ms.
class SkinnedDialog : public Dialog {
 public:
  struct Frame {
    int template_id = 0;
    const wchar_t* background = L"";  // the image name, "/single-key.png" and so on
    const wchar_t* failure_title = L"";
  };
  // The child controls that take the dialog's white on dark grey; the "background" ones also set
  // it as their text background, for controls that draw their text opaquely.
  struct ColourRules {
    bool edits = false;
    bool edit_background = false;
    bool lists = false;
    bool list_background = false;
    bool statics = false;
  };

  SkinnedDialog(const SkinnedDialogContext& context, Frame frame, ColourRules colours);

  bool OnInitDialog() final;
  bool OnEraseBackground() override;
  bool OnScaleChanged() override;
  bool OnLButtonDown(Point p) override;
  bool OnMouseMove(Point p) override;
  bool OnMouseHover(Point p) override;
  bool OnCommand(int id, int code) override;
  std::optional<ControlColours> OnControlColour(ControlKind kind, int id) override;
  // Enter and Escape end the dialog also when no control has the focus and they come as system
  // keys, which the dialog manager does not look at.
  bool PreTranslateMessage(const Message& message) override;

  bool has_background() const { return background_ != nullptr; }

 protected:
  // The dialog's own controls and its last step of the initialisation; false when that step
  // failed (the dialog stays open all the same).
  virtual bool InitContent() = 0;
  // The dialog's own texts, drawn over the background on every painting in their colour.
  virtual void DrawOwnTexts(SkinPainter&) {}
  virtual Rgb OwnTextColour() const { return kWhite; }
  // A click that the close, OK and Cancel zones do not end the dialog with.
  virtual void OnContentClick(Point) {}
  // Drawn buttons of the dialog's own, shown hovered as the frame's are; clicks on them come to
  // OnContentClick.
  virtual std::vector<SkinControl> OwnButtons() const { return {}; }
  // Closes open lists that the click is not in; runs before the zones are tested.
  virtual void CloseListsOutside(Point) {}
  // Runs before OK ends the dialog, to take what is still being typed.
  virtual void Accept() {}

  // A child control in the dialog's font.
  WindowHandle CreateChild(ControlSpec spec);
  // Draws into the background, so the dialog's look survives every repaint.
  SkinPainter Painter(Rgb text_colour);
  void Present();

  const SkinnedDialogContext& context() const { return context_; }
  const DialogTexts& texts() const { return texts_; }
  static constexpr Rgb kWhite{255, 255, 255};
  // OK and Cancel's hover group, for own buttons that are never hovered together with them.
  static constexpr int kButtonGroup = 1;

 private:
  std::vector<SkinControl> Zones() const;
  void DrawZone(SkinPainter& painter, const SkinControl& zone, bool over);
  void Finish(int result);

  SkinnedDialogContext context_;
  Frame frame_;
  ColourRules colours_;
  const DialogTexts& texts_;
  std::unique_ptr<Canvas> background_;
  HoverTracker hover_;
};

}  // namespace vx
