#include "app/control_colours.h"
#include "app/hid_mouse_dlg.h"
#include "app/main_controls.h"
#include "common/text_format.h"
#include "device/full_apply.h"
#include "dialogs/skins_dialog.h"
#include "layout/main_window.h"
#include "pages/pointer_settings.h"

namespace vx {

namespace {

constexpr uint32_t kHoverTimeMs = 10;

// The shell opens a bare "www." address only with its scheme.
std::wstring UrlOf(const std::wstring& address) {
  return address.find(L"://") == std::wstring::npos ? L"http://" + address : address;
}

}  // namespace

void CHidMouseDlg::OpenWebAddress() {
  ports_.windows.OpenUrl(UrlOf(texts_->web_address));
}

// The hot spots are tested in this order; the first ones let the click go on to the next tests.
bool CHidMouseDlg::OnLButtonDown(Point p) {
  using namespace main_layout;
  WindowSystem& windows = ports_.windows;
  if (kOk.Contains(p) && link_.DeviceReady()) {
    ApplyAndSnapshot();
    windows.ShowWindow(window(), false);
  }
  if (kApply.Contains(p) && link_.DeviceReady()) ApplyAndSnapshot();
  if (kSkins.Contains(p)) ChooseSkin();
  if (kWebTitleBar.Contains(p)) {
    OpenWebAddress();
    return false;
  }
  if (kMinimise.Contains(p)) {
    windows.ShowWindow(window(), false);
    return false;
  }
  if (kClose.Contains(p)) {
    Exit();
    return true;
  }
  if (kPreviousPage.Contains(p)) {
    ShowBasicPage();
    return false;
  }
  if (kNextPage.Contains(p)) {
    ShowAdvancedPage();
    return false;
  }
  if (kCancel.Contains(p)) {
    CancelChanges();
    windows.ShowWindow(window(), false);
  }
  if (kWebText.Contains(p)) {
    OpenWebAddress();
    return false;
  }
  // OK and Cancel hide the window and let the click go on; a drag of the hidden window would only
  // leave the system's move loop waiting for the pointer and swallowing the next key.
  if (!DispatchPageClick(p) && windows.IsWindowVisible(window())) {
    windows.BeginCaptionDrag(window(), p);
  }
  return false;
}

void CHidMouseDlg::CloseListsOutside(Point p) {
  for (PageSection* section : SectionsOf(state_.current_page)) section->CloseListsOutside(p);
}

bool CHidMouseDlg::DispatchPageClick(Point p) {
  CloseListsOutside(p);
  for (PageSection* section : SectionsOf(state_.current_page)) {
    if (section->OnClick(p)) return true;
  }
  return false;
}

// "Default" wrote its texts to str.ini at once: they go back with the record.
void CHidMouseDlg::CancelChanges() {
  const bool texts_changed = settings_.key_texts != settings_.key_texts_snapshot;
  settings_.RestoreSnapshot();
  if (texts_changed) str_ini_->SaveKeyTexts(texts_->key_text_section, settings_.key_texts);
  state_.page_needs_rebuild = true;
}

// The new skin and colour are the page's at once; "/main.png" of the old skin stays until the
// next start.
void CHidMouseDlg::ChooseSkin() {
  CSkinsDialog dialog(DialogContext());
  if (dialog.DoModal(window()) != kIdOk) return;
  state_.skin_dir = dialog.skin_dir();
  state_.skin_name = dialog.skin_name();
  state_.ui_text_colour = dialog.colour();
  const Rgb colour = dialog.colour();
  str_ini_->SaveSkin({colour.red, colour.green, colour.blue}, state_.skin_name);
  RebuildCurrentPage();
  ports_.windows.BringToForeground(window());
  ports_.windows.ShowWindow(window(), true);
}

// The user's choices are saved whatever the mouse did; the snapshot is taken only when all of
// them reached the mouse. An apply that stopped is told, and the link is checked again, so a
// mouse that is gone shows as missing.
void CHidMouseDlg::ApplyAndSnapshot() {
  const ApplyResult result =
      FullApply(device_.commands(), image_, link_, ports_.pause)
          .ApplyAllSettings(settings_.current, [this] {
            config_.Save(paths_.config_bin, settings_);
            str_ini_->SaveKeyTexts(texts_->key_text_section, settings_.key_texts);
          });
  ApplyPointerSettings(settings_.current, ports_.pointer, messages_);
  if (result.complete()) {
    settings_.TakeSnapshot();
    ports_.windows.DebugTrace(L"applied");
    return;
  }
  ports_.windows.DebugTrace(L"apply stopped at " + Widen(DescribeCommand(*result.failed_command)));
  messages_.ShowMessage(texts_->mouse_not_answering, L"Warning");
  device_.Connect();
}

std::vector<SkinControl> CHidMouseDlg::HoverControls() const {
  std::vector<SkinControl> controls = MainWindowControls(*texts_);
  for (const PageSection* section : SectionsOf(state_.current_page)) {
    for (const SkinControl& control : section->HoverControls()) controls.push_back(control);
  }
  return controls;
}

bool CHidMouseDlg::OnMouseMove(Point p) {
  SkinPainter painter = Painter();
  bool drawn = false;
  const auto draw = [&](const SkinControl& control, bool over) {
    DrawSkinControl(painter, control, over, fonts_.normal);
    drawn = true;
  };
  if (hover_.OnMouseMove(HoverControls(), p, draw)) {
    ports_.windows.TrackMouse(window(), true, true, kHoverTimeMs);
  }
  if (drawn) painter.Present();
  return false;
}

bool CHidMouseDlg::OnMouseHover(Point p) {
  SkinPainter painter = Painter();
  const auto draw = [&](const SkinControl& control, bool over) {
    DrawSkinControl(painter, control, over, fonts_.normal);
  };
  if (hover_.OnMouseHover(HoverControls(), p, draw)) painter.Present();
  return false;
}

bool CHidMouseDlg::PreTranslateMessage(const Message& message) {
  // A click on a list or another child control never reaches the click handler; the lists it
  // is not in close all the same.
  if (message.id == kMsgLButtonDown && message.window != window()) {
    CloseListsOutside(ports_.windows.ScreenToClient(window(), message.cursor));
  }
  for (PageSection* section : SectionsOf(state_.current_page)) {
    if (section->PreTranslate(message)) return true;
  }
  if (IsPlainKeyDown(message.id, message.lparam) &&
      (message.wparam == kKeyReturn || message.wparam == kKeyEscape)) {
    ports_.windows.ShowWindow(window(), false);
    return true;
  }
  return false;
}

std::optional<ControlColours> CHidMouseDlg::OnControlColour(ControlKind kind, int id) {
  return MainWindowControlColours(kind, id, state_.ui_text_colour, settings_.current.dpi_colour,
                                  fonts_.normal);
}

}  // namespace vx
