#include "app/hid_mouse_dlg.h"

#include "app/balloons.h"
#include "app/language_choice.h"
#include "common/text_format.h"
#include "ui/background_canvas.h"
#include "ui/skin_folders.h"

namespace vx {

namespace {

// Above every button and list image at twice the size, below every background.
constexpr size_t kImageBytesKeptWhileHidden = 256 * 1024;
// Long enough for the pointer to rest on the icon and then click.
constexpr uint32_t kPreparedLookMs = 5000;

bool IsTrayMouseMessage(intptr_t lparam) {
  return lparam >= kMsgMouseFirst && lparam <= kMsgMouseLast;
}

std::wstring FileNameOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"/\\");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}  // namespace

CHidMouseDlg::CHidMouseDlg(const AppPorts& ports, MainWindowOptions options)
    : Dialog(ports.windows, DialogTemplate{700, true, false}),
      ports_(ports),
      options_(options),
      messages_(ports.windows),
      failed_saves_(FailedSaves::ShownIn(
          messages_, [this](uint32_t error) { return ports_.system.ErrorText(error); })),
      diagnostics_(ports.windows),
      link_host_(ports.windows),
      device_({ports.hid, link_host_, messages_, diagnostics_, ports.pause}, link_, image_),
      module_path_(ports.system.ModulePath()),
      setup_files_(ports.files, ports.profile, messages_, failed_saves_, diagnostics_,
                   DeriveDataPaths(module_path_)),
      texts_(&LanguageTextFor(L"")),
      drawer_(ports.images, true),
      profiles_(ports.files, setup_files_.paths().profiles),
      switcher_(ports.clock, ports.foreground, FileNameOf(module_path_)) {
  AddSection(kBasicPage, key_page_);
  AddSection(kBasicPage, report_rate_section_);
  AddSection(kBasicPage, dpi_section_);
  AddSection(kBasicPage, lighting_section_);
  AddSection(kAdvancedPage, pointer_section_);
  AddSection(kAdvancedPage, macro_section_);
}

CHidMouseDlg::~CHidMouseDlg() {
  device_.reader().Stop();
}

bool CHidMouseDlg::OnInitDialog() {
  FailedSaves::Action action(failed_saves_);
  WindowSystem& windows = ports_.windows;
  if (!ports_.system.CreateInstanceMutex(kInstanceMutexName)) {
    ports_.system.ExitProcess(0);
    return false;
  }
  windows.SetWindowIcons(window());
  windows.MakeToolWindow(window());
  messages_.set_owner(window());
  link_host_.set_window(window());
  link_host_.set_hide([this] { HideWindow(); });
  // The tip and the balloons of the start-up already speak the user's language.
  LoadLanguage();
  windows.AddTrayIcon(window(), texts_->tray_tip);
  windows.DebugTrace(L"tray icon added");
  if (!device_.StartUp()) return FailStartUp();
  if (!windows.RegisterDeviceNotifications(window())) {
    messages_.ShowMessage(L"RegisterDeviceNotification failed!!!");
    return FailStartUp();
  }
  LoadSettings();
  SetUpProfiles();
  skin_keys_ = setup_files_.str_ini().LoadSkinKeys();
  if (!LoadSkin()) return FailStartUp();
  windows.DebugTrace(L"initialised");
  if (link_.DeviceReady()) EnsureFirstTimeSetUp();
  // The skin's image gave the window its size; the look is built when it is first shown. The page
  // drawn once now leaves its buttons' images decoded for that first show.
  DrawPage(state_.shown_page);
  ReleaseLook();
  if (options_.show_on_start) windows.PostToWindow(window(), kMsgTrayNotify, kTrayIconId, kMsgLButtonUp);
  return true;
}

bool CHidMouseDlg::FailStartUp() {
  CloseEverything();
  ports_.windows.DebugTrace(L"exit 1");
  ports_.system.ExitProcess(1);
  return false;
}

// Without a language in str.ini (the first start of a download) the program speaks the display
// language of Windows, and keeps it.
void CHidMouseDlg::LoadLanguage() {
  std::wstring code = setup_files_.str_ini().LanguageCode();
  if (code.empty()) {
    code = LanguageCodeForDisplayLanguage(ports_.system.DisplayLanguage());
    setup_files_.str_ini().SaveLanguageCode(code);
  }
  UseLanguage(code);
}

// A damaged config.bin never reaches the mouse: the page shows the factory settings, which the
// next Apply sends, and the user hears of it once.
void CHidMouseDlg::LoadSettings() {
  const ConfigLoad load = setup_files_.Load(settings_);
  if (load.outcome == ConfigLoad::Outcome::kDamaged) {
    ports_.windows.DebugTrace(L"config.bin damaged, kept as " + load.kept_as);
    std::wstring text = texts_->config_damaged;
    if (!load.kept_as.empty()) {
      text += L"\n" + ReplaceEvery(texts_->damaged_file_kept, L"{}", FileNameOf(load.kept_as));
    }
    messages_.ShowMessage(text);
  }
}

