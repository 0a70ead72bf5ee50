#include "app/hid_mouse_dlg.h"
#include "common/text_format.h"
#include "profiles/profile_names.h"
#include "profiles/profiles_dialog.h"

namespace vx {

namespace {

// Four looks a second: a program must hold the front for a second before its profile comes.
constexpr uint32_t kProgramInFrontPollMs = 250;
constexpr uint32_t kProfileBalloonMs = 5000;
constexpr wchar_t kDefaultProfile[] = L"Default";
constexpr wchar_t kOn[] = L"1";
constexpr wchar_t kOff[] = L"0";

}  // namespace

// The first start with profiles keeps the setup the program already has as "Default".
void CHidMouseDlg::SetUpProfiles() {
  profile_keys_ = setup_files_.str_ini().LoadProfileKeys();
  if (!profiles_.FolderExists()) {
    if (const uint32_t error = profiles_.MakeFolder(); error != 0) {
      failed_saves_.Add(setup_files_.paths().profiles, error);
    } else {
      profile_keys_.active = profile_keys_.chosen = kDefaultProfile;
      SaveActiveProfile();
      setup_files_.str_ini().SaveProfileKeys(profile_keys_);
    }
  }
  UpdateSwitchRules();
}

void CHidMouseDlg::UpdateSwitchRules() {
  const std::vector<ProfilePrograms> rules = profiles_.Programs();
  any_profile_names_a_program_ = std::any_of(
      rules.begin(), rules.end(), [](const ProfilePrograms& p) { return !p.programs.empty(); });
  switcher_.SetProfiles(rules);
  UpdateSwitchTimer();
}

void CHidMouseDlg::UpdateSwitchTimer() {
  if (SwitchingByProgram()) {
    ports_.windows.SetTimer(window(), kProgramInFrontTimer, kProgramInFrontPollMs);
  } else {
    ports_.windows.KillTimer(window(), kProgramInFrontTimer);
  }
}

// Until the user says otherwise, switching is on once a profile names a program.
bool CHidMouseDlg::SwitchingByProgram() const {
  if (profile_keys_.switch_by_program.empty()) return any_profile_names_a_program_;
  return profile_keys_.switch_by_program == kOn;
}

void CHidMouseDlg::SetSwitchingByProgram(bool on) {
  profile_keys_.switch_by_program = on ? kOn : kOff;
  setup_files_.str_ini().SaveProfileKeys(profile_keys_);
  if (on) switcher_.Restart();
  UpdateSwitchTimer();
}

bool CHidMouseDlg::OnTimer(int id) {
  if (id == kPreparedLookTimer) {
    ReleasePreparedLook();
    return true;
  }
  if (id != kProgramInFrontTimer) return false;
  FailedSaves::Action action(failed_saves_);
  PollProgramInFront();
  return true;
}

void CHidMouseDlg::PollProgramInFront() {
  if (!SwitchingByProgram()) return;
  // A dialog open from the tray is the user at work as much as the shown window.
  const bool shown =
      ports_.windows.IsWindowVisible(window()) || DialogOverMainWindow() != kNoWindow;
  const std::optional<std::wstring> wanted =
      switcher_.Poll({profile_keys_.active, profile_keys_.chosen, shown});
  if (wanted) SwitchToProfile(*wanted, false);
}

void CHidMouseDlg::ShowTrayMenu() {
  menu_profiles_ = profiles_.Names();
  const TrayMenuState state{menu_profiles_, profile_keys_.active, SwitchingByProgram(),
                            ports_.logon_task.IsRegistered(), language_code_};
  ports_.windows.BringToForeground(window());
  ports_.windows.TrackPopupMenu(window(), TrayMenu(state, *texts_),
                                ports_.windows.CursorPosition());
}

bool CHidMouseDlg::OnTrayCommand(int id) {
  if (const auto n = ProfileOfCommand(id, menu_profiles_.size())) {
    SwitchToProfile(menu_profiles_[*n], true);
    return true;
  }
  if (const auto code = LanguageOfCommand(id)) {
    SwitchLanguage(*code);
    return true;
  }
  if (id == kTrayEditProfilesCommand) {
    EditProfiles();
    return true;
  }
  if (id == kTraySwitchByProgramCommand) {
    SetSwitchingByProgram(!SwitchingByProgram());
    return true;
  }
  if (id == kTrayStartWithWindowsCommand) {
    ToggleStartWithWindows();
    return true;
  }
  return false;
}

// From the tray with a dialog already open, that dialog comes to the front instead.
void CHidMouseDlg::EditProfiles() {
  if (const WindowHandle open = DialogOverMainWindow(); open != kNoWindow) {
    ports_.windows.BringToForeground(open);
    return;
  }
  CProfilesDialog dialog(DialogContext(), profiles_, *this,
                         [this](uint32_t error) { return ports_.system.ErrorText(error); });
  dialog.DoModal(window());
}

void CHidMouseDlg::ProfilesChanged(const std::wstring& renamed_from,
                                   const std::wstring& renamed_to) {
  if (!renamed_from.empty()) {
    for (std::wstring* name : {&profile_keys_.active, &profile_keys_.chosen}) {
      if (SameIgnoringAsciiCase(*name, renamed_from)) *name = renamed_to;
    }
    setup_files_.str_ini().SaveProfileKeys(profile_keys_);
  }
  UpdateSwitchRules();
}

void CHidMouseDlg::ToggleStartWithWindows() {
  LogonTaskPort& task = ports_.logon_task;
  const bool registered = task.IsRegistered();
  const uint32_t error = registered ? task.Unregister() : task.Register(module_path_);
  ports_.windows.DebugTrace(L"start with windows " + std::wstring(registered ? L"off" : L"on") +
                            L": " + std::to_wstring(error));
  if (error == 0) return;
  std::wstring why = ports_.system.ErrorText(error);
  if (why.empty()) why = L"0x" + Widen(Format("%08X", error));
  messages_.ShowMessage(ReplaceEvery(texts_->start_with_windows_failed, L"{}", why));
}

// A hand choice that cannot be read is told; a switch by the program in front only leaves a
// trace line, as it comes without the user asking.
void CHidMouseDlg::SwitchToProfile(const std::wstring& name, bool by_hand) {
  ProfileFileRead read = profiles_.Read(name);
  if (!read.file) {
    ports_.windows.DebugTrace(L"profile " + name + L" unreadable: " + Widen(read.error));
    if (!by_hand) return;
    messages_.ShowMessage(ReplaceEvery(
        ReplaceEvery(texts_->profile_unreadable, L"{}", name), L"{why}", Widen(read.error)));
    return;
  }
  settings_.current = std::move(read.file->setup);
  settings_.TakeSnapshot();
  // A profile is a setup once saved: the first-time defaults must not replace its texts.
  settings_.first_run_flag = 1;
  setup_files_.SaveWhole(settings_);
  profile_keys_.active = name;
  if (by_hand) profile_keys_.chosen = name;
  setup_files_.str_ini().SaveProfileKeys(profile_keys_);
  // A shown page, or one built for a hover, shows the new profile; a hidden window has none.
  RebuildCurrentPage();
  ports_.windows.DebugTrace(L"profile " + name + (by_hand ? L" chosen" : L" for the program"));
  const std::wstring text = ReplaceEvery(texts_->profile_in_use, L"{}", name);
  ports_.windows.DebugTrace(L"balloon Info: " + text);
  ports_.windows.ShowTrayBalloon(window(), text, L"Info", kProfileBalloonMs);
  profile_send_pending_ = true;
  SendPendingProfile();
}

void CHidMouseDlg::SendPendingProfile() {
  if (!profile_send_pending_) return;
  if (!link_.DeviceReady()) {
    ports_.windows.DebugTrace(L"profile " + profile_keys_.active + L" waits for the mouse");
    return;
  }
  profile_send_pending_ = false;
  ApplyAndSnapshot([] {});
}

// The profile keeps the programs it names; a file of a name that could not be one is left.
void CHidMouseDlg::SaveActiveProfile() {
  const std::wstring& name = profile_keys_.active;
  if (name.empty() || ProfileNameFault(name)) return;
  ProfileFile file;
  file.name = name;
  file.setup = settings_.current;
  if (ProfileFileRead read = profiles_.Read(name); read.file) {
    file.programs = std::move(read.file->programs);
  }
  if (const uint32_t error = profiles_.Save(file); error != 0) {
    failed_saves_.Add(profiles_.PathOf(name), error);
  }
}

}  // namespace vx
