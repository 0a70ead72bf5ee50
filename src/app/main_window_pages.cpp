#include "app/hid_mouse_dlg.h"
#include "app/main_controls.h"
#include "layout/main_window.h"
#include "ui/background_canvas.h"

namespace vx {

namespace {

const wchar_t* PageImage(int32_t page) {
  return page == kBasicPage ? L"/BasicSet2.png" : L"/AdvancedSet2.png";
}

}  // namespace

// A page image that covers the window hides main.png: the canvas then starts blank rather than
// with an image no one would see, decoded at every show. The files are rechecked first, so the
// page image asked is the one on disk now.
std::unique_ptr<Canvas> CHidMouseDlg::LookCanvas(int32_t page) {
  drawer_.RecheckFiles();
  const DisplayScale scale = ports_.windows.Scale(window());
  const Rect device = ToDevice(Rect{0, 0, state_.window_width, state_.window_height}, scale);
  std::unique_ptr<Canvas> blank =
      ports_.windows.CreateCanvas(device.Width(), device.Height(), scale);
  if (blank && drawer_.CoversCanvas(*blank, state_.skin_dir + PageImage(page))) {
    return blank;
  }
  return LoadBackground(ports_.windows, window(), ports_.images, state_.skin_dir + L"/main.png")
      .canvas;
}

SkinPainter CHidMouseDlg::Painter() {
  return SkinPainter(ports_.windows, drawer_, window(), background_.get(), state_.skin_dir,
                     state_.ui_text_colour);
}

SkinnedDialogContext CHidMouseDlg::DialogContext() {
  return {ports_.windows, ports_.images,   drawer_,
          messages_,      ports_.profile,  ports_.files,
          window(),       state_.skin_dir, state_.skin_name,
          SkinsRoot(),    state_.ui_text_colour, language_code_,
          fonts_.normal,  MacroNames()};
}

std::vector<std::wstring> CHidMouseDlg::MacroNames() const {
  std::vector<std::wstring> names;
  for (const Macro& macro : settings_.current.macros) names.push_back(macro.name);
  return names;
}

const std::vector<PageSection*>& CHidMouseDlg::SectionsOf(int32_t page) const {
  static const std::vector<PageSection*> kNone;
  if (page == kBasicPage) return basic_sections_;
  if (page == kAdvancedPage) return advanced_sections_;
  return kNone;
}

void CHidMouseDlg::AddSection(int32_t page, PageSection& section) {
  (page == kBasicPage ? basic_sections_ : advanced_sections_).push_back(&section);
}

// Removes the controls of the page that CurrentPage does not name.
void CHidMouseDlg::ClearPage() {
  if (state_.current_page == kBasicPage) {
    for (PageSection* section : advanced_sections_) section->DestroyControls();
  } else if (state_.current_page == kAdvancedPage) {
    for (PageSection* section : basic_sections_) section->DestroyControls();
  }
}

void CHidMouseDlg::ShowPage(int32_t page) {
  if (state_.current_page == page) return;
  state_.current_page = page;
  ClearPage();
  DrawPage(page);
  for (PageSection* section : SectionsOf(page)) section->CreateControls();
  Painter().Present();
}

// Once per run, at the start or when the window is first shown with the mouse there: the mouse's
// sensor is refreshed, and a config.bin never saved gets the sensor's DPI stages and the default
// key texts. A saved one keeps the user's DPI stages, or every start would undo them.
void CHidMouseDlg::EnsureFirstTimeSetUp() {
  if (state_.first_time_set_up) return;
  state_.first_time_set_up = true;
  const bool never_saved = settings_.first_run_flag == 0;
  device_.commands().RefreshSensorBlock([this, never_saved](uint8_t sensor_type) {
    if (!never_saved) return;
    ApplyDpiDefaults(settings_.current.record, sensor_type);
    ApplyDpiDefaults(settings_.snapshot.record, sensor_type);
  });
  if (!never_saved) return;
  // The defaults stand for what was loaded, so the snapshot takes them too.
  settings_.key_texts() = DefaultKeyTexts(texts_->functions);
  settings_.snapshot.key_texts[settings_.language] = settings_.key_texts();
  setup_files_.SaveKeyTexts(settings_);
  SaveActiveProfile();
}

void CHidMouseDlg::DrawPage(int32_t page) {
  SkinPainter painter = Painter();
  if (!painter.has_canvas()) return;
  drawer_.RecheckFiles();
  painter.Image(PageImage(page), 0, 0);
  for (const SkinControl& control : MainWindowControls(*texts_)) {
    DrawSkinControl(painter, control, false, fonts_.normal);
  }
  for (PageSection* section : SectionsOf(page)) section->Draw(painter);
  painter.Text(page == kBasicPage ? texts_->basic_settings : texts_->advanced_settings,
               main_layout::kPageTitle, kTextLeft, fonts_.bold);
  // A heading's box is narrower than some of its texts ("Double-Click Speed"); a clipped heading
  // would lose letters on both sides.
  for (const Heading& heading : PageHeadings(page, *texts_)) {
    painter.Text(*heading.text, heading.rect, kTextCentredOverflow, fonts_.normal);
  }
  painter.Text(texts_->web_address, main_layout::kWebText, kTextCentred, fonts_.normal);
}

}  // namespace vx