std::wstring CHidMouseDlg::SkinsRoot() const {
  return ReplaceEvery(module_path_, kProgramFileName, L"") + L"/Skins";
}

// A skin that cannot be drawn would leave a window of no size and no way to the skins dialog:
// the first skin that can be drawn takes its place, in str.ini too, so the user hears of it once.
bool CHidMouseDlg::LoadSkin() {
  const std::wstring& wanted = skin_keys_.path;
  for (const std::wstring& skin : StartSkinCandidates(ports_.files, SkinsRoot(), wanted)) {
    BackgroundCanvas background = LoadBackground(ports_.windows, window(), ports_.images,
                                                 SkinsRoot() + L"/" + skin + L"/main.png");
    if (!background.canvas) continue;
    if (skin != wanted) {
      ports_.windows.DebugTrace(L"skin " + wanted + L" replaced by " + skin);
      messages_.ShowMessage(
          ReplaceEvery(ReplaceEvery(texts_->skin_replaced, L"{old}", wanted), L"{new}", skin));
      setup_files_.str_ini().SaveSkinPath(skin);
    }
    UseSkin(skin, std::move(background));
    return true;
  }
  messages_.ShowMessage(texts_->program_folder_damaged);
  return false;
}

void CHidMouseDlg::UseSkin(const std::wstring& name, BackgroundCanvas background) {
  state_.skin_name = name;
  state_.skin_dir = SkinsRoot() + L"/" + name;
  ports_.windows.ResizeWindow(window(), background.width, background.height);
  state_.window_width = background.width;
  state_.window_height = background.height;
  background_ = std::move(background.canvas);
  const std::array<uint8_t, 3> colour = UiTextColourFrom(skin_keys_);
  state_.ui_text_colour = Rgb{colour[0], colour[1], colour[2]};
}

bool CHidMouseDlg::OnEraseBackground() {
  if (background_) ports_.windows.PresentCanvas(window(), *background_);
  return true;
}

// The controls already stand at their new places; only the canvas is made and drawn again, so a
// dialog running inside a page's handler keeps its page. A hidden window has no look: it is
// built at the new scale when it is next shown.
bool CHidMouseDlg::OnScaleChanged() {
  if (!background_) return true;
  background_ = LookCanvas(state_.current_page);
  hover_ = {};
  if (state_.current_page != kNoPage) DrawPage(state_.current_page);
  Painter().Present();
  return true;
}

bool CHidMouseDlg::OnPaint() {
  if (!ports_.windows.IsIconic(window())) return false;
  ports_.windows.DrawIconCentred(window());
  return true;
}

bool CHidMouseDlg::OnNcPaint() {
  if (state_.hide_counter <= 0) return false;
  --state_.hide_counter;
  ports_.windows.ShowWindow(window(), false);
  return true;
}

bool CHidMouseDlg::OnClose() {
  HideWindow();
  return true;
}

void CHidMouseDlg::HideWindow() {
  ports_.windows.ShowWindow(window(), false);
  ReleaseLook();
}

void CHidMouseDlg::ReleaseLook() {
  if (state_.current_page != kNoPage) {
    for (PageSection* section : SectionsOf(state_.current_page)) section->DestroyControls();
    state_.shown_page = state_.current_page;
    state_.current_page = kNoPage;
  }
  background_.reset();
  drawer_.ForgetLargerThan(kImageBytesKeptWhileHidden);
  hover_ = {};
}

void CHidMouseDlg::BuildLook() {
  if (!background_) background_ = LookCanvas(state_.shown_page);
  ShowPage(state_.shown_page);
}

void CHidMouseDlg::CloseEverything() {
  if (closed_) return;
  closed_ = true;
  device_.Shutdown();
  ports_.windows.DeleteTrayIcon(window());
}

void CHidMouseDlg::OnDestroy() {
  CloseEverything();
}

// The reader thread is left to the end of the process.
void CHidMouseDlg::Exit() {
  CloseEverything();
  ports_.windows.DebugTrace(L"exit 0");
  ports_.system.ExitProcess(0);
}

bool CHidMouseDlg::OnCommand(int id, int code) {
  FailedSaves::Action action(failed_saves_);
  if (id == kTrayExitCommand) {
    Exit();
    return true;
  }
  if (OnTrayCommand(id)) return true;
  // Enter, Escape and the close command never end the main window.
  if (code == 0 && (id == kIdOk || id == kIdCancel)) return true;
  for (PageSection* section : SectionsOf(state_.current_page)) {
    if (section->OnCommand(id, code)) return true;
  }
  return false;
}

bool CHidMouseDlg::OnListNotification(int id, int code, WindowHandle list) {
  FailedSaves::Action action(failed_saves_);
  for (PageSection* section : SectionsOf(state_.current_page)) {
    if (section->OnListNotification(id, code, list)) return true;
  }
  return false;
}

