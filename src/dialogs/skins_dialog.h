#pragma once

#include <string>
#include <vector>

#include "dialogs/pick_list.h"
#include "dialogs/skinned_dialog.h"

namespace vx {

// The skins dialog behind the title bar's skins button: another skin folder and the colour of
// every interface text.
class CSkinsDialog : public SkinnedDialog {
 public:
  explicit CSkinsDialog(const SkinnedDialogContext& context);

  // Read after OK: what was chosen, or what was current when nothing was.
  const std::wstring& skin_dir() const { return skin_dir_; }
  const std::wstring& skin_name() const { return pick_list_.picked().text; }
  Rgb colour() const { return colour_; }

  bool PreTranslateMessage(const Message& message) override;
  bool OnListNotification(int id, int code, WindowHandle list) override;
  std::optional<ControlColours> OnControlColour(ControlKind kind, int id) override;

 private:
  bool InitContent() override;
  void DrawOwnTexts(SkinPainter& painter) override;
  Rgb OwnTextColour() const override { return context().text_colour; }
  void OnContentClick(Point p) override;
  void CloseListsOutside(Point p) override { pick_list_.CloseOutside(p); }
  // The folders under Skins that hold the images every page needs.
  std::vector<std::wstring> UsableSkins();

  PickList pick_list_;
  std::wstring skin_dir_;
  Rgb colour_;
  WindowHandle swatch_ = kNoWindow;
};

// The folder of a name among a listing, matched as the system matches names (A to Z in either
// case); nothing when none matches.
std::optional<std::wstring> MatchingFolder(const std::vector<std::wstring>& folders,
                                           const std::wstring& name);

}  // namespace vx
