#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/app_links.h"
#include "app/app_ports.h"
#include "app/app_state.h"
#include "app/tray_menu.h"
#include "macro/macro_section.h"
#include "pages/dpi_section.h"
#include "pages/key_page.h"
#include "pages/lighting_section.h"
#include "pages/pointer_section.h"
#include "pages/report_rate_section.h"
#include "profiles/profile_library.h"
#include "profiles/profile_switcher.h"
#include "profiles/profiles_dialog_host.h"
#include "device/device_image.h"
#include "device/device_link.h"
#include "device/link_state.h"
#include "settings/settings_store.h"
#include "setup/setup_files.h"
#include "ui/background_canvas.h"
#include "ui/canvas.h"
#include "ui/dialog.h"
#include "ui/hover_tracker.h"
#include "ui/fonts.h"
#include "ui/language_text.h"
#include "ui/page_context.h"
#include "ui/page_section.h"
#include "ui/skin_image.h"

namespace vx {

inline constexpr wchar_t kInstanceMutexName[] = L"QuarvelantideMutex";

struct MainWindowOptions {
  // After start-up, act as if the tray icon had been clicked.
  bool show_on_start = false;
};

enum MainWindowTimer : int { kProgramInFrontTimer = 1, kPreparedLookTimer = 2 };

// The main window: lives hidden behind its tray icon, opens the mouse, loads the settings,
// language and skin, shows the mouse's notifications as balloons and hosts the two pages, whose
// sections it builds over itself as their context.
class CHidMouseDlg : public Dialog, public PageContext, public ProfilesDialogHost {
 public:
  CHidMouseDlg(const AppPorts& ports, MainWindowOptions options);
  ~CHidMouseDlg() override;

  bool OnInitDialog() override;
  bool OnEraseBackground() override;
  bool OnScaleChanged() override;
  bool OnPaint() override;
  bool OnNcPaint() override;
  bool OnClose() override;
  void OnDestroy() override;
  bool OnLButtonDown(Point point) override;
  bool OnMouseMove(Point point) override;
  bool OnMouseHover(Point point) override;
  bool OnCommand(int id, int code) override;
  bool OnTimer(int id) override;
  bool OnListNotification(int id, int code, WindowHandle list) override;
  bool OnDeviceChange(uint32_t event, const DeviceBroadcast* broadcast) override;
  std::optional<intptr_t> OnUserMessage(uint32_t id, uintptr_t wparam, intptr_t lparam) override;
  std::optional<ControlColours> OnControlColour(ControlKind kind, int id) override;
  bool PreTranslateMessage(const Message& message) override;

  void ShowBasicPage() { ShowPage(kBasicPage); }
  void ShowAdvancedPage() { ShowPage(kAdvancedPage); }
  void ClearPage();

  // The sections plug into their page here.
  void AddSection(int32_t page, PageSection& section);
  // The drawn controls of the current page, the frame's first, in hit-test order.
  std::vector<SkinControl> HoverControls() const;

  AppState& state() { return state_; }
  LinkState& link() { return link_; }
  DeviceImage& image() { return image_; }
  Canvas* canvas() { return background_.get(); }

  // The sections' context.
  WindowSystem& window_system() override { return ports_.windows; }
  WindowHandle main_window() const override { return window(); }
  SettingsStore& settings() override { return settings_; }
  const LinkState& link() const override { return link_; }
  const LanguageText& texts() const override { return *texts_; }
  const MainFonts& fonts() const override { return fonts_; }
  SkinPainter Painter() override;
  MessagePort& messages() override { return messages_; }
  FailedSaves& failed_saves() override { return failed_saves_; }
  SkinnedDialogContext DialogContext() override;

  // The profiles dialog's host.
  const Profile& CurrentSetup() override { return settings_.current; }
  std::wstring ActiveProfile() override { return profile_keys_.active; }
  void ProfilesChanged(const std::wstring& renamed_from, const std::wstring& renamed_to) override;
  void UseProfile(const std::wstring& name) override { SwitchToProfile(name, true); }

