#include <gtest/gtest.h>

#include "dialog_fixture.h"
#include "support/geometry_print.h"
#include "dialogs/delay_time_dialog.h"
#include "dialogs/fire_key_dialog.h"
#include "dialogs/macro_dialog.h"
#include "dialogs/media_dialog.h"
#include "dialogs/windows_dialog.h"
#include "layout/dialogs.h"

namespace vx {
namespace {

using namespace dialog_layout;

using test::DialogFixture;
using test::FakeImages;

TEST(ListPickDialogs, ConfirmedAtOnceTheyReturnTheFirstEntry) {
  DialogFixture f;
  CMediaDialog media(f.Context());
  ASSERT_EQ(f.Run<CMediaDialog>(media, [&](CMediaDialog& d) { f.Click(d, 200, 260); }), kIdOk);
  EXPECT_EQ(media.index(), 0);
  EXPECT_EQ(media.name(), L"Next");
  f.language = L"CHS";
  CWindowsDialog windows(f.Context());
  ASSERT_EQ(f.Run<CWindowsDialog>(windows, [&](CWindowsDialog& d) { f.Click(d, 200, 260); }),
            kIdOk);
  EXPECT_EQ(windows.name(), L"打开多媒体播放器");
}

TEST(ListPickDialogs, APickFillsTheNameFieldAndClosesTheList) {
  struct Case {
    bool media;
    int entry;
    const wchar_t* name;
    const wchar_t* language;
  };
  const Case cases[] = {{true, 6, L"Vol-", L""},
                        {false, 10, L"Browser-My Favorites", L""},
                        {false, 3, L"My Computer", L""},
                        {false, 10, L"瀏覽器-我的最愛", L"CHT"}};
  for (const Case& c : cases) {
    DialogFixture f;
    f.language = c.language;
    const int list_id = c.media ? media_key::kListId : windows_key::kListId;
    const int field_id = c.media ? media_key::kNameFieldId : windows_key::kNameFieldId;
    const Rect list_rect = c.media ? media_key::kList : windows_key::kList;
    const auto script = [&](ListPickDialog& d) {
      EXPECT_EQ(f.windows.Get(f.Control(d, field_id)).spec.rect, kWideNameField);
      f.Click(d, 145, 135);  // the strip right of the field belongs to the drop zone
      ASSERT_NE(f.Control(d, list_id), kNoWindow);
      EXPECT_EQ(f.windows.Get(f.Control(d, list_id)).spec.rect, list_rect);
      EXPECT_EQ(f.windows.Get(f.Control(d, list_id)).spec.style & kStyleVScroll, 0u);
      f.Pick(d, list_id, c.entry);
      EXPECT_EQ(f.Control(d, list_id), kNoWindow);
      EXPECT_EQ(f.TextOf(d, field_id), c.name);
      f.Click(d, 200, 260);
    };
    std::unique_ptr<ListPickDialog> dialog;
    if (c.media) {
      dialog = std::make_unique<CMediaDialog>(f.Context());
    } else {
      dialog = std::make_unique<CWindowsDialog>(f.Context());
    }
    ASSERT_EQ(f.Run<ListPickDialog>(*dialog, script), kIdOk);
    EXPECT_EQ(dialog->index(), c.entry);
    EXPECT_EQ(dialog->name(), c.name);
  }
}

TEST(ListPickDialogs, TheListClosesOnAClickOutsideAndOnItsZoneAndFollowsThePointer) {
  DialogFixture f;
  CMediaDialog dialog(f.Context());
  f.Run<CMediaDialog>(dialog, [&](CMediaDialog& d) {
    f.Click(d, 100, 135);
    const WindowHandle list = f.Control(d, media_key::kListId);
    ASSERT_NE(list, kNoWindow);
    const Rect item = f.windows.ListItemRect(list, 2);
    f.windows.MoveTo(d, 60, 147 + (item.top + item.bottom) / 2);
    EXPECT_EQ(f.windows.ListSelection(list), 2) << "the entry under the pointer";
    f.Click(d, 300, 100);
    EXPECT_EQ(f.Control(d, media_key::kListId), kNoWindow);
    f.Click(d, 100, 135);
    f.Click(d, 100, 135);
    EXPECT_EQ(f.Control(d, media_key::kListId), kNoWindow) << "the zone toggles it";
    f.Click(d, 100, 135);  // left open: the next opening starts closed
  });
  CMediaDialog again(f.Context());
  f.Run<CMediaDialog>(again, [&](CMediaDialog& d) {
    EXPECT_EQ(f.Control(d, media_key::kListId), kNoWindow);
    f.Click(d, 100, 135);
    EXPECT_NE(f.Control(d, media_key::kListId), kNoWindow);
  });
}

class FireKeyDialogTest : public ::testing::Test {
 protected:
  void Type(CFireKeyDialog& d, int id, const std::wstring& text) {
    f_.windows.SetText(f_.Control(d, id), text);
    f_.windows.Send(d, kMsgCommand, static_cast<uintptr_t>(id) | uintptr_t{kEditChanged} << 16,
                    f_.Control(d, id));
  }
  void LeaveSpeed(CFireKeyDialog& d) {
    f_.windows.Send(d, kMsgCommand, fire_key::kSpeedBoxId | uintptr_t{kEditFocusLost} << 16,
                    f_.Control(d, fire_key::kSpeedBoxId));
  }
  DialogFixture f_;
};

TEST_F(FireKeyDialogTest, ConfirmedAtOnceItIsTheLetterAAtSpeed32OnceAndTheBoxesSaySo) {
  CFireKeyDialog dialog(f_.Context());
  ASSERT_EQ(f_.Run<CFireKeyDialog>(dialog, [&](CFireKeyDialog& d) {
    EXPECT_EQ(f_.TextOf(d, fire_key::kKeyFieldId), L"A");
    EXPECT_EQ(f_.TextOf(d, fire_key::kSpeedBoxId), L"32");
    EXPECT_EQ(f_.TextOf(d, fire_key::kTimesBoxId), L"1");
    f_.windows.KeyDown(d, kKeyReturn);
  }), kIdOk);
  EXPECT_EQ(dialog.key_index(), 0);
  EXPECT_EQ(dialog.key_name(), L"A");
  EXPECT_EQ(dialog.speed(), 32);
  EXPECT_EQ(dialog.times(), 1);
}

TEST_F(FireKeyDialogTest, TheSpeedIsCheckedWhenItsBoxIsLeftAndWhenOkConfirmsIt) {
  struct Case {
    const wchar_t* typed;
    bool leave_first;
    uint8_t speed;
    const wchar_t* shown;
  };
  const Case cases[] = {{L"4", true, 5, L"5"},      {L"300", true, 5, L"5"},
                        {L"255", true, 255, L"255"}, {L"5", true, 5, L"5"},
                        {L"", true, 5, L"5"},       {L"300", false, 5, L"5"},
                        {L"2", false, 5, L"5"},     {L"40", false, 40, L"40"}};
  for (const Case& c : cases) {
    CFireKeyDialog dialog(f_.Context());
    std::wstring shown;
    f_.Run<CFireKeyDialog>(dialog, [&](CFireKeyDialog& d) {
      Type(d, fire_key::kSpeedBoxId, c.typed);
      if (c.leave_first) LeaveSpeed(d);
      f_.Click(d, 200, 260);
      shown = f_.TextOf(d, fire_key::kSpeedBoxId);
    });
    EXPECT_EQ(dialog.speed(), c.speed) << c.typed;
    EXPECT_EQ(shown, c.shown) << c.typed;
  }
}

TEST_F(FireKeyDialogTest, TimesAreCheckedAsTheyAreTyped) {
  CFireKeyDialog dialog(f_.Context());
  f_.Run<CFireKeyDialog>(dialog, [&](CFireKeyDialog& d) {
    Type(d, fire_key::kTimesBoxId, L"25");
    EXPECT_EQ(d.times(), 25);
    Type(d, fire_key::kTimesBoxId, L"256");
    EXPECT_EQ(f_.TextOf(d, fire_key::kTimesBoxId), L"1");
    EXPECT_EQ(d.times(), 1);
    Type(d, fire_key::kTimesBoxId, L"");
    EXPECT_EQ(d.times(), 0) << "until the button is released";
    f_.Click(d, 200, 260);
  });
  EXPECT_EQ(dialog.times(), 0);
}

TEST_F(FireKeyDialogTest, TheKeyListDisablesTheNumberBoxesAndScrollsThreeLinesAWheelNotch) {
  CFireKeyDialog dialog(f_.Context());
  f_.Run<CFireKeyDialog>(dialog, [&](CFireKeyDialog& d) {
    f_.windows.Wheel(d, 200, 150, -120);
    f_.Click(d, 125, 77);  // the drop zone, right of the field
    const WindowHandle list = f_.Control(d, fire_key::kKeyListId);
    ASSERT_NE(list, kNoWindow);
    EXPECT_EQ(f_.windows.ListCount(list), 61);
    EXPECT_FALSE(f_.windows.Get(f_.Control(d, fire_key::kSpeedBoxId)).enabled);
    EXPECT_FALSE(f_.windows.Get(f_.Control(d, fire_key::kTimesBoxId)).enabled);
    // The dialog hands the focus it is given to its topmost control, the times box, whose
    // disabling then leaves no focus, as under Wine.
    EXPECT_EQ(f_.windows.FocusedWindow(), kNoWindow);
    f_.windows.Wheel(d, 300, 150, -120);  // anywhere over the dialog
    EXPECT_EQ(f_.windows.ListTopIndex(list), 3);
    f_.windows.Wheel(d, 90, 150, 120);  // over the list itself: still three lines
    EXPECT_EQ(f_.windows.ListTopIndex(list), 0);
    f_.Pick(d, fire_key::kKeyListId, 60);
    EXPECT_TRUE(f_.windows.Get(f_.Control(d, fire_key::kSpeedBoxId)).enabled);
    EXPECT_EQ(f_.TextOf(d, fire_key::kKeyFieldId), L"R-Tilt Wheel");
    f_.Click(d, 200, 260);
  });
  EXPECT_EQ(dialog.key_index(), 60);
  EXPECT_EQ(dialog.key_name(), L"R-Tilt Wheel");
}

TEST_F(FireKeyDialogTest, ExplanationsAreCentredOnceAndStayThere) {
  CFireKeyDialog dialog(f_.Context());
  f_.Run<CFireKeyDialog>(dialog, [&](CFireKeyDialog& d) {
    for (int paint = 0; paint < 2; ++paint) {
      f_.windows.text.draws.clear();
      f_.windows.Send(d, kMsgEraseBackground);
      const auto& draws = f_.windows.text.draws;
      const auto note = std::find_if(draws.begin(), draws.end(), [](const auto& draw) {
        return draw.text.rfind(L"Speed (", 0) == 0;
      });
      ASSERT_NE(note, draws.end());
      // The headless text port measures this note as one 14-pixel line: 10 pixels spare above
      // and below it in the 34-pixel rectangle.
      EXPECT_EQ(note->rect, (Rect{15, 194, 390, 208})) << paint;
      EXPECT_EQ(note->format, 0x2010u);
    }
  });
}

TEST(MacroDialog, ListsTheSetupsMacrosAndTicksOneRepeatMode) {
  DialogFixture f;
  f.macro_names = {L"a", L"b", L"c"};
  const uint32_t tick = FakeImages::ColourOf(L"/PaneMakingTick.png");
  const uint32_t clear = FakeImages::ColourOf(L"/Pane.png");
  CMacroDialog dialog(f.Context());
  EXPECT_EQ(dialog.repeat_mode(), 0);
  ASSERT_EQ(f.Run<CMacroDialog>(dialog, [&](CMacroDialog& d) {
    EXPECT_EQ(d.repeat_mode(), 1);
    EXPECT_EQ(f.Pixel(d, 225, 80), tick);
    f.Click(d, 225, 185);
    f.Click(d, 225, 135);
    EXPECT_EQ(f.Pixel(d, 225, 185), clear);
    EXPECT_EQ(f.Pixel(d, 225, 135), tick);
    f.Click(d, 225, 135);
    EXPECT_EQ(d.repeat_mode(), 2);
    f.Click(d, 100, 135);
    EXPECT_EQ(f.windows.Get(f.Control(d, macro_key::kMacroListId)).items,
              (std::vector<std::wstring>{L"a", L"b", L"c"}));
    f.Pick(d, macro_key::kMacroListId, 2);
    f.Click(d, 200, 260);
  }), kIdOk);
  EXPECT_EQ(dialog.macro_index(), 2);
  EXPECT_EQ(dialog.macro_name(), L"c");
  EXPECT_EQ(dialog.repeat_mode(), 2);
}

TEST(MacroDialog, WithoutRecordIniTheListIsEmptyAndOkGivesTheFirstIndex) {
  DialogFixture f;
  CMacroDialog dialog(f.Context());
  ASSERT_EQ(f.Run<CMacroDialog>(dialog, [&](CMacroDialog& d) {
    f.Click(d, 100, 135);
    EXPECT_EQ(f.windows.ListCount(f.Control(d, macro_key::kMacroListId)), 0);
    f.Click(d, 200, 260);
  }), kIdOk);
  EXPECT_EQ(dialog.macro_index(), 0);
  EXPECT_EQ(dialog.macro_name(), L"");
  EXPECT_EQ(dialog.repeat_mode(), 1);
}

// The dialog keeps the text as typed and its number; the macro editor clamps it.
TEST(DelayTimeDialog, ReadsTheDelayOnEveryChange) {
  struct Case {
    const wchar_t* typed;
    int32_t delay;
  };
  const Case cases[] = {{L"0050", 50}, {L"5", 5}, {L"20000", 20000}, {L"", 0}};
  for (const Case& c : cases) {
    DialogFixture f;
    CDelayTimeDialog dialog(f.Context());
    ASSERT_EQ(f.Run<CDelayTimeDialog>(dialog, [&](CDelayTimeDialog& d) {
      const WindowHandle box = f.Control(d, delay_time::kDelayBoxId);
      EXPECT_EQ(f.windows.Get(box).spec.rect, delay_time::kDelayBox);
      EXPECT_NE(f.windows.Get(box).spec.style & kStyleNumber, 0u);
      f.windows.SetText(box, c.typed);
      f.windows.Send(d, kMsgCommand, delay_time::kDelayBoxId | uintptr_t{kEditChanged} << 16, box);
      f.windows.KeyDown(d, kKeyReturn);
    }), kIdOk);
    EXPECT_EQ(dialog.delay(), c.delay) << c.typed;
    EXPECT_EQ(dialog.delay_text(), c.typed);
  }
}

}  // namespace
}  // namespace vx
