#include <gtest/gtest.h>

#include "pages/basic_page_fixture.h"

namespace vx {
namespace {

class LightingTest : public test::BasicPageTest {
 protected:
  std::wstring Field(int id) { return f().windows.GetText(Control(id)); }
  std::vector<std::wstring> FieldTexts() { return {Field(80), Field(81), Field(82)}; }
  void ClickMode() { Click(800, 337); }
  void ClickParameter() { Click(800, 367); }
  void ClickEffect() { Click(800, 397); }
};

TEST_F(LightingTest, FieldsShowTheRecordInCentredStatics) {
  EXPECT_EQ(FieldTexts(), (std::vector<std::wstring>{L"Standard", L"100%", L"RGB Effect"}));
  const std::pair<int, Rect> fields[] = {
      {80, {767, 330, 835, 344}}, {81, {767, 360, 835, 374}}, {82, {767, 390, 835, 404}}};
  for (const auto& [id, rect] : fields) {
    EXPECT_EQ(RectOf(id), rect) << id;
    EXPECT_NE(f().windows.Get(Control(id)).spec.style & kStyleCentre, 0u) << id;
  }
  const auto colours = f().dialog->OnControlColour(ControlKind::kStatic, 81);
  ASSERT_TRUE(colours);
  EXPECT_EQ(colours->brush, (Rgb{0, 0, 0}));
  const auto& draws = f().windows.text.draws;
  const auto label = std::find_if(draws.begin(), draws.end(),
                                  [](const auto& d) { return d.text == L"Parameter"; });
  ASSERT_NE(label, draws.end());
  EXPECT_EQ(label->rect, (Rect{697, 360, 757, 374}));
  EXPECT_EQ(label->format, 0x26u);
}

TEST_F(LightingTest, EachModeKeepsItsOwnParameterAndEffect) {
  ClickMode();
  EXPECT_EQ(RectOf(63), (Rect{766, 347, 851, 407}));
  EXPECT_EQ(Entries(63), (std::vector<std::wstring>{L"Standard", L"Respiration", L"Neon"}));
  Pick(63, 2);
  EXPECT_EQ(Control(63), kNoWindow);
  EXPECT_EQ(Record().light_mode, 3);
  EXPECT_EQ(FieldTexts(), (std::vector<std::wstring>{L"Neon", L"1S", L"RGB Flash"}));
  ClickParameter();
  EXPECT_EQ(RectOf(64), (Rect{767, 377, 851, 577}));
  ASSERT_EQ(Entries(64).size(), 30u);
  Pick(64, 29);
  EXPECT_EQ(Record().light_param3, 29);
  EXPECT_EQ(Field(81), L"15S");
  ClickMode();
  Pick(63, 0);
  EXPECT_EQ(FieldTexts(), (std::vector<std::wstring>{L"Standard", L"100%", L"RGB Effect"}));
  ClickMode();
  Pick(63, 2);
  EXPECT_EQ(Field(81), L"15S");
}

TEST_F(LightingTest, RespirationWithRgbFlashIsStoredAsSentByTheApply) {
  ClickMode();
  Pick(63, 1);
  ClickParameter();
  EXPECT_EQ(RectOf(64), (Rect{767, 377, 851, 467}));
  Pick(64, 2);
  ClickEffect();
  EXPECT_EQ(RectOf(65), (Rect{766, 407, 851, 447}));
  EXPECT_EQ(Entries(65), (std::vector<std::wstring>{L"RGB Effect", L"RGB Flash"}));
  Pick(65, 1);
  EXPECT_EQ(Record().light_mode, 2);
  EXPECT_EQ(Record().light_param2, 2);
  EXPECT_EQ(Record().light_sub2, 2);
  EXPECT_EQ(FieldTexts(), (std::vector<std::wstring>{L"Respiration", L"6S", L"RGB Flash"}));
  Click(700, 630);  // Apply
  const auto& memory = f().bus.firmware(f().mouse).memory();
  EXPECT_EQ(memory.effect, (std::array<uint8_t, 3>{2, 3, 3}));
  EXPECT_EQ(memory.led[0], (std::array<uint8_t, 3>{2, 2, 3}));
}

TEST_F(LightingTest, StandardHasNoEffectListAndItsParameterListIsTen) {
  ClickEffect();
  EXPECT_EQ(Control(65), kNoWindow);
  ClickParameter();
  EXPECT_EQ(RectOf(64), (Rect{767, 377, 851, 547}));
  EXPECT_EQ(Entries(64).size(), 10u);
  ClickParameter();
  EXPECT_EQ(Control(64), kNoWindow) << "a second click closes it";
}

TEST_F(LightingTest, ModeOffShowsOffAndStoresNoParameter) {
  Record().light_mode = 0;
  Click(80, 70);
  Click(30, 70);
  EXPECT_EQ(FieldTexts(), (std::vector<std::wstring>{L"Off", L"", L""}));
  const SettingsRecord before = Record();
  ClickParameter();
  ASSERT_EQ(Entries(64).size(), 30u);
  Pick(64, 3);
  EXPECT_EQ(Field(81), L"2S");
  ClickEffect();
  Pick(65, 1);
  EXPECT_EQ(Field(82), L"RGB Fixed On");
  EXPECT_EQ(Record(), before);
}

TEST_F(LightingTest, ListsSelectTheEntryUnderThePointerAndCloseOnAClickElsewhere) {
  ClickParameter();
  MoveOver(64, 4);
  EXPECT_EQ(f().windows.ListSelection(Control(64)), 4);
  ClickMode();
  EXPECT_EQ(Control(64), kNoWindow);
  EXPECT_NE(Control(63), kNoWindow);
  Click(100, 300);
  EXPECT_EQ(Control(63), kNoWindow);
}

}  // namespace
}  // namespace vx
