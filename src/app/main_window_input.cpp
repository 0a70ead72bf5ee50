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
  FailedSaves::Action action(failed_saves_);
  using namespace main_layout;
  WindowSystem& windows = ports_.windows;
  if (kOk.Contains(p) && link_.DeviceReady()) {
    ApplyAndSnapshot([this] { SaveSetup(); });
    HideWindow();
  }
  if (kApply.Contains(p) && link_.DeviceReady()) ApplyAndSnapshot([this] { SaveSetup(); });
  if (kSkins.Contains(p)) ChooseSkin();
  if (kProfiles.Contains(p)) EditProfiles();
  if (kWebTitleBar.Contains(p)) {
    OpenWebAddress();
    return false;
  }
  if (kMinimise.Contains(p)) {
    HideWindow();
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
    HideWindow();
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

// The pointer section's "Default" (or an apply that stopped) set Windows' pointer settings: they
// go back with the setup, so the page and Windows agree.
void CHidMouseDlg::CancelChanges() {
  settings_.RestoreSnapshot();
  if (settings_.pointer_changed_since_snapshot) {
    ApplyPointerSettings(settings_.current.record, ports_.pointer, messages_);
    settings_.pointer_changed_since_snapshot = false;
  }
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
  setup_files_.str_ini().SaveSkin({colour.red, colour.green, colour.blue}, state_.skin_name);
  RebuildCurrentPage();
  ports_.windows.BringToForeground(window());
  ports_.windows.ShowWindow(window(), true);
}

// The user's choices are saved whatever the mouse did; the snapshot is taken only when all of
// them reached the mouse. An apply that stopped is told, and the link is checked again, so a
// mouse that is gone shows as missing.
//
// A record the mouse must not get is a fault of ours: nothing is sent or saved, and the user is
// asked to tell us.
void CHidMouseDlg::ApplyAndSnapshot(const std::function<void()>& save) {
  const ApplyResult result = FullApply(device_.commands(), image_, link_, ports_.pause)
                                 .ApplyAllSettings(settings_.current.record, save);
  if (result.refused) {
    ports_.windows.DebugTrace(L"apply refused: " + Widen(*result.refused));
    messages_.ShowMessage(L"The settings hold " + Widen(*result.refused) +
                              L", which the mouse must not get, so nothing was sent or saved. "
                              L"Please tell us about it.",
                          L"Warning");
    return;
  }
  ApplyPointerSettings(settings_.current.record, ports_.pointer, messages_);
  if (result.complete()) {
    settings_.TakeSnapshot();
    ports_.windows.DebugTrace(L"applied");
    return;
  }
  settings_.pointer_changed_since_snapshot = true;
  ports_.windows.DebugTrace(L"apply stopped at " + Widen(DescribeCommand(*result.failed_command)));
  messages_.ShowMessage(texts_->mouse_not_answering, L"Warning");
  device_.Connect();
}

void CHidMouseDlg::SaveSetup() {
  setup_files_.Save(settings_);
  SaveActiveProfile();
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
  FailedSaves::Action action(failed_saves_);
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
    HideWindow();
    return true;
  }
  return false;
}

std::optional<ControlColours> CHidMouseDlg::OnControlColour(ControlKind kind, int id) {
  return MainWindowControlColours(kind, id, state_.ui_text_colour, settings_.current.record.dpi_colour,
                                  fonts_.normal);
}

}  // namespace vx