bool CHidMouseDlg::OnDeviceChange(uint32_t event, const DeviceBroadcast* broadcast) {
  FailedSaves::Action action(failed_saves_);
  device_.OnDeviceChange(event, broadcast);
  SendPendingProfile();
  return true;
}

// The tray's and the mouse's messages share their values with the dialog manager's DM_SETDEFID
// and DM_REPOSITION: only the ones that carry the icon or a notification code are ours, the
// rest go on to the default handling.
std::optional<intptr_t> CHidMouseDlg::OnUserMessage(uint32_t id, uintptr_t wparam,
                                                    intptr_t lparam) {
  FailedSaves::Action action(failed_saves_);
  if (id == kMsgMouseNotify && IsNotifyCode(static_cast<uint32_t>(wparam))) {
    ShowBalloon(static_cast<uint32_t>(wparam), static_cast<uint32_t>(lparam));
    return 0;
  }
  if (id == kMsgTrayNotify && wparam == kTrayIconId && IsTrayMouseMessage(lparam)) {
    OnTrayMessage(lparam);
    return 0;
  }
  // The shell started again (or late, at log-on): the icon is the only way to the program.
  if (id == kMsgTaskbarCreated) {
    ports_.windows.AddTrayIcon(window(), texts_->tray_tip);
    return 0;
  }
  for (PageSection* section : SectionsOf(state_.current_page)) {
    if (const auto answer = section->OnUserMessage(id, wparam, lparam)) return answer;
  }
  return std::nullopt;
}

void CHidMouseDlg::ShowBalloon(uint32_t code, uint32_t value) {
  const std::optional<Balloon> balloon =
      BalloonForNotification(code, value, *texts_, settings_.current.record.dpi_index, link_.sensor_type);
  if (!balloon) return;
  ports_.windows.DebugTrace(L"balloon " + balloon->title + L": " + balloon->text);
  ports_.windows.ShowTrayBalloon(window(), balloon->text, balloon->title, balloon->timeout_ms);
}

void CHidMouseDlg::OnTrayMessage(intptr_t mouse_message) {
  if (mouse_message == kMsgLButtonUp || mouse_message == kMsgLButtonDoubleClick) {
    OnTrayClick();
  } else if (mouse_message == kMsgRButtonUp) {
    ShowTrayMenu();
  } else if (mouse_message == kMsgMouseMove) {
    PrepareLookOnHover();
  }
}

void CHidMouseDlg::PrepareLookOnHover() {
  if (ports_.windows.IsWindowVisible(window()) || !state_.first_time_set_up ||
      DialogOverMainWindow() != kNoWindow) {
    return;
  }
  BuildLook();
  ports_.windows.SetTimer(window(), kPreparedLookTimer, kPreparedLookMs);
}

// A dialog from the tray over the hidden window keeps the look until it ends.
void CHidMouseDlg::ReleasePreparedLook() {
  if (DialogOverMainWindow() != kNoWindow) return;
  ports_.windows.KillTimer(window(), kPreparedLookTimer);
  if (!ports_.windows.IsWindowVisible(window())) ReleaseLook();
}

WindowHandle CHidMouseDlg::DialogOverMainWindow() const {
  const WindowHandle dialog = ports_.windows.InnermostModalWindow();
  return dialog == window() ? kNoWindow : dialog;
}

void CHidMouseDlg::OnTrayClick() {
  // A dialog runs inside a handler of the page: rebuilding the page under it would pull the
  // page out from under that handler.
  if (const WindowHandle dialog = DialogOverMainWindow(); dialog != kNoWindow) {
    ports_.windows.BringToForeground(dialog);
    return;
  }
  if (!link_.DeviceReady()) {
    ports_.windows.SendToWindow(window(), kMsgMouseNotify, kNotifyMouseMissing, 0);
    return;
  }
  ports_.windows.DebugTrace(L"tray click");
  EnsureFirstTimeSetUp();
  BuildLook();
  ports_.windows.KillTimer(window(), kPreparedLookTimer);
  // However many non-client paints the start-up produced, a click on the icon shows the window.
  state_.hide_counter = 0;
  ports_.windows.BringToForeground(window());
  ports_.windows.ShowWindow(window(), true);
  ports_.windows.DebugTrace(L"shown");
}

// Switching to the other page first makes ClearPage remove this page's own controls; passing
// through no page lets the builder, which does nothing for the current page, build it again.
void CHidMouseDlg::RebuildCurrentPage() {
  if (state_.current_page == kBasicPage) {
    state_.current_page = kAdvancedPage;
    ClearPage();
    state_.current_page = kNoPage;
    ShowBasicPage();
  } else if (state_.current_page == kAdvancedPage) {
    state_.current_page = kBasicPage;
    ClearPage();
    state_.current_page = kNoPage;
    ShowAdvancedPage();
  }
}

}  // namespace vx
