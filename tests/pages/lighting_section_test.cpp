#include <gtest/gtest.h>

#include "layout/basic_page.h"
#include "pages/basic_page_fixture.h"

namespace vx {
namespace {

constexpr int kModeField = basic_layout::kLightFieldIds[0];
constexpr int kParameterField = basic_layout::kLightFieldIds[1];
constexpr int kEffectField = basic_layout::kLightFieldIds[2];
constexpr int kModeList = basic_layout::kLightListIds[0];
constexpr int kParameterList = basic_layout::kLightListIds[1];
constexpr int kEffectList = basic_layout::kLightListIds[2];

class LightingTest : public test::BasicPageTest {
 protected:
  std::wstring Field(int id) { return f().windows.GetText(Control(id)); }
  std::vector<std::wstring> FieldTexts() {
    return {Field(kModeField), Field(kParameterField), Field(kEffectField)};
  }
  void ClickMode() { Click(800, 337); }
  void ClickParameter() { Click(800, 367); }
  void ClickEffect() { Click(800, 397); }
};

TEST_F(LightingTest, FieldsShowTheRecordInCentredStatics) {
  EXPECT_EQ(FieldTexts(), (std::vector<std::wstring>{L"Standard", L"100%", L"RGB Effect"}));
  const std::pair<int, Rect> fields[] = {{kModeField, {767, 330, 835, 344}},
                                         {kParameterField, {767, 360, 835, 374}},
                                         {kEffectField, {767, 390, 835, 404}}};
  for (const auto& [id, rect] : fields) {
    EXPECT_EQ(RectOf(id), rect) << id;
    EXPECT_NE(f().windows.Get(Control(id)).spec.style & kStyleCentre, 0u) << id;
  }
  const auto colours = f().dialog->OnControlColour(ControlKind::kStatic, kParameterField);
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
  EXPECT_EQ(RectOf(kModeList), basic_layout::kLightModeList);
  EXPECT_EQ(Entries(kModeList), (std::vector<std::wstring>{L"Standard", L"Respiration", L"Neon"}));
  Pick(kModeList, 2);
  EXPECT_EQ(Control(kModeList), kNoWindow);
  EXPECT_EQ(Record().light_mode, 3);
  EXPECT_EQ(FieldTexts(), (std::vector<std::wstring>{L"Neon", L"1S", L"RGB Flash"}));
  ClickParameter();
  EXPECT_EQ(RectOf(kParameterList), (Rect{767, 377, 851, 577}));
  ASSERT_EQ(Entries(kParameterList).size(), 30u);
  Pick(kParameterList, 29);
  EXPECT_EQ(Record().light_param3, 29);
  EXPECT_EQ(Field(kParameterField), L"15S");
  ClickMode();
  Pick(kModeList, 0);
  EXPECT_EQ(FieldTexts(), (std::vector<std::wstring>{L"Standard", L"100%", L"RGB Effect"}));
  ClickMode();
  Pick(kModeList, 2);
  EXPECT_EQ(Field(kParameterField), L"15S");
}

TEST_F(LightingTest, RespirationWithRgbFlashIsStoredAsSentByTheApply) {
  ClickMode();
  Pick(kModeList, 1);
  ClickParameter();
  EXPECT_EQ(RectOf(kParameterList), (Rect{767, 377, 851, 467}));
  Pick(kParameterList, 2);
  ClickEffect();
  EXPECT_EQ(RectOf(kEffectList), basic_layout::kLightEffectList);
  EXPECT_EQ(Entries(kEffectList), (std::vector<std::wstring>{L"RGB Effect", L"RGB Flash"}));
  Pick(kEffectList, 1);
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
  EXPECT_EQ(Control(kEffectList), kNoWindow);
  ClickParameter();
  EXPECT_EQ(RectOf(kParameterList), (Rect{767, 377, 851, 547}));
  EXPECT_EQ(Entries(kParameterList).size(), 10u);
  ClickParameter();
  EXPECT_EQ(Control(kParameterList), kNoWindow) << "a second click closes it";
}

TEST_F(LightingTest, ModeOffShowsOffAndStoresNoParameter) {
  Record().light_mode = 0;
  Click(80, 70);
  Click(30, 70);
  EXPECT_EQ(FieldTexts(), (std::vector<std::wstring>{L"Off", L"", L""}));
  const SettingsRecord before = Record();
  ClickParameter();
  ASSERT_EQ(Entries(kParameterList).size(), 30u);
  Pick(kParameterList, 3);
  EXPECT_EQ(Field(kParameterField), L"2S");
  ClickEffect();
  Pick(kEffectList, 1);
  EXPECT_EQ(Field(kEffectField), L"RGB Fixed On");
  EXPECT_EQ(Record(), before);
}

TEST_F(LightingTest, ListsSelectTheEntryUnderThePointerAndCloseOnAClickElsewhere) {
  ClickParameter();
  MoveOver(kParameterList, 4);
  EXPECT_EQ(f().windows.ListSelection(Control(kParameterList)), 4);
  ClickMode();
  EXPECT_EQ(Control(kParameterList), kNoWindow);
  EXPECT_NE(Control(kModeList), kNoWindow);
  Click(100, 300);
  EXPECT_EQ(Control(kModeList), kNoWindow);
}

}  // namespace
}  // namespace vx