 private:
  // Ends a start-up that cannot go on: nothing stays behind in the tray.
  bool FailStartUp();
  void LoadLanguage();
  // The language's texts, fonts and key-text section (main_window_language.cpp).
  void UseLanguage(const std::wstring& code);
  // From the tray, at once: the window, the tray tip and the menus speak it, and str.ini keeps it.
  void SwitchLanguage(const std::wstring& code);
  void CarryKeyTextsFrom(const std::wstring& code_before);
  void LoadSettings();
  // False when no skin under Skins can be drawn.
  bool LoadSkin();
  void UseSkin(const std::wstring& name, BackgroundCanvas background);
  // Program folder + "/Skins".
  std::wstring SkinsRoot() const;
  void ShowBalloon(uint32_t code, uint32_t value);
  void OnTrayMessage(intptr_t mouse_message);
  // The pointer on the icon comes a few hundred milliseconds before its click: the look is built
  // then, so the click only shows it. A look no click follows goes back after a while.
  void PrepareLookOnHover();
  void ReleasePreparedLook();
  // The modal dialog open over the main window, kNoWindow when there is none.
  WindowHandle DialogOverMainWindow() const;
  void OnTrayClick();
  void RebuildCurrentPage();
  // Hides the window and gives back what only its look needs (the canvas, the decoded skin
  // images, the page's controls): the program spends its day hidden in the tray.
  void HideWindow();
  void ReleaseLook();
  // The look again, on the page it showed last.
  void BuildLook();
  // The canvas the page is drawn onto: main.png, or blank under a page image that covers it.
  std::unique_ptr<Canvas> LookCanvas(int32_t page);
  void CloseEverything();
  void Exit();

  std::vector<std::wstring> MacroNames() const;
  void ShowPage(int32_t page);
  void EnsureFirstTimeSetUp();
  void DrawPage(int32_t page);
  // Sends the record; save stores the user's choices whatever the mouse did.
  void ApplyAndSnapshot(const std::function<void()>& save);
  // The three files and the active profile's file.
  void SaveSetup();
  void ChooseSkin();
  void CancelChanges();
  void OpenWebAddress();
  bool DispatchPageClick(Point point);
  void CloseListsOutside(Point point);
  const std::vector<PageSection*>& SectionsOf(int32_t page) const;

  // The profiles (main_window_profiles.cpp).
  void SetUpProfiles();
  void UpdateSwitchRules();
  void UpdateSwitchTimer();
  bool SwitchingByProgram() const;
  void SetSwitchingByProgram(bool on);
  void ShowTrayMenu();
  bool OnTrayCommand(int id);
  void ToggleStartWithWindows();
  void PollProgramInFront();
  // The profile's setup becomes the program's own and is sent to the mouse, or kept to be sent
  // when the mouse arrives.
  void SwitchToProfile(const std::wstring& name, bool by_hand);
  void EditProfiles();
  void SendPendingProfile();
  void SaveActiveProfile();

  AppPorts ports_;
  MainWindowOptions options_;
  AppMessages messages_;
  FailedSaves failed_saves_;
  AppDiagnostics diagnostics_;
  AppLinkHost link_host_;

  AppState state_;
  SettingsStore settings_;
  LinkState link_;
  DeviceImage image_;
  DeviceLink device_;
  std::wstring module_path_;
  SetupFiles setup_files_;
  std::wstring language_code_;
  const LanguageText* texts_;
  SkinKeys skin_keys_;
  MainFonts fonts_;

  SkinImageDrawer drawer_;
  std::unique_ptr<Canvas> background_;
  HoverTracker hover_;
  std::vector<PageSection*> basic_sections_;
  std::vector<PageSection*> advanced_sections_;
  KeyPage key_page_{*this};
  ReportRateSection report_rate_section_{*this};
  DpiSection dpi_section_{*this};
  LightingSection lighting_section_{*this};
  PointerSection pointer_section_{*this, ports_.pointer};
  MacroSection macro_section_{*this, setup_files_};

  ProfileLibrary profiles_;
  ProfileKeys profile_keys_;
  ProfileSwitcher switcher_;
  bool any_profile_names_a_program_ = false;
  // The profiles as the tray menu listed them: its commands name them by place.
  std::vector<std::wstring> menu_profiles_;
  bool profile_send_pending_ = false;
  bool closed_ = false;
};

}  // namespace vx
