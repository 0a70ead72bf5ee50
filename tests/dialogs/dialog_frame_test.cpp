#include <gtest/gtest.h>

#include <memory>

#include "dialog_fixture.h"
#include "dialogs/combo_dialog.h"
#include "dialogs/delay_time_dialog.h"
#include "dialogs/fire_key_dialog.h"
#include "dialogs/macro_dialog.h"
#include "dialogs/media_dialog.h"
#include "dialogs/single_dialog.h"
#include "dialogs/windows_dialog.h"
#include "layout/dialogs.h"

namespace vx {
namespace {

using test::DialogFixture;
using test::FakeImages;

struct Kind {
  const char* name;
  std::function<std::unique_ptr<SkinnedDialog>(const SkinnedDialogContext&)> make;
  const wchar_t* background;
  int height;
  bool keys_end_it;  // Enter and Esc end it (they are captured as keys otherwise)
  const wchar_t* failure_title;
};

template <class D>
std::function<std::unique_ptr<SkinnedDialog>(const SkinnedDialogContext&)> Maker() {
  return [](const SkinnedDialogContext& c) { return std::make_unique<D>(c); };
}

const Kind kKinds[] = {
    {"single", Maker<CSingleDialog>(), L"/single-key.png", dialog_layout::kHeight, false,
     L"Single Key Dialog Load background image failed!!!"},
    {"combo", Maker<CComboDialog>(), L"/combo-key.png", dialog_layout::kHeight, false,
     L"Combo Dialog Load background image failed!!!"},
    {"fire", Maker<CFireKeyDialog>(), L"/fire-key.png", dialog_layout::kHeight, true,
     L"FireKey Dialog Load background image failed!!!"},
    {"delay", Maker<CDelayTimeDialog>(), L"/delay-time.png", dialog_layout::kHeight, true,
     L"DelayTime Dialog Load background image failed!!!"},
    {"media", Maker<CMediaDialog>(), L"/media-key.png", dialog_layout::kHeight, true,
     L"Media Dialog Load background image failed!!!"},
    {"windows", Maker<CWindowsDialog>(), L"/windows-key.png", dialog_layout::kTallHeight, true,
     L"Windows Dialog Load background image failed!!!"},
    {"macro", Maker<CMacroDialog>(), L"/macro-key.png", dialog_layout::kHeight, true,
     L"Macro Key Dialog Load background image failed!!!"},
};

// Runs a fresh dialog of the kind with the script; DoModal's result.
int RunKind(DialogFixture& f, const Kind& kind, const std::function<void(SkinnedDialog&)>& script) {
  const auto dialog = kind.make(f.Context());
  return f.Run<SkinnedDialog>(*dialog, script);
}

TEST(DialogFrame, EachDialogIsItsBackgroundsSizeAndEndsByItsZones) {
  struct Click {
    Point at;
    int result;
  };
  // The shared column x = 270 ends with OK and then with Cancel.
  const Click clicks[] = {{{200, 260}, kIdOk},     {{300, 260}, kIdCancel}, {{360, 15}, kIdCancel},
                          {{270, 260}, kIdCancel}, {{166, 253}, kIdOk},     {{375, 260}, -1}};
  for (const Kind& kind : kKinds) {
    for (const Click& click : clicks) {
      DialogFixture f;
      Rect client;
      const int result = RunKind(f, kind, [&](SkinnedDialog& d) {
        client = f.windows.ClientRect(d.window());
        f.Click(d, click.at.x, click.at.y);
      });
      EXPECT_EQ(client, (Rect{0, 0, dialog_layout::kWidth, kind.height})) << kind.name;
      EXPECT_EQ(result, click.result == -1 ? kIdCancel : click.result)
          << kind.name << " at " << click.at.x << "," << click.at.y;
    }
  }
}

// A script that does not end the dialog leaves it to end with Cancel; so Enter tells whether the
// key ended it.
TEST(DialogFrame, EnterAndEscapeEndTheDialogsThatDoNotCaptureKeys) {
  for (const Kind& kind : kKinds) {
    for (const uint32_t key : {kKeyReturn, kKeyEscape}) {
      DialogFixture f;
      const int result = RunKind(f, kind, [&](SkinnedDialog& d) { f.windows.KeyDown(d, key); });
      const int by_key = key == kKeyReturn ? kIdOk : kIdCancel;
      EXPECT_EQ(result, kind.keys_end_it ? by_key : kIdCancel) << kind.name << " " << key;
    }
  }
}

TEST(DialogFrame, AMissingBackgroundSaysErrorAndLeavesADialogOfNoSizeThatCannotBeConfirmed) {
  for (const Kind& kind : kKinds) {
    DialogFixture f;
    f.images.Remove(kind.background);
    Rect client{1, 1, 1, 1};
    const int result = RunKind(f, kind, [&](SkinnedDialog& d) {
      client = f.windows.ClientRect(d.window());
      EXPECT_TRUE(f.windows.Controls(d.window()).empty()) << kind.name;
      EXPECT_FALSE(f.windows.HasKeyboardHook()) << kind.name;
      f.windows.Send(d, kMsgCommand, kIdOk, 0);
    });
    EXPECT_EQ(client, (Rect{0, 0, 0, 0})) << kind.name;
    EXPECT_EQ(result, kIdCancel) << kind.name;
    ASSERT_EQ(f.messages.shown.size(), 1u) << kind.name;
    EXPECT_EQ(f.messages.shown[0], std::wstring(kind.failure_title) + L"|error");
  }
}

TEST(DialogFrame, ZonesHoverAfterTheirRestAndRestoreWhenThePointerLeaves) {
  DialogFixture f;
  const uint32_t normal = FakeImages::ColourOf(L"/button-normal.png");
  const uint32_t over = FakeImages::ColourOf(L"/button-over.png");
  CMediaDialog dialog(f.Context());
  f.Run<CMediaDialog>(dialog, [&](CMediaDialog& d) {
    f.windows.Send(d, kMsgEraseBackground);
    EXPECT_EQ(f.Pixel(d, 170, 255), normal);
    f.windows.MoveTo(d, 200, 260);
    EXPECT_EQ(f.windows.hover_requests, 1);
    f.windows.Hover(d, 200, 260);
    EXPECT_EQ(f.Pixel(d, 170, 255), over);
    f.windows.MoveTo(d, 300, 260);
    f.windows.Hover(d, 300, 260);
    EXPECT_EQ(f.Pixel(d, 170, 255), normal) << "OK and Cancel never hover together";
    EXPECT_EQ(f.Pixel(d, 280, 255), over);
    f.windows.MoveTo(d, 360, 15);
    f.windows.Hover(d, 360, 15);
    EXPECT_EQ(f.Pixel(d, 355, 8), FakeImages::ColourOf(L"/button-close-over.png"));
    EXPECT_EQ(f.Pixel(d, 280, 255), over) << "close is alone: Cancel stays until a move off";
    f.windows.MoveTo(d, 100, 50);
    EXPECT_EQ(f.Pixel(d, 280, 255), normal);
    EXPECT_EQ(f.Pixel(d, 355, 8), FakeImages::ColourOf(L"/button-close-normal.png"));
  });
}

TEST(DialogFrame, CaptionsSpeakTheLanguage) {
  for (const auto& [language, ok, cancel] :
       {std::tuple{L"CHT", L"確定", L"取消"}, std::tuple{L"CHS", L"确定", L"取消"},
        std::tuple{L"cht", L"OK", L"Cancel"}}) {
    DialogFixture f;
    f.language = language;
    CDelayTimeDialog dialog(f.Context());
    f.Run<CDelayTimeDialog>(dialog, [&](CDelayTimeDialog& d) {
      f.windows.text.draws.clear();
      f.windows.Send(d, kMsgEraseBackground);
    });
    const auto& draws = f.windows.text.draws;
    ASSERT_GE(draws.size(), 2u);
    EXPECT_EQ(draws[0].text, ok);
    EXPECT_EQ(draws[0].rect, dialog_layout::kOk);
    EXPECT_EQ(draws[0].colour, test::kSkinText);
    EXPECT_EQ(draws[1].text, cancel);
    EXPECT_EQ(draws[2].colour, (Rgb{255, 255, 255})) << "the dialog's own texts are white";
  }
}

TEST(DialogFrame, ControlColoursByClass) {
  struct Case {
    const char* name;
    ControlKind kind;
    bool covered;
    bool with_background;
  };
  const std::pair<const Kind*, std::vector<Case>> table[] = {
      {&kKinds[0], {{"edit", ControlKind::kEdit, true, true},
                    {"list", ControlKind::kListBox, false, false},
                    {"static", ControlKind::kStatic, true, false}}},
      {&kKinds[3], {{"edit", ControlKind::kEdit, true, true},
                    {"static", ControlKind::kStatic, false, false}}},
      {&kKinds[4], {{"edit", ControlKind::kEdit, false, false},
                    {"list", ControlKind::kListBox, true, true}}},
      {&kKinds[2], {{"list", ControlKind::kListBox, true, true}}},
  };
  for (const auto& [kind, cases] : table) {
    DialogFixture f;
    const auto dialog = kind->make(f.Context());
    for (const Case& c : cases) {
      const auto colours = dialog->OnControlColour(c.kind, 1);
      ASSERT_EQ(colours.has_value(), c.covered) << kind->name << " " << c.name;
      if (!colours) continue;
      EXPECT_EQ(colours->text, (Rgb{255, 255, 255}));
      EXPECT_TRUE(colours->transparent);
      EXPECT_EQ(colours->brush, (Rgb{40, 40, 40}));
      EXPECT_EQ(colours->background.has_value(), c.with_background) << kind->name << " " << c.name;
    }
  }
}

}  // namespace
}  // namespace vx
